"""The module on every kind of values, the three error modes, STATUS, and bad input."""

import datetime
import pickle

import numpy as np
import pandas as pd
import pytest

import quorlin

PICK = {"dialect": "pick", "today": "2026-12-08"}
D4 = quorlin.Code("D4-", **PICK)


@pytest.mark.parametrize(
    "values, expected",
    [
        ("21527", "12-08-2026"),
        (21527, "12-08-2026"),
        (b"21527", b"12-08-2026"),
        (21527.0, "12-08-2026"),
        (np.int64(21527), "12-08-2026"),
        ([21527, " 0", b"-1", None, ""], ["12-08-2026", "12-31-1967", b"12-30-1967", None, ""]),
        ((21527,), ("12-08-2026",)),
        ([], []),
    ],
)
def test_values_come_back_in_their_kind(values, expected):
    result = D4.oconv(values)
    assert result == expected
    assert type(result) is type(expected)


def test_array_keeps_its_shape_and_missing_values():
    result = D4.oconv(np.array([[21527, 0], [np.nan, 1]]))
    assert result.dtype == object and result.shape == (2, 2)
    assert result[0].tolist() == ["12-08-2026", "12-31-1967"]
    assert np.isnan(result[1, 0]) and result[1, 1] == "01-01-1968"
    assert D4.oconv(np.array([b"21527"])).tolist() == [b"12-08-2026"]


def test_series_keeps_index_name_dtype_and_missing_values():
    series = pd.Series([21527, None, "x", pd.NA, np.nan], index=[5, 6, 7, 8, 9], name="day")
    result = D4.oconv(series)
    assert result.index.tolist() == [5, 6, 7, 8, 9] and result.name == "day"
    assert result.tolist()[:3] == ["12-08-2026", None, "x"]
    assert result[8] is pd.NA and np.isnan(result[9])
    # A column of days with a gap reads as floats; a nullable integer column keeps pd.NA.
    assert D4.oconv(pd.Series([21527.0, np.nan])).tolist()[0] == "12-08-2026"
    assert D4.oconv(pd.Series([21527, None], dtype="Int64"))[1] is pd.NA
    text = D4.oconv(pd.Series(["21527", None], dtype="string"))
    assert text.dtype == "string" and text[0] == "12-08-2026" and text[1] is pd.NA


def test_accessor_is_registered_through_pandas():
    frame = pd.DataFrame({"day": ["21527", "20514"], "time": [62864, 0]})
    assert frame["day"].mv.oconv("D4-", **PICK).tolist() == ["12-08-2026", "02-29-2024"]
    assert frame["time"].mv.oconv(quorlin.Code("MTS")).tolist() == ["17:27:44", "00:00:00"]
    assert frame["day"].mv.oconv("D4-", **PICK).mv.iconv("D4-", **PICK).tolist() == [
        "21527",
        "20514",
    ]
    assert "mv" in pd.Series._accessors


@pytest.mark.parametrize(
    "direction, errors, values, expected",
    [
        ("oconv", "keep", ["x", 99999999, 0], ["x", "99999999", "12-31-1967"]),
        ("oconv", "empty", ["x", 99999999, 0], ["x", "99999999", "12-31-1967"]),
        ("iconv", "keep", ["x", b"y", "12-31-1967"], ["x", b"y", "0"]),
        ("iconv", "empty", ["x", b"y", "12-31-1967"], ["", b"", "0"]),
    ],
)
def test_failed_values_follow_the_error_mode(direction, errors, values, expected):
    assert getattr(D4, direction)(values, errors=errors) == expected


def test_errors_raise_names_the_first_failing_value():
    with pytest.raises(quorlin.ConversionError) as raised:
        D4.oconv(pd.Series([0, None, "soon", "later"], index=list("abcd")), errors="raise")
    error = raised.value
    assert isinstance(error, ValueError)
    assert (error.position, error.label, error.value, error.status) == (2, "c", "soon", 1)
    assert "'soon'" in str(error) and "position 2" in str(error)
    assert D4.oconv([0, None], errors="raise") == ["12-31-1967", None]
    # An integer Series is read from its array in place; the error still names value and label.
    with pytest.raises(quorlin.ConversionError) as raised:
        D4.oconv(pd.Series([0, 10**7], index=["a", "b"]), errors="raise")
    assert (raised.value.position, raised.value.label, raised.value.value) == (1, "b", 10**7)
    # Long sequences go through the engine in parts; positions still count from the start.
    with pytest.raises(quorlin.ConversionError) as raised:
        D4.oconv([0] * 40000 + ["x"], errors="raise")
    assert raised.value.position == 40000
    days = list(range(-20000, 20000))
    assert D4.iconv(D4.oconv(days)) == [str(day) for day in days]


def test_status_comes_in_the_same_kind():
    assert D4.oconv(["0", "x", "1.5", None], status=True) == (
        ["12-31-1967", "x", "01-01-1968", None],
        [0, 1, 3, 0],
    )
    assert D4.iconv("x", status=True) == ("x", 1)
    result, status = D4.oconv(pd.Series([0, "x"], index=[3, 4]), status=True)
    assert status.tolist() == [0, 1] and status.index.tolist() == [3, 4]
    assert D4.oconv(np.array([0, 1]), status=True)[1].tolist() == [0, 0]


