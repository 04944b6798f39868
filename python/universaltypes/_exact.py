"""Python numbers as the exact layer's rational text, and its calls with
their status codes as exceptions. The rounding of a result to a record and
the overflow rule are the exact layer's, never redone here."""
import ctypes
import math
import numbers
from decimal import Decimal
from fractions import Fraction
from typing import Callable, Union

from . import _native
from ._status import check

Rational = Union[int, Fraction, Decimal, float]
RATIONAL_TYPES = (numbers.Rational, Decimal, float)
_TEXT_SIZE = 512


def exact_fraction(value: Rational, what: str) -> Fraction:
    """The exact value of an int, Fraction, Decimal or float (a float is the
    exact double it is); ValueError for an infinity or a NaN."""
    if isinstance(value, (float, Decimal)) and not math.isfinite(value):
        raise ValueError("%s: %r has no exact value" % (what, value))
    return Fraction(value)


def rational_text(value: Fraction) -> bytes:
    return ("%d/%d" % (value.numerator, value.denominator)).encode("ascii")


def call(function: Callable[..., int], arguments, describe: Callable[[], str],
         zero_divisor: bool = False) -> None:
    check(function(*arguments), describe, zero_divisor=zero_divisor)


def fraction_text(function: Callable[..., int], *arguments) -> Fraction:
    """A rational the exact layer writes as text ("p" or "p/q")."""
    buffer = ctypes.create_string_buffer(_TEXT_SIZE)
    check(function(*arguments, buffer, _TEXT_SIZE), lambda: "exact value")
    return Fraction(buffer.value.decode("ascii"))
