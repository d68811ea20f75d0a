"""The kinds of values a conversion takes, taken apart into one sequence and put back together."""

try:
    import numpy as _np
except ImportError:  # pragma: no cover - NumPy comes with pandas; quorlin works without both
    _np = None
try:
    import pandas as _pd
except ImportError:  # pragma: no cover
    _pd = None

# Objects that mean "no value" besides None and NaN; they come back as they went in.
MISSING = (_pd.NA, _pd.NaT) if _pd is not None else ()

_SCALARS = (str, bytes, int, float, type(None))
_KINDS = ("a str, bytes, int or float, a list or tuple of them, a NumPy array or a pandas Series")


def _numbers(array):
    """A NumPy array of numbers as the engine reads them in place (int64 or float64, flat), or
    None when its items must be read one by one."""
    kind = array.dtype.kind
    if kind == "i" or (kind == "u" and array.dtype.itemsize < 8):
        return _np.ascontiguousarray(array.ravel(), dtype=_np.int64)
    if kind == "f" and array.dtype.itemsize <= 8:
        return _np.ascontiguousarray(array.ravel(), dtype=_np.float64)
    return None


class Unpacked:
    """values as one sequence of items (or an array of numbers the engine reads in place), and
    how to give results back in the kind values came."""

    __slots__ = ("items", "numbers", "_values", "_kind")

    def __init__(self, values):
        self._values = values
        self.items = self.numbers = None
        if isinstance(values, _SCALARS) or any(values is m for m in MISSING):
            self._kind, self.items = "scalar", (values,)
        elif _np is not None and isinstance(values, _np.generic):
            self._kind, self.items = "scalar", (values.item(),)
        elif isinstance(values, (list, tuple)):
            self._kind, self.items = type(values).__name__, values
        elif _np is not None and isinstance(values, _np.ndarray):
            self._kind = "array"
            self.numbers = _numbers(values)
            if self.numbers is None:
                self.items = values.ravel().tolist()
        elif _pd is not None and isinstance(values, _pd.Series):
            self._kind = "series"
            if isinstance(values.dtype, _np.dtype):
                self.numbers = _numbers(values.to_numpy())
            if self.numbers is None:
                self.items = values.tolist()
        else:
            raise TypeError(f"values must be {_KINDS}, not {type(values).__name__}")

    def label(self, position):
        """The caller's name for the item at position: a Series' index label, else the position."""
        return self._values.index[position] if self._kind == "series" else position

    def item(self, position):
        """The value at position, as a Python object."""
        if self.items is not None:
            return self.items[position]
        return self.numbers[position].item()

    def results(self, outputs):
        """The results, in the kind the values came in."""
        kind = self._kind
        if kind == "scalar":
            return outputs[0]
        if kind == "list":
            return outputs
        if kind == "tuple":
            return tuple(outputs)
        if kind == "array":
            array = _np.empty(len(outputs), dtype=object)
            array[:] = outputs
            return array.reshape(self._values.shape)
        dtype = "string" if isinstance(self._values.dtype, _pd.StringDtype) else object
        return _pd.Series(outputs, index=self._values.index, name=self._values.name, dtype=dtype)

    def statuses(self, statuses):
        """The STATUS of each value (bytes, one per value) in the same kind."""
        kind = self._kind
        if kind == "scalar":
            return statuses[0]
        if kind == "list":
            return list(statuses)
        if kind == "tuple":
            return tuple(statuses)
        array = _np.frombuffer(statuses, dtype=_np.uint8).copy()
        if kind == "array":
            return array.reshape(self._values.shape)
        return _pd.Series(array, index=self._values.index, name=self._values.name)
