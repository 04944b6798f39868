"""Frequency: an exact number of hertz (a Fraction), the other face of a
period: Frequency(250, "MHz"), Frequency("250 MHz"), 1 / Time("4 ns"),
Time("4 ns").frequency; its period is Time.from_frequency(f) or f.period.

Written as the calculator writes a frequency: in the largest of THz, GHz,
MHz and kHz that it reaches and in which it is a finite decimal ("250 MHz",
"156.25 MHz"), else as the exact fraction in the largest unit it reaches
("1000/3 MHz"), Hz below 1 kHz. Its magnitude is at most 2^96 - 1 THz and its
numerator and denominator below 2^2048 (every period's reciprocal fits),
OverflowError beyond; a frequency times a time is its exact count of
cycles, a Fraction."""
import functools
import re
from decimal import Decimal
from fractions import Fraction
from typing import TYPE_CHECKING, Any, Dict, Optional, Union, overload

from ._exact import RATIONAL_TYPES, Rational, decimal_text, exact_number, shown
from ._units import UnitNames

if TYPE_CHECKING:
    from .time_value import Time

FREQUENCY_UNITS = UnitNames("frequency", ("Hz", "kHz", "MHz", "GHz", "THz"), {})
_HERTZ: Dict[str, int] = {name: int(1000**power)
                          for power, name in enumerate(FREQUENCY_UNITS.names)}
_LARGEST = (2**96 - 1) * _HERTZ["THz"]
_MOST_BITS = 2048
# A number and a unit; the text is bounded so that no text can make Python
# build a huge integer, yet holds every frequency's own text (a fraction of
# two numbers below 2^2048, or a decimal with at most 2048 places).
_TEXT = re.compile(r"\s*(?P<number>[-+]?[0-9][0-9_.]*(?:[eE][-+]?[0-9]+|/[0-9]+)?)\s*"
                   r"(?P<unit>[A-Za-z]+)\s*\Z")
_MOST_TEXT = 3000
HertzLike = Union[int, Fraction, Decimal, float]


def frequency_hertz(value: Any) -> Fraction:
    """The hertz of a Frequency, or of a number taken as hertz."""
    if isinstance(value, Frequency):
        return value.to_fraction()
    return exact_number(value, "frequency in Hz")


def _is_number(value: Any) -> bool:
    return isinstance(value, RATIONAL_TYPES)


