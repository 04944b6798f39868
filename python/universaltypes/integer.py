"""Integer: the library's 96-bit sign-magnitude UniversalInteger.

Operators are the library's: + and - raise OverflowError beyond 2^96 - 1;
* keeps the magnitude modulo 2^96 with the product of the signs (a wrapped
product can be a negative zero, shown as "-0"); / truncates toward zero and
raises ZeroDivisionError for a nonzero dividend over zero; % is mod (the
divisor's sign), rem() takes the dividend's; rem by zero is 0, mod by zero
the dividend. There is no //: the library has no floor division."""
import ctypes
import numbers
from fractions import Fraction
from functools import partialmethod

from . import _native
from ._record_value import RecordValue, add_operators
from ._records import IntegerRecord, copy_record, integer_record, record_int
from ._status import check

_ARITHMETIC = {
    name: _native.flat("UniversalInteger%sUniversalInteger" % name, _native.STATUS,
                       _native.INTEGER, _native.INTEGER, _native.INTEGER)
    for name in ("Plus", "Minus", "Times", "DividedBy", "Rem", "Mod")
}
_SYMBOLS = {"Plus": "+", "Minus": "-", "Times": "*", "DividedBy": "/", "Rem": "rem", "Mod": "mod"}
_RELATIONS = _native.relations("UniversalInteger", "UniversalInteger", _native.INTEGER,
                               _native.INTEGER)


class Integer(RecordValue):
    __slots__ = ()

    def __init__(self, value=0):
        """From an int, an Integer or a whole Fraction; OverflowError beyond
        2^96 - 1."""
        if isinstance(value, Integer):
            self._record = copy_record(value._record)
        elif isinstance(value, numbers.Integral):
            self._record = integer_record(int(value))
        elif isinstance(value, Fraction) and value.denominator == 1:
            self._record = integer_record(value.numerator)
        else:
            raise TypeError("an Integer is made from an int, not %r" % (value,))

    @property
    def sign(self):
        """+1 or -1, as the record holds it (-1 for a negative zero)."""
        return self._record.sign

    def __int__(self):
        return record_int(self._record)

    __index__ = __int__

    def to_fraction(self):
        return Fraction(int(self))

    def __bool__(self):
        return self._record.count != 0

    def __hash__(self):
        return hash(int(self))

    def __str__(self):
        return "-0" if self.sign < 0 and not self else str(int(self))

    def __repr__(self):
        return "Integer(%s)" % self

    def _apply(self, name, other, reflected=False):
        if not isinstance(other, (Integer, numbers.Integral)):
            return NotImplemented
        left, right = (Integer(other), self) if reflected else (self, Integer(other))
        result = IntegerRecord()
        status = _ARITHMETIC[name](ctypes.byref(left._record), ctypes.byref(right._record),
                                   ctypes.byref(result))
        check(status, lambda: "%s %s %s" % (left, _SYMBOLS[name], right), zero_divisor=not right)
        return Integer._wrap(result)

    rem = partialmethod(_apply, "Rem")
    mod = partialmethod(_apply, "Mod")

    def __neg__(self):
        return Integer() - self

    def __pos__(self):
        return Integer(self)

    def __abs__(self):
        return -self if self < 0 else +self

    def _relation(self, name, other):
        if not isinstance(other, (Integer, numbers.Integral)):
            return NotImplemented
        other = Integer(other)
        return _RELATIONS[name](ctypes.byref(self._record), ctypes.byref(other._record)) == 1


add_operators(Integer, Integer._apply, {"add": "Plus", "sub": "Minus", "mul": "Times",
                                        "truediv": "DividedBy", "mod": "Mod"})
