"""Time: the library's UniversalTime, whole femtosecond ticks (an Integer)
plus an offset in [0, 1) fs.

Operators map onto the flat functions: a Time plus or minus a Time, an
Integer or int (ticks), or a Real or float (seconds, as the library's flat
functions count them); times an int of 32 bits or a real; divided by an int,
an Integer (through its double, as the library does) or a real. Whether
offsets take part in sums and comparisons follows the library's analog flag
(universaltypes.set_analog). A Time is not hashable: its equality depends on
that flag."""
import ctypes
import math
import numbers
from fractions import Fraction
from functools import partialmethod

from . import _native
from ._record_value import RecordValue
from ._records import TimeRecord, copy_record, integer_record, record_int
from ._status import ERROR, check
from .integer import Integer
from .real import Real

UNITS = ("fs", "ps", "ns", "us", "ms", "sec", "min", "hr")
_AUTOMATIC_UNIT = -1
_SYMBOLS = {"Plus": "+", "Minus": "-", "Times": "*", "DividedBy": "/"}
_INT_RANGE = range(-2**31, 2**31)


def _flat_family(right, right_type, names):
    return {name: _native.flat("UniversalTime%s%s" % (name, right), _native.STATUS, _native.TIME,
                               right_type, _native.TIME)
            for name in names}


_WITH_TIME = _flat_family("UniversalTime", _native.TIME, ("Plus", "Minus"))
_WITH_TICKS = _flat_family("UniversalInteger", _native.INTEGER, ("Plus", "Minus", "DividedBy"))
_WITH_SECONDS = _flat_family("UniversalReal", _native.REAL, ("Plus", "Minus"))
_BY_INT = _flat_family("Int", ctypes.c_int, ("Times", "DividedBy"))
_BY_DOUBLE = _flat_family("Double", ctypes.c_double, ("Times", "DividedBy"))
_TIME_RELATIONS = _native.relations("UniversalTime", "UniversalTime", _native.TIME, _native.TIME)
# The library has no time /= integer; NotEqual is "not Equals" there.
_TICK_RELATIONS = _native.relations(
    "UniversalTime", "UniversalInteger", _native.TIME, _native.INTEGER,
    names=[name for name in _native.RELATIONS if name != "NotEqual"])


def _is_integer(value):
    return isinstance(value, (Integer, numbers.Integral))


def _is_real(value):
    return isinstance(value, (Real, numbers.Real)) and not _is_integer(value)


class Time(RecordValue):
    __slots__ = ()
    __hash__ = None

    def __init__(self, ticks=0):
        """A whole number of femtoseconds (int or Integer), offset 0.0."""
        self._record = TimeRecord(copy_record(Integer(ticks)._record), 0.0)

    @classmethod
    def parse(cls, text):
        """The library's exact value of a time literal ('1.5 ns', '16#FF# ns').
        ValueError for text that is no literal, OverflowError beyond 2^96 - 1 fs."""
        if "\0" in text:
            raise ValueError("not a time literal: %r" % text)
        result = TimeRecord()
        status = _native.parse_time(text.encode("utf-8"), ctypes.byref(result))
        if status == ERROR:
            raise ValueError("not a time literal: %r" % text)
        check(status, lambda: "time literal %r" % text)
        return cls._wrap(result)

    @classmethod
    def from_fraction(cls, femtoseconds):
        """The record of an exact number of femtoseconds: the floor in the ticks,
        the rest rounded into the offset (a rest rounding to 1.0 carries)."""
        value = Fraction(femtoseconds)
        ticks = math.floor(value)
        offset = float(value - ticks)
        if offset == 1.0:
            ticks, offset = ticks + 1, 0.0
        return cls._wrap(TimeRecord(integer_record(ticks), offset))

    @property
    def ticks(self):
        return Integer._wrap(copy_record(self._record.ticks))

    @property
    def offset(self):
        return self._record.offset

    def to_fraction(self):
        """ticks + offset femtoseconds, exactly."""
        return record_int(self._record.ticks) + Fraction(self._record.offset)

    def _image(self, unit):
        status = ctypes.c_int()
        text = _native.time_image(ctypes.byref(self._record), unit, ctypes.byref(status))
        check(status.value, lambda: "time image")
        return text.decode("ascii")

    def __str__(self):
        """The library's image in the unit it picks ('1.5 ns', '7200 sec')."""
        return self._image(_AUTOMATIC_UNIT)

    def __format__(self, unit):
        """format(t, 'ns'): the library's image in that unit; '' picks one."""
        if not unit:
            return str(self)
        if unit not in UNITS:
            raise ValueError("unknown time unit %r (one of %s)" % (unit, " ".join(UNITS)))
        return self._image(UNITS.index(unit))

    def __repr__(self):
        return "Time.from_fraction(%r)" % self.to_fraction()

    def _call(self, name, function, right, other):
        # A copy on the left: the flat addition of seconds writes the sum
        # into its left operand too.
        left = copy_record(self._record)
        result = TimeRecord()
        status = function(ctypes.byref(left), right, ctypes.byref(result))
        check(status, lambda: "%s %s %r" % (self, _SYMBOLS[name], other),
              zero_divisor=name == "DividedBy" and other == 0)
        return Time._wrap(result)

    def _add(self, name, other):
        if isinstance(other, Time):
            return self._call(name, _WITH_TIME[name], ctypes.byref(other._record), other)
        if _is_integer(other):
            return self._call(name, _WITH_TICKS[name], ctypes.byref(Integer(other)._record), other)
        if _is_real(other):
            return self._call(name, _WITH_SECONDS[name], ctypes.byref(Real(other)._record), other)
        return NotImplemented

    def _scale(self, name, factor):
        if _is_real(factor):
            return self._call(name, _BY_DOUBLE[name], float(factor), factor)
        if not _is_integer(factor):
            return NotImplemented
        if name == "DividedBy" and (isinstance(factor, Integer) or int(factor) not in _INT_RANGE):
            divisor = Integer(factor)
            return self._call(name, _WITH_TICKS[name], ctypes.byref(divisor._record), factor)
        if int(factor) not in _INT_RANGE:
            raise OverflowError("%s * %r: the library scales times by 32-bit ints" % (self, factor))
        return self._call(name, _BY_INT[name], int(factor), factor)

    __add__ = partialmethod(_add, "Plus")
    __radd__ = partialmethod(_add, "Plus")
    __sub__ = partialmethod(_add, "Minus")
    __mul__ = partialmethod(_scale, "Times")
    __rmul__ = partialmethod(_scale, "Times")
    __truediv__ = partialmethod(_scale, "DividedBy")

    def __neg__(self):
        zero = TimeRecord()
        _native.time_zero(ctypes.byref(zero))
        return Time._wrap(zero) - self

    def __pos__(self):
        return Time._wrap(copy_record(self._record))

    def __abs__(self):
        return -self if self < 0 else +self

    def _relation(self, name, other):
        mine = ctypes.byref(self._record)
        if isinstance(other, Time):
            return _TIME_RELATIONS[name](mine, ctypes.byref(other._record)) == 1
        if not _is_integer(other):
            return NotImplemented
        ticks = Integer(other)
        if name == "NotEqual":
            return not self._relation("Equals", ticks)
        return _TICK_RELATIONS[name](mine, ctypes.byref(ticks._record)) == 1
