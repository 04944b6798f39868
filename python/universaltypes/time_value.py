"""Time: the library's UniversalTime, whole femtosecond ticks (an Integer)
plus an offset in [0, 1) fs, with exact arithmetic.

Every operation is exact or raises: sums, differences, scaling by an int,
Fraction, Decimal or float (the exact double it is), quotients and
remainders go through the exact layer, which rounds a result to a record by
one rule (analog set: floor plus the rest correctly rounded into the offset;
analog clear: truncated, offset 0) and raises OverflowError beyond
2^96 - 1 fs. A time and a plain number do not mix: Time(x, "sec") says what
the number means.

Whether offsets count (in ==, <, hash, bool and the exact value) follows the
library's analog flag (universaltypes.set_analog). Equal times hash equal
under the flag in force, so the flag must not change while times are keys
of a dict or members of a set."""
import ctypes
import math
import numbers
import re
from decimal import Decimal
from fractions import Fraction
from typing import Any, Tuple, Union

from . import _native
from ._exact import RATIONAL_TYPES, Rational, call, exact_fraction, fraction_text, rational_text
from ._record_value import RecordValue
from ._records import IntegerRecord, TimeRecord, copy_record, record_int
from ._status import OVERFLOW, check
from .integer import Integer
from .real import Real

UNITS = ("fs", "ps", "ns", "us", "ms", "sec", "min", "hr")
_FEMTOSECONDS = dict(zip(UNITS, (1, 10**3, 10**6, 10**9, 10**12, 10**15, 60 * 10**15,
                                 3600 * 10**15)))
_UNIT_ALIASES = {"s": "sec"}
_AUTOMATIC_UNIT = -1
_ROUND_MODES = {"round": round, "ceil": math.ceil, "floor": math.floor}
_FORMAT_SPEC = re.compile(r"(?:(?P<fill>.)?(?P<align>[<>^]))?(?P<width>\d+)?(?P<unit>[a-z]*)\Z",
                          re.DOTALL)
_PLAIN_NUMBERS = (numbers.Number, Decimal, Integer, Real)
TimeLike = Union["Time", str]


def _analog() -> int:
    return _native.get_analog_exists()


def _unit_name(unit: str) -> str:
    if not isinstance(unit, str):
        raise TypeError("a time unit is a str (one of %s), not %s"
                        % (" ".join(UNITS), type(unit).__name__))
    unit = _UNIT_ALIASES.get(unit, unit)
    if unit not in _FEMTOSECONDS:
        raise ValueError("unknown time unit %r (one of %s, or s)" % (unit, " ".join(UNITS)))
    return unit


def _is_plain_number(value: Any) -> bool:
    return isinstance(value, _PLAIN_NUMBERS) and not isinstance(value, Time)


def _mixing_error(operation: str, other: Any) -> TypeError:
    return TypeError("cannot %s a Time and a plain %s: say what the number means, "
                     "e.g. Time(x, 'sec') or Time(x, 'fs')" % (operation, type(other).__name__))


def _factor(value: Any) -> Fraction:
    if isinstance(value, Integer):
        return Fraction(int(value))
    if isinstance(value, Real):
        value = float(value)
    return exact_fraction(value, "time scale factor")


