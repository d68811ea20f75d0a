"""Code, the two errors, and the shortcuts oconv and iconv."""

import datetime

from . import _quorlin
from ._values import MISSING, Unpacked

_DIALECTS = {"universe": 0, "pick": 1}
_ENCODINGS = {"bytes": 0, "utf8": 1}
_ERRORS = ("keep", "empty", "raise")
_OCONV, _ICONV = 0, 1
_DIRECTIONS = ("OCONV", "ICONV")
STATUS_MEANINGS = {
    0: "converted",
    1: "input not valid for the code",
    2: "code invalid",
    3: "converted, but the input was suspect",
}


class CodeError(ValueError):
    """A conversion code that is not valid in the chosen dialect.

    ``position`` is the 0-based offset in the code (of characters in a str, of bytes in a bytes
    code) of the character that makes it invalid (the code's length when it ends too early), and
    ``reason`` says why.
    """

    def __init__(self, code, position, reason):
        super().__init__(f"invalid conversion code {code!r} at position {position}: {reason}")
        self.code = code
        self.position = position
        self.reason = reason


class ConversionError(ValueError):
    """A value that did not convert, raised by ``errors="raise"``.

    ``position`` is the 0-based position of the first failing value (``label`` its index label
    in a Series, else the position again), ``value`` the value itself and ``status`` its
    STATUS: 1 (not valid input for the code) or 2 (the code is invalid).
    """

    def __init__(self, code, direction, position, label, value, status):
        where = f"position {position}" if label == position else f"position {position} ({label!r})"
        super().__init__(
            f"{_DIRECTIONS[direction]} {code!r}: the value at {where}, {value!r}, does not "
            f"convert: STATUS {status}, {STATUS_MEANINGS.get(status, 'unknown')}"
        )
        self.position = position
        self.label = label
        self.value = value
        self.status = status


def _choice(name, value, choices):
    try:
        return choices[value]
    except (KeyError, TypeError):
        allowed = ", ".join(repr(c) for c in choices)
        raise ValueError(f"{name} must be one of {allowed}, not {value!r}") from None


def _today(today):
    """(year, month, day) of today=, (0, 0, 0) for the local date when None."""
    if today is None:
        return 0, 0, 0
    if isinstance(today, str):
        try:
            today = datetime.date.fromisoformat(today)
        except ValueError:
            raise ValueError(f"today must be a date YYYY-MM-DD, not {today!r}") from None
    if isinstance(today, datetime.datetime):
        today = today.date()
    if not isinstance(today, datetime.date):
        raise TypeError(f"today must be a datetime.date or 'YYYY-MM-DD', not {type(today).__name__}")
    return today.year, today.month, today.day


def _code_bytes(code):
    if isinstance(code, str):
        return code.encode("utf-8", "surrogateescape")
    if isinstance(code, bytes):
        return code
    raise TypeError(f"a conversion code is a str or bytes, not {type(code).__name__}")


