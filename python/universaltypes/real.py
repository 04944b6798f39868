"""Real: the library's UniversalReal, one IEEE double. Each operator is one
rounded double operation of the library; nothing is reported (infinities
and NaNs come out as the hardware gives them)."""
import ctypes
import numbers
from fractions import Fraction
from functools import partialmethod

from . import _native
from ._record_value import RecordValue, add_operators
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


def _is_real(value):
    return isinstance(value, (Real, numbers.Real))


class Real(RecordValue):
    __slots__ = ("_record",)

    def __init__(self, value=0.0):
        self._record = RealRecord(float(value))

    def __float__(self):
        return self._record.value

    def to_fraction(self):
        return Fraction(float(self))

    def __hash__(self):
        return hash(float(self))

    def __str__(self):
        return repr(float(self))

    def __repr__(self):
        return "Real(%r)" % float(self)

    def _sum(self, name, other, reflected=False):
        if not _is_real(other):
            return NotImplemented
        left, right = (Real(other), self) if reflected else (self, Real(other))
        result = RealRecord()
        _SUMS[name](ctypes.byref(left._record), ctypes.byref(right._record), ctypes.byref(result))
        return Real._wrap(result)

    def _scale(self, name, factor):
        if not _is_real(factor):
            return NotImplemented
        result = RealRecord()
        _SCALINGS[name](ctypes.byref(self._record), float(factor), ctypes.byref(result))
        return Real._wrap(result)

    __mul__ = partialmethod(_scale, "Times")
    __rmul__ = partialmethod(_scale, "Times")
    __truediv__ = partialmethod(_scale, "DividedBy")

    def __rtruediv__(self, other):
        return Real(other) / self if _is_real(other) else NotImplemented

    def __neg__(self):
        return self * -1.0

    def __pos__(self):
        return Real(self)

    def __abs__(self):
        return -self if self < 0.0 else +self

    def _relation(self, name, other):
        if not _is_real(other):
            return NotImplemented
        other = Real(other)
        return _RELATIONS[name](ctypes.byref(self._record), ctypes.byref(other._record)) == 1


add_operators(Real, Real._sum, {"add": "Plus", "sub": "Minus"})