def test_invalid_code_raises_code_error():
    with pytest.raises(quorlin.CodeError) as raised:
        quorlin.Code("D9")
    assert isinstance(raised.value, ValueError)
    assert raised.value.position == 1 and raised.value.reason
    with pytest.raises(quorlin.CodeError):
        quorlin.oconv("MCXA", "1")  # a pick code, not universe


def test_marks_in_bytes_and_in_text():
    assert D4.oconv(b"21527\xfd0\xfc") == b"12-08-2026\xfd12-31-1967\xfc"
    # In bytes mode a str carries mark bytes as the surrogates that escape them.
    assert D4.oconv("21527\udcfd0") == "12-08-2026\udcfd12-31-1967"
    utf8 = quorlin.Code("D4-", encoding="utf8", **PICK)
    assert utf8.oconv("21527\uf8fd0") == "12-08-2026\uf8fd12-31-1967"
    assert utf8.oconv([b"\xff\xfe21527"], status=True)[1] == [1]
    # A result that is not UTF-8 comes back escaped, and goes in again as the same bytes.
    char = quorlin.Code("CHAR")
    assert char.oconv(["253", 65]) == ["\udcfd", "A"]
    assert char.iconv(char.oconv("253")) == "253"


@pytest.mark.parametrize(
    "values, error",
    [
        ([[21527]], TypeError),
        ([{"a": 1}], TypeError),
        ({"a": 1}, TypeError),
        ([True], TypeError),
        (object(), TypeError),
        (iter([1]), TypeError),
        ([10**5000], ValueError),
        ([datetime.date(2026, 12, 8)], TypeError),
    ],
)
def test_bad_values_raise_clear_errors(values, error):
    with pytest.raises(error):
        D4.oconv(values)


def test_numbers_outside_a_code_report_status():
    assert D4.oconv([10**30, -(2**70), 1e300, float("inf"), 2.5], status=True)[1] == [1, 1, 1, 1, 3]
    big = np.array([2**64 - 1, 7], dtype=np.uint64)
    assert D4.oconv(big, status=True)[1].tolist() == [1, 0]
    assert D4.oconv(np.array([1e300, 2.5, -0.0]), status=True)[1].tolist() == [1, 3, 0]


@pytest.mark.parametrize(
    "options, error",
    [
        ({"dialect": "d3"}, ValueError),
        ({"encoding": "latin1"}, ValueError),
        ({"today": "2026-02-30"}, ValueError),
        ({"today": 20261208}, TypeError),
    ],
)
def test_bad_options_raise_clear_errors(options, error):
    with pytest.raises(error):
        quorlin.Code("D", **options)
    with pytest.raises(ValueError):
        D4.oconv(0, errors="ignore")
    with pytest.raises(TypeError):
        quorlin.Code(4)


def test_code_pickles_and_shortcuts_match_it():
    copy = pickle.loads(pickle.dumps(D4))
    assert copy.oconv(21527) == "12-08-2026" and copy.options == D4.options
    assert repr(copy) == "quorlin.Code('D4-', dialect='pick', today='2026-12-08')"
    assert quorlin.oconv("D4-", [21527], **PICK) == ["12-08-2026"]
    assert quorlin.iconv("MTS", "17:27:44") == "62864"
    today = quorlin.Code("D4-", today=datetime.date(2026, 12, 8))
    assert today.iconv("12-08") == "21527"
    with pytest.raises(TypeError):
        quorlin.oconv(D4, 0, dialect="pick")


def test_the_documented_examples_hold():
    import doctest

    assert doctest.testmod(quorlin, raise_on_error=True).attempted >= 5
    with pytest.raises(quorlin.CodeError) as raised:
        quorlin.Code("MT'é")  # ends too early: a position counts characters in a str
    assert raised.value.position == 4


@pytest.mark.parametrize("distinct", [50, 200_000])
def test_repeated_values_convert_as_each_one_alone(distinct):
    # Repeats take the result of their first occurrence, across chunks of the call; failures,
    # kinds and missing values are never mixed up, also once the values are too varied to share.
    rng = np.random.default_rng(distinct)
    days = [int(d) for d in rng.integers(-1000, -1000 + distinct, 40_000)]
    kinds = (str, int, lambda d: str(d).encode())
    values = [kinds[i % 3](d) for i, d in enumerate(days)]
    values[10::7000] = ["x"] * len(values[10::7000])
    values[11::7000] = [None] * len(values[11::7000])
    results, statuses = D4.oconv(values, status=True)
    alone = [D4.oconv([v], status=True) for v in values]
    assert results == [r[0] for r, _ in alone] and statuses == [s[0] for _, s in alone]
    assert D4.oconv(values, errors="empty")[10] == "x" and statuses[11] == 0
    shared = D4.oconv([21527, "21527", 21527])
    assert shared[0] is shared[2] and shared[0] == shared[1]
