"""Time: the library's UniversalTime, whole femtosecond ticks (an Integer)
plus an offset in [0, 1) fs, with exact arithmetic.

Every operation is exact or raises: sums, differences, scaling by an int,
Fraction, Decimal or float, quotients and remainders are computed on exact
values and rounded to a record by one rule, the exact layer's (analog set:
floor plus the rest correctly rounded into the offset; analog clear:
truncated, offset 0), with OverflowError beyond 2^96 - 1 fs. A float is the
decimal it was typed as (its repr: Time(1.2, "ns") is exactly 1.2 ns);
Time.from_fraction(Fraction(x), unit) takes a float's exact double instead.
A time and a plain number do not add or compare: Time(x, "sec") says what
the number means.

Whether offsets count (in ==, <, hash, bool and the exact value) follows the
library's analog flag (universaltypes.set_analog). Equal times hash equal
under the flag in force, so the flag must not change while times are keys
of a dict or members of a set."""
import ctypes
import math
from fractions import Fraction
from typing import Any, Callable, Dict, Literal, NoReturn, Optional, Tuple, Union, overload

from . import _native
from ._exact import (RATIONAL_TYPES, Rational, call, decimal_text, exact_number, magnitude_bits,
                     rational_text, shown, time_value_text)
from ._record_value import RecordValue
from ._records import TimeRecord, copy_record, record_int
from ._status import OVERFLOW, check
from ._units import UnitNames
from .frequency import Frequency, HertzLike, frequency_hertz
from .integer import Integer
from .real import Real

# Read from the library's unit table, in TimeUnit's order.
UNITS: Tuple[str, ...] = tuple(_native.unit_name(unit).decode("ascii")
                               for unit in range(_native.unit_count()))
TIME_UNITS = UnitNames("time", UNITS, {"s": "sec"})
_FEMTOSECONDS = {name: int(_native.unit_femtoseconds(unit)) for unit, name in enumerate(UNITS)}
_FEMTOSECONDS_PER_SECOND = _FEMTOSECONDS["sec"]
_AUTOMATIC_UNIT = -1
RoundMode = Literal["error", "round", "ceil", "floor"]
_ROUNDINGS: Dict[str, Callable[[Fraction], int]] = {"round": round, "ceil": math.ceil,
                                                    "floor": math.floor}
# A power-of-ten precision (10^p seconds) that is a whole number of
# femtoseconds and within the tick range.
_PRECISIONS = range(-15, 14)
# The rest below a femtosecond becomes a double, whose finest step is
# 2^-1074. A value cut to multiples of 2^-1080, plus 2^-1081 where anything
# was cut, lies strictly between the same two multiples of 2^-1080 as the
# value itself, and every boundary the rounding knows (a multiple of
# 2^-1075) is such a multiple: floor, truncation and the rounded rest all
# come out as for the full value.
_KEPT_FRACTION_BITS = 1080
Scalar = Union[Rational, Real]
Resolution = Union["Time", str, int]


def _analog() -> int:
    return int(_native.get_analog_exists())


def _femtoseconds_per(unit: str) -> int:
    return _FEMTOSECONDS[TIME_UNITS.canonical(unit)]


def _scalar(value: Any, what: str) -> Fraction:
    return exact_number(float(value) if isinstance(value, Real) else value, what)


def _is_scalar(value: Any) -> bool:
    return isinstance(value, (Real,) + RATIONAL_TYPES) and not isinstance(value, Time)


def _mixing_error(operation: str, other: Any) -> TypeError:
    return TypeError("cannot %s a Time and a plain %s: say what the number means, "
                     "e.g. Time(x, 'sec') or Time(x, 'fs')" % (operation, type(other).__name__))


def _with_kept_precision(femtoseconds: Fraction) -> Fraction:
    if femtoseconds.denominator.bit_length() <= _KEPT_FRACTION_BITS:
        return femtoseconds
    kept, cut = divmod(femtoseconds.numerator << _KEPT_FRACTION_BITS, femtoseconds.denominator)
    return Fraction(2 * kept + (1 if cut else 0), 2**(_KEPT_FRACTION_BITS + 1))


def _rounded(femtoseconds: Fraction) -> "Time":
    """The record of an exact number of femtoseconds, by the exact layer's
    rule."""
    if magnitude_bits(femtoseconds) > 97:  # at least 2^97 fs
        raise OverflowError("%s fs: beyond the 96-bit range" % shown(femtoseconds))
    value = _with_kept_precision(femtoseconds)
    result = TimeRecord()
    call(_native.exact_from_femtoseconds, (rational_text(value), _analog(), ctypes.byref(result)),
         lambda: "%s fs" % shown(femtoseconds))
    return Time._wrap(result)


