"""MultiValue conversion codes for Python, pandas and Dask.

quorlin converts values the way Pick-family (MultiValue) databases store and show them, with the
same engine as the ``quorlin`` command line: dates as day numbers (day 0 is 31 December 1967),
times as seconds past midnight, and the other codes (MT, MD, the radix and character codes, ...)
in the UniVerse or the Pick dialect.

Parse a code once and convert whole batches; a batch crosses into the engine in one call, which
runs without holding the GIL::

    >>> import quorlin
    >>> day = quorlin.Code("D4-", dialect="pick")
    >>> day.oconv([21527, "20514", None])
    ['12-08-2026', '02-29-2024', None]
    >>> day.iconv("12-08-2026")
    '21527'
    >>> quorlin.oconv("MTS", 62864)
    '17:27:44'

Values may be a str, bytes, int or float, a list or tuple of them, a NumPy array or a pandas
Series, and come back in the same kind: results are str (bytes for bytes values), a Series keeps
its index and name. Missing values (None, NaN, pandas.NA) stay missing.

A value that does not convert (STATUS 1: not valid input; STATUS 2: invalid code) follows
``errors=``: ``"keep"`` (default, as ``quorlin convert``) keeps it as given; ``"empty"`` gives
what the code returns (OCONV: the input unchanged, ICONV: ``""``); ``"raise"`` raises
ConversionError naming the first failing value and its position. ``status=True`` also returns
each value's STATUS (0 converted, 1, 2, or 3: converted, but the input was suspect)::

    >>> day.oconv(["21527", "tomorrow"], status=True)
    (['12-08-2026', 'tomorrow'], [0, 1])

An invalid code raises CodeError, a ValueError with ``.position`` and ``.reason``.

pandas: importing quorlin registers the accessor ``Series.mv``::

    df["day"] = df["day"].mv.oconv("D4-", dialect="pick")
    df["time"] = df["time"].mv.oconv("MTS")

Strings and bytes: a str is converted as its UTF-8 bytes, and results come back as str the same
way (bytes that are not UTF-8 as lone surrogates, as Python does for file names). With
``encoding="bytes"`` (default) the marks (value mark and the like) are the bytes 251-255, so
values holding marks are best given as bytes; with ``encoding="utf8"`` the marks are the
characters U+F8FB-U+F8FF.
"""

from . import _quorlin
from ._code import STATUS_MEANINGS, Code, CodeError, ConversionError, iconv, oconv

__version__ = _quorlin.version
__all__ = ["Code", "CodeError", "ConversionError", "oconv", "iconv", "STATUS_MEANINGS"]

try:
    from . import _pandas  # noqa: F401  (registers Series.mv)
except ImportError:  # pragma: no cover - quorlin works without pandas
    pass
