"""Real: the library's UniversalReal, one IEEE double. Each operator is one
rounded double operation of the library; nothing is reported (infinities
and NaNs come out as the hardware gives them)."""
import ctypes
import numbers
from fractions import Fraction
from typing import Any, SupportsFloat, Union

from . import _native
from ._record_value import RecordValue
from ._records import RealRecord

_SUMS = {
    name: _native.flat("UniversalReal%sUniversalReal" % name, _native.STATUS, _native.REAL,
                       _native.REAL, _native.REAL)
    for name in ("Plus", "Minus")
}
_SCALINGS = {
    name: _native.flat("UniversalReal%sDouble" % name, _native.STATUS, _native.REAL,
                       ctypes.c_double, _native.REAL)
    for name in ("Times", "DividedBy")
}
_RELATIONS = _native.relations("UniversalReal", "UniversalReal", _native.REAL, _native.REAL)
RealLike = Union["Real", float, int]


def _is_real(value: Any) -> bool:
    return isinstance(value, (Real, numbers.Real))


class Real(RecordValue):
    __slots__ = ("_record",)
    _record: RealRecord

    def __init__(self, value: SupportsFloat = 0.0) -> None:
        self._record = RealRecord(float(value))

    def __float__(self) -> float:
        return float(self._record.value)

    def to_fraction(self) -> Fraction:
        return Fraction(float(self))

    def __hash__(self) -> int:
        return hash(float(self))

    def __str__(self) -> str:
        return repr(float(self))

    def __repr__(self) -> str:
        return "Real(%r)" % float(self)

    def _sum(self, name: str, other: Any, reflected: bool = False) -> Any:
        if not _is_real(other):
            return NotImplemented
        left, right = (Real(other), self) if reflected else (self, Real(other))
        result = RealRecord()
        _SUMS[name](ctypes.byref(left._record), ctypes.byref(right._record), ctypes.byref(result))
        return Real._wrap(result)

    def _scale(self, name: str, factor: Any) -> Any:
        if not _is_real(factor):
            return NotImplemented
        result = RealRecord()
        _SCALINGS[name](ctypes.byref(self._record), float(factor), ctypes.byref(result))
        return Real._wrap(result)

    def __add__(self, other: RealLike) -> "Real":
        return self._sum("Plus", other)  # type: ignore[no-any-return]

    def __radd__(self, other: RealLike) -> "Real":
        return self._sum("Plus", other, reflected=True)  # type: ignore[no-any-return]

    def __sub__(self, other: RealLike) -> "Real":
        return self._sum("Minus", other)  # type: ignore[no-any-return]

    def __rsub__(self, other: RealLike) -> "Real":
        return self._sum("Minus", other, reflected=True)  # type: ignore[no-any-return]

    def __mul__(self, factor: RealLike) -> "Real":
        return self._scale("Times", factor)  # type: ignore[no-any-return]

    __rmul__ = __mul__

    def __truediv__(self, divisor: RealLike) -> "Real":
        return self._scale("DividedBy", divisor)  # type: ignore[no-any-return]

    def __rtruediv__(self, other: RealLike) -> "Real":
        if not _is_real(other):
            return NotImplemented
        return Real(other) / self

    def __neg__(self) -> "Real":
        return self * -1.0

    def __pos__(self) -> "Real":
        return Real(self)

    def __abs__(self) -> "Real":
        return -self if self < 0.0 else +self

    def _relation(self, name: str, other: Any) -> Any:
        if not _is_real(other):
            return NotImplemented
        right = Real(other)
        return _RELATIONS[name](ctypes.byref(self._record), ctypes.byref(right._record)) == 1
