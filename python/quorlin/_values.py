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


class Unpacked:
    """values as one sequence of items, and how to give results back in the kind values came."""

    __slots__ = ("items", "_values", "_kind")

    def __init__(self, values):
        self._values = values
        if isinstance(values, _SCALARS) or any(values is m for m in MISSING):
            self._kind, self.items = "scalar", (values,)
        elif _np is not None and isinstance(values, _np.generic):
            self._kind, self.items = "scalar", (values.item(),)
        elif isinstance(values, (list, tuple)):
            self._kind, self.items = type(values).__name__, values
        elif _np is not None and isinstance(values, _np.ndarray):
            self._kind, self.items = "array", values.ravel().tolist()
        elif _pd is not None and isinstance(values, _pd.Series):
            self._kind, self.items = "series", values.tolist()
        else:
            raise TypeError(f"values must be {_KINDS}, not {type(values).__name__}")

    def label(self, position):
        """The caller's name for the item at position: a Series' index label, else the position."""
        return self._values.index[position] if self._kind == "series" else position

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