class Time(RecordValue):
    """Time(1.5, "ns"), Time("1.5 ns"), Time(Fraction(3, 2), "ns"),
    Time(Decimal("1.5"), "ns"), Time(n) (n femtoseconds), Time(other_time)."""

    __slots__ = ("_record",)

    def __init__(self, value: Union["Time", str, Rational, Integer] = 0,
                 unit: Union[str, None] = None) -> None:
        if isinstance(value, str) and unit is None:
            self._record = Time.parse(value)._record
        elif isinstance(value, Time) and unit is None:
            self._record = copy_record(value._record)
        elif isinstance(value, (Integer, Real) + RATIONAL_TYPES):
            scale = _FEMTOSECONDS[_unit_name(unit if unit is not None else "fs")]
            self._record = Time.from_fraction(_factor(value) * scale)._record
        else:
            raise TypeError("Time() takes a str literal, a Time, or an int, Fraction, Decimal or "
                            "float with a unit, not %s" % type(value).__name__)

    @classmethod
    def parse(cls, text: str) -> "Time":
        """The exact value of one time literal ('1.5 ns', '16#FF# ns').
        ValueError for text that is no literal or has text after it (naming
        the column), OverflowError beyond 2^96 - 1 fs."""
        if not isinstance(text, str):
            hint = " (decode it first: text.decode())" if isinstance(text, (bytes, bytearray)) \
                else ""
            raise TypeError("Time.parse takes a str, not %s%s" % (type(text).__name__, hint))
        body = text.lstrip()
        if body[:1] in ("-", "+"):
            # A leading sign (repr() writes a negative time so): the extent
            # and its columns are checked without it, the value is the
            # library parser's of the signed text (negating a rounded
            # magnitude would round twice).
            _literal_record(text.replace(body[0], " ", 1), text)
            result = TimeRecord()
            check(_native.parse_time(text.encode("utf-8"), ctypes.byref(result)),
                  lambda: "time literal %r" % text)
            return cls._wrap(result)
        return cls._wrap(_literal_record(text, text))

    @classmethod
    def from_fraction(cls, femtoseconds: Rational) -> "Time":
        """An exact number of femtoseconds rounded to a record by the exact
        layer's rule."""
        value = exact_fraction(femtoseconds, "femtoseconds")
        result = TimeRecord()
        call(_native.exact_from_femtoseconds, (rational_text(value), _analog(),
                                               ctypes.byref(result)),
             lambda: "%s fs" % value)
        return cls._wrap(result)

    @property
    def ticks(self) -> Integer:
        return Integer._wrap(copy_record(self._record.ticks))

    @property
    def offset(self) -> float:
        return self._record.offset

    def to_fraction(self) -> Fraction:
        """The exact value in femtoseconds under the analog flag in force
        (the ticks alone while it is clear)."""
        return fraction_text(_native.exact_to_femtoseconds, ctypes.byref(self._record), _analog())

    def to(self, unit: str) -> Fraction:
        """The exact value in a unit: Time(1.5, "ns").to("ps") == 1500."""
        return self.to_fraction() / _FEMTOSECONDS[_unit_name(unit)]

    def __float__(self) -> float:
        """Seconds, the nearest double."""
        return float(self.to("sec"))

    def steps(self, resolution: TimeLike, round_mode: str = "error") -> int:
        """The number of resolutions ("ps" or Time(10, "ps")) in this time;
        round_mode "error" raises ValueError for an inexact count, "round"
        takes the nearest (ties to even), "ceil" and "floor" round up and
        down."""
        step = Time(1, resolution) if isinstance(resolution, str) else resolution
        if not isinstance(step, Time):
            raise TypeError("a resolution is a unit name or a Time, not %s"
                            % type(resolution).__name__)
        count = self / step
        if round_mode == "error":
            if count.denominator != 1:
                raise ValueError("%r is not a whole number of %r (%s of them)"
                                 % (self, step, count))
            return count.numerator
        if round_mode not in _ROUND_MODES:
            raise ValueError("round_mode is one of 'error', %s, not %r"
                             % (", ".join(map(repr, _ROUND_MODES)), round_mode))
        return int(_ROUND_MODES[round_mode](count))

    def _image(self, unit: Union[str, None]) -> str:
        """The library's image in the unit (or the one it picks) where that
        is the exact value of the record, else the exact decimal."""
        status = ctypes.c_int()
        text = _native.time_image(ctypes.byref(self._record),
                                  UNITS.index(unit) if unit else _AUTOMATIC_UNIT,
                                  ctypes.byref(status))
        check(status.value, lambda: "time image")
        image = text.decode("ascii")
        exact = record_int(self._record.ticks) + Fraction(self._record.offset)
        if _image_value(image) == exact:
            return image
        # The image rounds an offset to a few digits; the decimal is exact
        # because the offset is a double, whose denominator is a power of 2.
        unit = unit or "fs"
        return "%s %s" % (_decimal_text(exact / _FEMTOSECONDS[unit]), unit)

    def __str__(self) -> str:
        """The library's image in the unit it picks ('1.5 ns', '7200 sec'),
        or the exact decimal of femtoseconds where that image would round."""
        return self._image(None)

    def __format__(self, spec: str) -> str:
        """A unit and the usual fill, alignment and width: f"{t:ns}",
        f"{t:>12}", f"{t:*^14ps}"."""
        match = _FORMAT_SPEC.match(spec)
        if not match:
            raise ValueError("invalid format for a Time: %r ([[fill]<>^][width][unit])" % spec)
        unit = match.group("unit")
        text = self._image(_unit_name(unit) if unit else None)
        return format(text, "%s%s%s" % (match.group("fill") or "", match.group("align") or "",
                                        match.group("width") or ""))

    def __repr__(self) -> str:
        """Time('1.5 ns'): the exact str(), which parses back to this record."""
        return "Time(%r)" % str(self)

    def __bool__(self) -> bool:
        return self.to_fraction() != 0

    def __hash__(self) -> int:
        return hash(("Time", self.to_fraction()))

    def _time_operation(self, operation: int, other: "Time", symbol: str) -> "Time":
        result = TimeRecord()
        call(_native.exact_time, (operation, ctypes.byref(self._record),
                                  ctypes.byref(other._record), _analog(), ctypes.byref(result)),
             lambda: "%s %s %s" % (self, symbol, other),
             zero_divisor=operation in (_native.REM, _native.MOD) and not other)
        return Time._wrap(result)

    def _sum(self, operation: int, symbol: str, other: Any, reflected: bool = False) -> "Time":
        if isinstance(other, Time):
            left, right = (other, self) if reflected else (self, other)
            return left._time_operation(operation, right, symbol)
        if _is_plain_number(other):
            raise _mixing_error("add" if symbol == "+" else "subtract", other)
        return NotImplemented

    def __add__(self, other: "Time") -> "Time":
        return self._sum(_native.ADD, "+", other)

    def __radd__(self, other: "Time") -> "Time":
        return self._sum(_native.ADD, "+", other, reflected=True)

    def __sub__(self, other: "Time") -> "Time":
        return self._sum(_native.SUBTRACT, "-", other)

    def __rsub__(self, other: "Time") -> "Time":
        return self._sum(_native.SUBTRACT, "-", other, reflected=True)

    def _scaled(self, operation: int, factor: Any) -> "Time":
        if not _is_plain_number(factor):
            return NotImplemented
        exact = _factor(factor)
        result = TimeRecord()
        call(_native.exact_scaled, (ctypes.byref(self._record), operation, rational_text(exact),
                                    _analog(), ctypes.byref(result)),
             lambda: "%s %s %r" % (self, "*" if operation == _native.MULTIPLY else "/", factor),
             zero_divisor=operation == _native.DIVIDE and exact == 0)
        return Time._wrap(result)

    def __mul__(self, factor: Union[Rational, Integer]) -> "Time":
        return self._scaled(_native.MULTIPLY, factor)

    __rmul__ = __mul__

    def __truediv__(self, other: Any) -> Any:
        """A Time over a Time is their exact ratio (a Fraction); over a
        number, the exactly scaled time."""
        if isinstance(other, Time):
            divisor = other.to_fraction()
            if divisor == 0:
                raise ZeroDivisionError("%s / %s: division by zero" % (self, other))
            return self.to_fraction() / divisor
        return self._scaled(_native.DIVIDE, other)

    def __floordiv__(self, other: "Time") -> int:
        """The floor of the ratio, so that a == (a // b) * b + a % b."""
        if not isinstance(other, Time):
            return NotImplemented
        return math.floor(self / other)

    def __mod__(self, other: "Time") -> "Time":
        """The rest, with the divisor's sign (integer mod)."""
        if not isinstance(other, Time):
            return NotImplemented
        return self._time_operation(_native.MOD, other, "mod")

    def __divmod__(self, other: "Time") -> Tuple[int, "Time"]:
        if not isinstance(other, Time):
            return NotImplemented
        return self // other, self % other

    def rem(self, other: "Time") -> "Time":
        """The rest with the dividend's sign (integer rem)."""
        return self._time_operation(_native.REM, other, "rem")

    def __neg__(self) -> "Time":
        return Time()._time_operation(_native.SUBTRACT, self, "-")

    def __pos__(self) -> "Time":
        return Time._wrap(copy_record(self._record))

    def __abs__(self) -> "Time":
        return -self if self < Time() else +self

    def _relation(self, name: str, other: Any) -> Any:
        if isinstance(other, Time):
            return _TIME_RELATIONS[name](ctypes.byref(self._record),
                                         ctypes.byref(other._record)) == 1
        if _is_plain_number(other):
            raise _mixing_error("compare", other)
        return NotImplemented


