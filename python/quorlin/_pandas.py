"""The pandas accessor ``Series.mv``, registered through pandas' extension API."""

import pandas as pd

from ._code import iconv, oconv


@pd.api.extensions.register_series_accessor("mv")
class MultiValueAccessor:
    """MultiValue conversion codes on a Series: ``df["day"].mv.oconv("D4-", dialect="pick")``.

    ``oconv`` and ``iconv`` take a code's text with Code's options (or a Code) and
    ``errors=``/``status=`` as ``quorlin.oconv``; the result is a Series with the same index and
    name.
    """

    def __init__(self, series):
        self._series = series

    def oconv(self, code, *, errors="keep", status=False, **options):
        """OCONV of every value of the Series (see ``quorlin.Code.oconv``)."""
        return oconv(code, self._series, errors=errors, status=status, **options)

    def iconv(self, code, *, errors="keep", status=False, **options):
        """ICONV of every value of the Series (see ``quorlin.Code.iconv``)."""
        return iconv(code, self._series, errors=errors, status=status, **options)