class Code:
    """A conversion code, parsed once, that converts many values.

    ``Code(code, dialect="universe", european=False, today=None, encoding="bytes")``

    - ``code``: the code text, such as ``"D4-"``, ``"MTS"`` or ``"MD2"`` (str or bytes).
    - ``dialect``: ``"universe"`` (UniVerse, UniData, OpenQM) or ``"pick"`` (D3, jBASE, Reality).
    - ``european``: day-month-year as the default numeric date order instead of month-day-year.
    - ``today``: the current date for ICONV input without a year, a ``datetime.date`` or
      ``"YYYY-MM-DD"``; None takes the local date when the code is parsed.
    - ``encoding``: ``"bytes"`` (values are byte strings; the marks are bytes 251-255) or
      ``"utf8"`` (values are UTF-8 text; the marks are U+F8FB-U+F8FF).

    Raises ``CodeError`` (a ``ValueError``) for an invalid code. A Code is immutable: one can be
    shared by threads, and it pickles (for Dask and multiprocessing).
    """

    __slots__ = ("_code", "_options", "_parsed")

    def __init__(self, code, *, dialect="universe", european=False, today=None, encoding="bytes"):
        text = _code_bytes(code)
        year, month, day = _today(today)
        self._parsed = _quorlin.ParsedCode(
            text,
            _choice("dialect", dialect, _DIALECTS),
            bool(european),
            year,
            month,
            day,
            _choice("encoding", encoding, _ENCODINGS),
        )
        self._code = code
        self._options = {"dialect": dialect, "european": bool(european), "today": today,
                         "encoding": encoding}
        if not self._parsed.valid:
            position = self._parsed.error_position
            if isinstance(code, str):  # the engine counts bytes; a str's reader counts characters
                position = len(text[:position].decode("utf-8", "surrogateescape"))
            raise CodeError(code, position, self._parsed.error_reason)

    @property
    def code(self):
        """The code's text as given."""
        return self._code

    @property
    def options(self):
        """The options it was parsed with, as a dict of Code's keyword arguments."""
        return dict(self._options)

    def __repr__(self):
        options = "".join(f", {k}={v!r}" for k, v in self._options.items()
                          if v != _DEFAULTS[k])
        return f"quorlin.Code({self._code!r}{options})"

    def __reduce__(self):
        return _rebuild, (self._code, self._options)

    def oconv(self, values, *, errors="keep", status=False):
        """Converts values from internal (stored) form to external form: ``21527`` to ``12-08-2026``.

        ``values`` is a str, bytes, int or float, a list or tuple of them, a NumPy array or a
        pandas Series; the result is of the same kind (a Series keeps its index and name, an
        array its shape). Results are str, or bytes for bytes values. Missing values (None, NaN,
        pandas.NA, pandas.NaT) stay as they are.

        ``errors`` chooses what a value that does not convert (STATUS 1 or 2) becomes:
        ``"keep"`` (default) keeps it as given, so nothing is lost; ``"empty"`` gives what the
        code returns for a failure (OCONV: the input, ICONV: ``""``); ``"raise"`` raises
        ``ConversionError`` naming the first one.

        A value repeated in ``values`` is converted once: its repeats share the same (immutable)
        result object.

        With ``status=True`` it returns ``(results, statuses)``, the STATUS of each value in the
        same kind (0 converted, 1 bad input, 2 bad code, 3 converted but suspect; 0 for a missing
        value).
        """
        return self._convert(_OCONV, values, errors, status)

    def iconv(self, values, *, errors="keep", status=False):
        """Converts values from external form to internal (stored) form: ``12-08-2026`` to ``21527``.

        Takes the same values and options as ``oconv``.
        """
        return self._convert(_ICONV, values, errors, status)

    def _convert(self, direction, values, errors, status):
        if errors not in _ERRORS:
            raise ValueError(f"errors must be 'keep', 'empty' or 'raise', not {errors!r}")
        unpacked = Unpacked(values)
        on_failure, stop = int(errors == "empty"), errors == "raise"
        if unpacked.numbers is not None:
            outputs, statuses, first = self._parsed.convert_array(
                direction, unpacked.numbers, on_failure, stop
            )
        else:
            outputs, statuses, first = self._parsed.convert(
                direction, unpacked.items, on_failure, stop, MISSING
            )
        if stop and first >= 0:
            raise ConversionError(self._code, direction, first, unpacked.label(first),
                                  unpacked.item(first), statuses[first])
        results = unpacked.results(outputs)
        return (results, unpacked.statuses(statuses)) if status else results


_DEFAULTS = {"dialect": "universe", "european": False, "today": None, "encoding": "bytes"}


def _rebuild(code, options):
    return Code(code, **options)


def _code_of(code, options):
    if isinstance(code, Code):
        if options:
            raise TypeError("options are given with a Code's text, not with a parsed Code")
        return code
    return Code(code, **options)


def oconv(code, values, *, errors="keep", status=False, **options):
    """OCONV: ``quorlin.oconv("D4-", values, dialect="pick")`` is ``Code("D4-", dialect="pick").oconv(values)``.

    ``code`` is the code's text (with Code's keyword options) or a Code.
    """
    return _code_of(code, options).oconv(values, errors=errors, status=status)


def iconv(code, values, *, errors="keep", status=False, **options):
    """ICONV: ``quorlin.iconv("D4-", values, dialect="pick")`` is ``Code("D4-", dialect="pick").iconv(values)``.

    ``code`` is the code's text (with Code's keyword options) or a Code.
    """
    return _code_of(code, options).iconv(values, errors=errors, status=status)