@functools.total_ordering
class Frequency:
    """Frequency(250, "MHz"), Frequency(250e6) (hertz), Frequency("250 MHz").
    Units Hz kHz MHz GHz THz, in any case; floats are their shortest
    decimal, as everywhere in the package."""

    __slots__ = ("_hertz",)
    _hertz: Fraction

    def __init__(self, value: Union["Frequency", str, Rational] = 0,
                 unit: Optional[str] = None) -> None:
        if isinstance(value, Frequency) and unit is None:
            self._hertz = value._hertz
        elif isinstance(value, str) and unit is None:
            self._hertz = Frequency._parsed(value)._hertz
        elif _is_number(value):
            per = _HERTZ[FREQUENCY_UNITS.canonical(unit or "Hz")]
            self._hertz = Frequency.from_fraction(exact_number(value, "Frequency()") * per)._hertz
        else:
            raise TypeError("Frequency() takes a str ('250 MHz'), a Frequency, or an int, "
                            "Fraction, Decimal or float with a unit, not %s"
                            % type(value).__name__)

    @classmethod
    def from_fraction(cls, hertz: Rational) -> "Frequency":
        """An exact number of hertz; OverflowError beyond the range."""
        value = exact_number(hertz, "Frequency.from_fraction")
        if abs(value) > _LARGEST or max(value.numerator.bit_length(),
                                        value.denominator.bit_length()) > _MOST_BITS:
            raise OverflowError("%s Hz: beyond the frequency range (2^96 - 1 THz, numerator "
                                "and denominator below 2^%d)" % (shown(value), _MOST_BITS))
        result = cls.__new__(cls)
        result._hertz = value
        return result

    @classmethod
    def _parsed(cls, text: str) -> "Frequency":
        match = _TEXT.match(text) if len(text) <= _MOST_TEXT else None
        if not match or match.group("unit") not in FREQUENCY_UNITS:
            raise ValueError("not a frequency: %r (a number and a unit: '250 MHz', "
                             "'156.25e6 Hz', '1000/3 kHz')" % text[:_MOST_TEXT])
        number = match.group("number").replace("_", "")
        value: Union[Fraction, Decimal] = Fraction(number) if "/" in number else Decimal(number)
        return cls(value, match.group("unit"))

    def to_fraction(self) -> Fraction:
        """The exact number of hertz."""
        return self._hertz

    def to(self, unit: str) -> Fraction:
        """The exact value in a unit: Frequency(250, "MHz").to("kHz") == 250000."""
        return self._hertz / _HERTZ[FREQUENCY_UNITS.canonical(unit)]

    @property
    def period(self) -> "Time":
        from .time_value import Time
        return Time.from_frequency(self)

    def __float__(self) -> float:
        """Hertz, the nearest double."""
        return float(self._hertz)

    def _image(self, unit: Optional[str]) -> str:
        if unit is not None:
            name = FREQUENCY_UNITS.canonical(unit)
            return "%s %s" % (decimal_text(self._hertz / _HERTZ[name]), name)
        reached = [name for name in FREQUENCY_UNITS.names[1:] if abs(self._hertz) >= _HERTZ[name]]
        for name in reversed(reached):
            text = decimal_text(self._hertz / _HERTZ[name])
            if "/" not in text:
                return "%s %s" % (text, name)
        return self._image(reached[-1] if reached else "Hz")

    def __str__(self) -> str:
        return self._image(None)

    def __repr__(self) -> str:
        return "Frequency(%r)" % str(self)

    def __format__(self, spec: str) -> str:
        """A unit (any case) and the usual fill, alignment and width:
        f"{f:MHz}", f"{f:>12}"."""
        return FREQUENCY_UNITS.formatted(spec, self._image, "Frequency")

    def __bool__(self) -> bool:
        return self._hertz != 0

    def __hash__(self) -> int:
        return hash(("Frequency", self._hertz))

    def __eq__(self, other: object) -> bool:
        if not isinstance(other, Frequency):
            return NotImplemented
        return self._hertz == other._hertz

    def __lt__(self, other: "Frequency") -> bool:
        if not isinstance(other, Frequency):
            return NotImplemented
        return self._hertz < other._hertz

    def __add__(self, other: "Frequency") -> "Frequency":
        if not isinstance(other, Frequency):
            return NotImplemented
        return Frequency.from_fraction(self._hertz + other._hertz)

    def __sub__(self, other: "Frequency") -> "Frequency":
        if not isinstance(other, Frequency):
            return NotImplemented
        return Frequency.from_fraction(self._hertz - other._hertz)

    def __neg__(self) -> "Frequency":
        return Frequency.from_fraction(-self._hertz)

    def __pos__(self) -> "Frequency":
        return self

    def __abs__(self) -> "Frequency":
        return Frequency.from_fraction(abs(self._hertz))

    def __mul__(self, factor: HertzLike) -> "Frequency":
        if not _is_number(factor):
            return NotImplemented
        return Frequency.from_fraction(self._hertz * exact_number(factor, "frequency factor"))

    __rmul__ = __mul__

    @overload
    def __truediv__(self, other: "Frequency") -> Fraction: ...

    @overload
    def __truediv__(self, other: HertzLike) -> "Frequency": ...

    def __truediv__(self, other: Union["Frequency", HertzLike]) -> Union["Frequency", Fraction]:
        """Over a frequency, the exact ratio; over a number, the scaled
        frequency."""
        divisor = other._hertz if isinstance(other, Frequency) else \
            exact_number(other, "frequency divisor") if _is_number(other) else None
        if divisor is None:
            return NotImplemented
        if not divisor:
            raise ZeroDivisionError("%s / %s: division by zero" % (self, other))
        quotient = self._hertz / divisor
        return quotient if isinstance(other, Frequency) else Frequency.from_fraction(quotient)

    def __rtruediv__(self, other: HertzLike) -> "Time":
        """A number of cycles over a frequency is a time: 1 / f is its
        period."""
        from .time_value import Time
        if not _is_number(other):
            return NotImplemented
        if not self._hertz:
            raise ZeroDivisionError("%r / %s: division by zero" % (other, self))
        return Time.from_fraction(exact_number(other, "cycles") / self._hertz, "sec")