def _rounding_refused(name: str) -> NoReturn:
    mode = {"math.floor": "floor", "math.ceil": "ceil"}.get(name, "round")
    raise TypeError("%s() of a Time has no unit to count in: use t.steps(resolution, "
                    "round_mode=...), e.g. t.steps('ps', round_mode='%s')" % (name, mode))


class Time(RecordValue):
    """Time(1.5, "ns"), Time("1.5 ns"), Time(Fraction(3, 2), "ns"),
    Time(Decimal("1.5"), "ns"), Time(n) (n femtoseconds), Time(other_time).
    Units in any case: fs ps ns us ms sec (or s) min hr."""

    __slots__ = ("_record",)
    _record: TimeRecord

    def __init__(self, value: Union["Time", str, Scalar] = 0,
                 unit: Optional[str] = None) -> None:
        if isinstance(value, str) and unit is None:
            self._record = Time.parse(value)._record
        elif isinstance(value, Time) and unit is None:
            self._record = copy_record(value._record)
        elif _is_scalar(value):
            self._record = Time.from_fraction(_scalar(value, "Time()"), unit or "fs")._record
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
        if body[:1] not in ("-", "+"):
            return cls._wrap(_literal_record(text, text))
        # A leading sign (repr() writes a negative time so): the extent and
        # its columns are checked without it, the value is the library
        # parser's of the signed text (negating a rounded magnitude would
        # round twice).
        _literal_record(text.replace(body[0], " ", 1), text)
        if "#" in body:
            raise ValueError("time literal %r: a based literal takes no sign; negate the time "
                             "instead: -Time(%r)" % (text, body[1:].strip()))
        result = TimeRecord()
        check(_native.parse_time(text.encode("utf-8"), ctypes.byref(result)),
              lambda: "time literal %r" % text)
        return cls._wrap(result)

    @classmethod
    def from_fraction(cls, value: Rational, unit: str = "fs") -> "Time":
        """An exact number of units (femtoseconds by default) rounded to a
        record by the exact layer's rule. Time.from_fraction(Fraction(x),
        "ns") takes a float x as the exact double it is, where Time(x, "ns")
        takes its shortest decimal."""
        return _rounded(exact_number(value, "Time.from_fraction") * _femtoseconds_per(unit))

    @classmethod
    def from_frequency(cls, frequency: Union[Frequency, HertzLike]) -> "Time":
        """The period of a frequency (a Frequency, or a number of hertz):
        Time.from_frequency(250e6) is 4 ns."""
        hertz = frequency_hertz(frequency)
        if not hertz:
            raise ZeroDivisionError("a frequency of 0 Hz has no period")
        return _rounded(_FEMTOSECONDS_PER_SECOND / hertz)

    @property
    def ticks(self) -> Integer:
        return Integer._wrap(copy_record(self._record.ticks))

    @property
    def offset(self) -> float:
        return float(self._record.offset)

    @property
    def frequency(self) -> Frequency:
        """The frequency whose period this time is, exactly (1 / t)."""
        return 1 / self

    def to_fraction(self) -> Fraction:
        """The exact value in femtoseconds under the analog flag in force
        (the ticks alone while it is clear)."""
        return time_value_text(_native.exact_to_femtoseconds, ctypes.byref(self._record),
                               _analog())

    def to(self, unit: str) -> Fraction:
        """The exact value in a unit: Time(1.5, "ns").to("ps") == 1500."""
        return self.to_fraction() / _femtoseconds_per(unit)

    def __float__(self) -> float:
        """Seconds, the nearest double."""
        return float(self.to("sec"))

    def steps(self, resolution: Resolution, round_mode: RoundMode = "error") -> int:
        """The number of resolutions in this time. A resolution is a unit
        ("ps", any case), a literal ("10 ps"), a Time, or an int p for a
        precision of 10^p seconds as simulators state it (-12 is 1 ps).
        round_mode "error" raises ValueError for an inexact count, "round"
        takes the nearest (ties to even), "ceil" and "floor" round up and
        down."""
        step = _resolution(resolution)
        if step <= Time():
            raise ValueError("a resolution is a positive time, not %s" % step)
        count = self / step
        if round_mode == "error":
            if count.denominator != 1:
                raise ValueError("cannot represent %s exactly at a resolution of %s (%s steps); "
                                 "pass round_mode='round', 'ceil' or 'floor'"
                                 % (self, step, shown(count)))
            return count.numerator
        if round_mode not in _ROUNDINGS:
            raise ValueError("round_mode is one of 'error', 'round', 'ceil', 'floor', not %r"
                             % (round_mode,))
        return _ROUNDINGS[round_mode](count)

    def _image(self, unit: Optional[str]) -> str:
        """The library's image in the unit (or the one it picks) where that
        is the exact value of the record, else the exact decimal."""
        status = ctypes.c_int()
        text = _native.time_image(ctypes.byref(self._record),
                                  UNITS.index(unit) if unit else _AUTOMATIC_UNIT,
                                  ctypes.byref(status))
        check(status.value, lambda: "time image")
        image = str(text.decode("ascii"))
        exact = record_int(self._record.ticks) + Fraction(self._record.offset)
        if _image_value(image) == exact:
            return image
        # The image rounds an offset to a few digits; the decimal is exact
        # because the offset is a double, whose denominator is a power of 2.
        unit = unit or "fs"
        return "%s %s" % (decimal_text(exact / _FEMTOSECONDS[unit]), unit)

    def __str__(self) -> str:
        """The library's image in the unit it picks ('1.5 ns', '7200 sec'),
        or the exact decimal of femtoseconds where that image would round."""
        return self._image(None)

    def __format__(self, spec: str) -> str:
        """A unit (any case) and the usual fill, alignment and width:
        f"{t:ns}", f"{t:>12}", f"{t:*^14ps}"."""
        return TIME_UNITS.formatted(spec, self._image, "Time")

    def __repr__(self) -> str:
        """Time('1.5 ns'): the exact str(), which parses back to this record."""
        return "Time(%r)" % str(self)

    def __bool__(self) -> bool:
        return self.to_fraction() != 0

    def __hash__(self) -> int:
        return hash(("Time", self.to_fraction()))

    def __round__(self, digits: Optional[int] = None) -> NoReturn:
        _rounding_refused("round")

    def __floor__(self) -> NoReturn:
        _rounding_refused("math.floor")

    def __ceil__(self) -> NoReturn:
        _rounding_refused("math.ceil")

    def __trunc__(self) -> NoReturn:
        _rounding_refused("math.trunc")

    def __int__(self) -> NoReturn:
        _rounding_refused("int")

    def _time_operation(self, operation: int, other: "Time", symbol: str) -> "Time":
        result = TimeRecord()
        call(_native.exact_time, (operation, ctypes.byref(self._record),
                                  ctypes.byref(other._record), _analog(), ctypes.byref(result)),
             lambda: "%s %s %s" % (self, symbol, other),
             zero_divisor=operation in (_native.REM, _native.MOD) and not other)
        return Time._wrap(result)

    def _sum(self, operation: int, symbol: str, other: Any, reflected: bool = False) -> Any:
        if isinstance(other, Time):
            left, right = (other, self) if reflected else (self, other)
            return left._time_operation(operation, right, symbol)
        if reflected and symbol == "+" and type(other) is int and other == 0:
            return +self  # 0 + t, so that sum() needs no start
        if _is_scalar(other):
            raise _mixing_error("add" if symbol == "+" else "subtract", other)
        return NotImplemented

    def __add__(self, other: "Time") -> "Time":
        return self._sum(_native.ADD, "+", other)  # type: ignore[no-any-return]

    def __radd__(self, other: Union["Time", Literal[0]]) -> "Time":
        return self._sum(_native.ADD, "+", other, reflected=True)  # type: ignore[no-any-return]

    def __sub__(self, other: "Time") -> "Time":
        return self._sum(_native.SUBTRACT, "-", other)  # type: ignore[no-any-return]

    def __rsub__(self, other: "Time") -> "Time":
        return self._sum(_native.SUBTRACT, "-", other,  # type: ignore[no-any-return]
                         reflected=True)

    def _scaled(self, factor: Fraction) -> "Time":
        return _rounded(self.to_fraction() * factor)

    def _divisor(self, divisor: Any, symbol: str) -> Fraction:
        value = _scalar(divisor, "time %s divisor" % symbol)
        if not value:
            raise ZeroDivisionError("%s %s %r: division by zero" % (self, symbol, divisor))
        return value

    @overload
    def __mul__(self, factor: Frequency) -> Fraction: ...

    @overload
    def __mul__(self, factor: Scalar) -> "Time": ...

    def __mul__(self, factor: Union[Scalar, Frequency]) -> Union["Time", Fraction]:
        """A time scaled by a number; a time times a frequency is the exact
        count of its cycles."""
        if isinstance(factor, Frequency):
            return self.to("sec") * factor.to_fraction()
        if not _is_scalar(factor):
            return NotImplemented
        return self._scaled(_scalar(factor, "time scale factor"))

    __rmul__ = __mul__

    @overload
    def __truediv__(self, other: "Time") -> Fraction: ...

    @overload
    def __truediv__(self, other: Scalar) -> "Time": ...

    def __truediv__(self, other: Union["Time", Scalar]) -> Union["Time", Fraction]:
        """A Time over a Time is their exact ratio (a Fraction); over a
        number, the exactly scaled time."""
        if isinstance(other, Time):
            divisor = other.to_fraction()
            if divisor == 0:
                raise ZeroDivisionError("%s / %s: division by zero" % (self, other))
            return self.to_fraction() / divisor
        if not _is_scalar(other):
            return NotImplemented
        return self._scaled(1 / self._divisor(other, "/"))

    def __rtruediv__(self, other: Scalar) -> Frequency:
        """A number over a time is a frequency: 1 / Time("4 ns") is 250 MHz."""
        if not _is_scalar(other):
            return NotImplemented
        seconds = self.to("sec")
        if not seconds:
            raise ZeroDivisionError("%r / %s: division by zero" % (other, self))
        return Frequency.from_fraction(_scalar(other, "numerator of a frequency") / seconds)

    @overload
    def __floordiv__(self, other: "Time") -> int: ...

    @overload
    def __floordiv__(self, other: Scalar) -> "Time": ...

    def __floordiv__(self, other: Union["Time", Scalar]) -> Union[int, "Time"]:
        """Over a Time, the floor of the ratio. Over a number n, the whole
        femtoseconds floor(t / n), so that t == (t // n) * n + t % n."""
        if isinstance(other, Time):
            return math.floor(self / other)
        if not _is_scalar(other):
            return NotImplemented
        return _rounded(Fraction(math.floor(self.to_fraction() / self._divisor(other, "//"))))

    def __mod__(self, other: Union["Time", Scalar]) -> "Time":
        """The rest, with the divisor's sign (integer mod). By a number n,
        t - (t // n) * n: the divisor's sign and below |n| femtoseconds."""
        if isinstance(other, Time):
            return self._time_operation(_native.MOD, other, "mod")
        if not _is_scalar(other):
            return NotImplemented
        divisor = self._divisor(other, "%")
        value = self.to_fraction()
        return _rounded(value - divisor * math.floor(value / divisor))

    @overload
    def __divmod__(self, other: "Time") -> Tuple[int, "Time"]: ...

    @overload
    def __divmod__(self, other: Scalar) -> Tuple["Time", "Time"]: ...

    def __divmod__(self, other: Union["Time", Scalar]) -> Tuple[Union[int, "Time"], "Time"]:
        if not isinstance(other, Time) and not _is_scalar(other):
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
        if _is_scalar(other):
            raise _mixing_error("compare", other)
        return NotImplemented


_TIME_RELATIONS = _native.relations("UniversalTime", "UniversalTime", _native.TIME, _native.TIME)


def _resolution(resolution: Any) -> Time:
    if isinstance(resolution, Time):
        return resolution
    if isinstance(resolution, int) and not isinstance(resolution, bool):
        if resolution not in _PRECISIONS:
            raise ValueError("a precision of 10^%s sec is no whole number of femtoseconds within "
                             "the tick range (%d to %d)"
                             % (resolution if abs(resolution) < 10**6 else "<huge>",
                                _PRECISIONS[0], _PRECISIONS[-1]))
        return Time.from_fraction(Fraction(10)**int(resolution), "sec")
    if isinstance(resolution, str):
        if resolution.strip().lower() == "step":
            raise ValueError("'step' is a simulator's own precision, which only the simulator "
                             "knows: pass that precision as a power of ten (-12 for 1 ps), a unit "
                             "('ps') or a literal ('10 ps')")
        if resolution in TIME_UNITS:
            return Time(1, resolution)
        return Time.parse(resolution)
    raise TypeError("a resolution is a unit ('ps'), a literal ('10 ps'), a Time or an int "
                    "precision (-12 for 10^-12 sec), not %s" % type(resolution).__name__)


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