_TIME_RELATIONS = _native.relations("UniversalTime", "UniversalTime", _native.TIME, _native.TIME)


def _literal_record(literal: str, text: str) -> TimeRecord:
    encoded = literal.encode("utf-8")
    result, column = TimeRecord(), ctypes.c_size_t()
    status = _native.exact_parse(encoded, len(encoded), ctypes.byref(result), ctypes.byref(column))
    if status == OVERFLOW:
        raise OverflowError("time literal %r: beyond the 96-bit range" % text)
    if status != 0:
        # The column counts bytes; the user counts characters.
        position = len(encoded[:max(column.value - 1, 0)].decode("utf-8", "replace")) + 1
        raise ValueError("not a time literal: %r (column %d: %r)"
                         % (text, position, text[position - 1:]))
    return result


def _image_value(image: str) -> Fraction:
    """The exact femtoseconds an image ('1.5 ns', '1e+7 fs') writes."""
    number, unit = image.rsplit(" ", 1)
    return Fraction(number) * _FEMTOSECONDS[unit]


def _decimal_text(value: Fraction) -> str:
    """The finite decimal of a fraction whose denominator is a power of two."""
    digits = 0
    while (value * 10**digits).denominator != 1:
        digits += 1
    scaled = abs(value.numerator * 10**digits // value.denominator)
    text = str(scaled).rjust(digits + 1, "0")
    whole, fraction = text[:len(text) - digits], text[len(text) - digits:]
    return ("-" if value < 0 else "") + whole + ("." + fraction if fraction else "")
