"""OCONV then ICONV gives back the stored value, for every stored value a code can show."""

import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import quorlin

# Stored values each code shows in full and reads back: (code, low, high, step) stands for the
# values low*step .. high*step in steps of step. The supported days; the seconds of a day (MT shows
# whole minutes); integers of cents within the 30 digits of a decimal.
ROUND_TRIPS = [
    ("D", -718430, 2933628, 1),
    ("D4-", -718430, 2933628, 1),
    ("MT", 0, 1439, 60),
    ("MTS", 0, 86399, 1),
    ("MD2", -(10**20), 10**20, 1),
]


@pytest.mark.parametrize("code, low, high, step", ROUND_TRIPS)
@settings(max_examples=100, deadline=None)
@given(data=st.data())
def test_oconv_then_iconv_returns_the_stored_value(code, low, high, step, data):
    try:
        parsed = quorlin.Code(code, dialect="pick", today="2026-12-08")
    except quorlin.CodeError:
        pytest.skip(f"{code} is not a code of this engine yet")
    stored = [n * step for n in data.draw(st.lists(st.integers(low, high), min_size=1, max_size=40))]
    shown, status = parsed.oconv(stored, status=True)
    assert status == [0] * len(stored)
    assert parsed.iconv(shown) == [str(value) for value in stored]
