"""Python numbers as exact Fractions, the exact layer's rational text, and
its calls with their status codes as exceptions.

A float is the decimal it was typed as: its shortest round-trip decimal
(repr), so 1.2 is 12/10, not the double's 5404319552844595/4503599627370496.
Fraction(x) is the exact double for whoever wants it.

Sizes are bounded before any large computation: a number beyond 2^+-4000 in
magnitude stands for every number so large (or so small), since each
operation it meets either overflows or rounds it away (times lie within
2^+-1170 fs, frequencies within 2^+-2048 Hz), and nothing is converted to
text past Python's digit limit."""
import ctypes
import math
import numbers
from decimal import Decimal
from fractions import Fraction
from typing import Any, Callable, Union

from ._status import check

Rational = Union[int, Fraction, Decimal, float]
RATIONAL_TYPES = (numbers.Rational, Decimal, float)

# Beyond 2^EXTREME_BITS a magnitude is replaced by 2^EXTREME_BITS, below
# 2^-EXTREME_BITS by 2^-EXTREME_BITS (with its sign): see above.
EXTREME_BITS = 4000
# A Decimal's adjusted exponent past which it is beyond 2^+-EXTREME_BITS
# (10^1205 > 2^4000), checked before its digits become an integer.
_EXTREME_DECIMAL_EXPONENT = 1205
# The longest value text a time writes: a numerator up to 2^(96 + 1074)
# (ticks, and an offset whose double has 1074 fraction bits) with its sign,
# '/', a denominator up to 2^1074, and the terminating zero.
TIME_TEXT_SIZE = len(str(-(2**(96 + 1074)))) + 1 + len(str(2**1074)) + 1
# Short enough to show in a message in full.
_SHOWN_BITS = 256


def exact_number(value: Any, what: str) -> Fraction:
    """The exact value of an int, Fraction, Decimal or float (a float as its
    shortest decimal); ValueError for an infinity or a NaN."""
    if isinstance(value, float):
        if not math.isfinite(value):
            raise ValueError("%s: %r has no exact value" % (what, value))
        return Fraction(repr(value))
    if isinstance(value, Decimal):
        if not value.is_finite():
            raise ValueError("%s: %r has no exact value" % (what, value))
        if value and abs(value.adjusted()) > _EXTREME_DECIMAL_EXPONENT:
            return _extreme(value < 0, value.adjusted() > 0)
        return Fraction(value)
    if isinstance(value, numbers.Rational):
        exact = Fraction(int(value.numerator), int(value.denominator))
        scale = magnitude_bits(exact)
        if exact and abs(scale) > EXTREME_BITS + 1:
            return _extreme(exact < 0, scale > 0)
        return exact
    raise TypeError("%s: %s is no int, Fraction, Decimal or float" % (what, type(value).__name__))


def _extreme(negative: bool, large: bool) -> Fraction:
    magnitude = Fraction(2**EXTREME_BITS) if large else Fraction(1, 2**EXTREME_BITS)
    return -magnitude if negative else magnitude


def magnitude_bits(value: Fraction) -> int:
    """e with 2^(e - 1) < |value| < 2^(e + 1), from the sizes alone."""
    return value.numerator.bit_length() - value.denominator.bit_length()


def shown(value: Fraction) -> str:
    """The value for a message: in full, or its size where the digits would
    be too many to read (or to write)."""
    if max(value.numerator.bit_length(), value.denominator.bit_length()) <= _SHOWN_BITS:
        return str(value)
    bits = magnitude_bits(value)
    if abs(bits) >= EXTREME_BITS:
        return "a magnitude %s 2^%d" % ("of at least" if bits > 0 else "below", bits)
    return "%sabout 2^%d" % ("-" if value < 0 else "", bits)


def rational_text(value: Fraction) -> bytes:
    return ("%d/%d" % (value.numerator, value.denominator)).encode("ascii")


def decimal_text(value: Fraction) -> str:
    """The exact decimal of a value whose denominator has no prime factor but
    2 and 5 ("0.375", "-12"); "p/q" otherwise."""
    denominator = value.denominator
    twos = (denominator & -denominator).bit_length() - 1
    fives = 0
    rest = denominator >> twos
    while rest % 5 == 0:
        rest //= 5
        fives += 1
    if rest != 1:
        return str(value)
    places = max(twos, fives)
    digits = str(abs(value.numerator) * (10**places // denominator)).rjust(places + 1, "0")
    whole, fraction = digits[:len(digits) - places], digits[len(digits) - places:]
    return ("-" if value < 0 else "") + whole + ("." + fraction if fraction else "")


def call(function: Callable[..., int], arguments: Any, describe: Callable[[], str],
         zero_divisor: bool = False) -> None:
    check(function(*arguments), describe, zero_divisor=zero_divisor)


def time_value_text(function: Callable[..., int], *arguments: Any) -> Fraction:
    """A time's exact value, which the exact layer writes as text ("p" or
    "p/q")."""
    buffer = ctypes.create_string_buffer(TIME_TEXT_SIZE)
    check(function(*arguments, buffer, TIME_TEXT_SIZE), lambda: "exact value")
    return Fraction(buffer.value.decode("ascii"))

