"""Integer: the library's 96-bit sign-magnitude UniversalInteger, an exact
numbers.Integral.

+, -, * and % (mod, the divisor's sign) go through the exact layer; rem()
takes the dividend's sign; / is the exact Fraction, // the floor. Every
result beyond 2^96 - 1 in magnitude raises OverflowError, including **,
shifts and bit operations, whose sizes are checked before they are worked
out on Python ints. An operand beyond the range is no error by itself:
comparisons, and results that fit (Integer(7) % 2**200), are exact."""
import ctypes
import numbers
import operator
from fractions import Fraction
from typing import Any, Callable, Dict, Literal, Optional, Tuple, Union

from . import _native
from ._record_value import RecordValue
from ._records import (MAX_MAGNITUDE, IntegerRecord, copy_record, integer_record, record_int,
                       shown_int)
from ._status import check

IntegerLike = Union[int, "Integer"]
_SYMBOLS = {_native.ADD: "+", _native.SUBTRACT: "-", _native.MULTIPLY: "*", _native.REM: "rem",
            _native.MOD: "mod"}
_RELATIONS = _native.relations("UniversalInteger", "UniversalInteger", _native.INTEGER,
                               _native.INTEGER)
_INT_RELATIONS: Dict[str, Callable[[int, int], bool]] = {
    "Equals": operator.eq, "NotEqual": operator.ne, "LessThan": operator.lt,
    "LessEqual": operator.le, "GreaterThan": operator.gt, "GreaterEqual": operator.ge}
# Beyond these many decimal places every Integer rounds to 0 (2^96 < 10^29).
_ROUNDED_AWAY_PLACES = -30
_RANGE_BITS = 96


def _is_integer(value: Any) -> bool:
    return isinstance(value, (Integer, numbers.Integral))


def _fits(value: int) -> bool:
    return -MAX_MAGNITUDE <= value <= MAX_MAGNITUDE


def _remainder(dividend: int, divisor: int) -> int:
    """The rest with the dividend's sign."""
    rest = abs(dividend) % abs(divisor)
    return -rest if dividend < 0 else rest


_GROWING = (_native.ADD, _native.SUBTRACT, _native.MULTIPLY)
_INT_OPERATIONS: Dict[int, Callable[[int, int], int]] = {
    _native.ADD: operator.add, _native.SUBTRACT: operator.sub, _native.MULTIPLY: operator.mul,
    _native.REM: _remainder, _native.MOD: operator.mod}


def _floor_quotient(dividend: int, divisor: int) -> "Integer":
    # |dividend / divisor| > 2^(difference of bit lengths - 1).
    if divisor and dividend.bit_length() - divisor.bit_length() > _RANGE_BITS + 1:
        raise OverflowError("%s // %s: beyond the 96-bit range"
                            % (shown_int(dividend), shown_int(divisor)))
    return Integer(dividend // divisor)


def _power(base: int, exponent: int) -> "Integer":
    if exponent < 0:
        raise ValueError("Integer ** a negative exponent: the result is no integer")
    # |base| >= 2 gives |base| ** exponent >= 2 ** ((bits - 1) * exponent).
    if abs(base) > 1 and exponent and (abs(base).bit_length() - 1) * exponent >= _RANGE_BITS:
        raise OverflowError("Integer ** %s: beyond the 96-bit range"
                            % (exponent if exponent < 2**_RANGE_BITS else "a huge exponent"))
    return Integer(base ** exponent)


def _left_shift(value: int, shift: int) -> "Integer":
    if shift < 0:
        raise ValueError("negative shift count")
    if value and value.bit_length() + shift > _RANGE_BITS:
        raise OverflowError("Integer << %s: beyond the 96-bit range"
                            % (shift if shift < 2**_RANGE_BITS else "a huge count"))
    return Integer(value << shift)


class Integer(RecordValue, int):
    """Integer(n) for an int, an Integer or a whole Fraction.

    Also an int of the same value, so that what takes only ints (Decimal(),
    struct, range()) takes an Integer; every operator is the Integer's."""

    _record: IntegerRecord

    def __new__(cls, value: Union[IntegerLike, Fraction] = 0) -> "Integer":
        if isinstance(value, Integer):
            record = copy_record(value._record)
        elif isinstance(value, numbers.Integral):
            record = integer_record(int(value))
        elif isinstance(value, Fraction) and value.denominator == 1:
            record = integer_record(value.numerator)
        else:
            raise TypeError("Integer() takes an int, an Integer or a whole Fraction, not %s%s"
                            % (type(value).__name__,
                               " with a fraction" if isinstance(value, Fraction) else ""))
        return cls._wrap(record)

    @classmethod
    def _wrap(cls, record: Any) -> "Integer":
        value = int.__new__(cls, record_int(record))
        value._record = record
        return value

    def __getnewargs__(self) -> Tuple[int]:
        return (int(self),)

    @property
    def sign(self) -> int:
        """+1 or -1, as the record holds it (-1 for a negative zero)."""
        return int(self._record.sign)

    def __int__(self) -> int:
        return record_int(self._record)

    __index__ = __int__
    __trunc__ = __int__
    __floor__ = __int__
    __ceil__ = __int__

    def __round__(self, digits: Optional[int] = None) -> "Integer":  # type: ignore[override]
        if digits is None:
            return self
        if digits < _ROUNDED_AWAY_PLACES:
            return Integer(0)
        return Integer(round(int(self), digits))

    def __float__(self) -> float:
        return float(int(self))

    @property
    def numerator(self) -> "Integer":
        return +self

    @property
    def denominator(self) -> Literal[1]:
        return 1

    @property
    def real(self) -> "Integer":
        return +self

    @property
    def imag(self) -> Literal[0]:
        return 0

    def conjugate(self) -> "Integer":
        return +self

    def to_fraction(self) -> Fraction:
        return Fraction(int(self))

    def __bool__(self) -> bool:
        return bool(self._record.count != 0)

    def __hash__(self) -> int:
        return hash(int(self))

    def __str__(self) -> str:
        return "-0" if self.sign < 0 and not self else str(int(self))

    def __repr__(self) -> str:
        return "Integer(%s)" % self

    def __format__(self, spec: str) -> str:
        """As int's: format(Integer(255), "x"), f"{Integer(n):,}"."""
        return format(int(self), spec)

    def _exact(self, operation: int, other: Any, reflected: bool = False) -> Any:
        if not _is_integer(other):
            return NotImplemented
        if not _fits(int(other)):
            # An operand beyond the record: a sum or product with it is
            # beyond the range too (from the sizes alone, before any work on
            # it) unless the product is 0; a rest may fit.
            left, right = (int(other), int(self)) if reflected else (int(self), int(other))
            if operation in _GROWING and int(other).bit_length() > _RANGE_BITS + 2 and self:
                raise OverflowError("%s %s %s: beyond the 96-bit range"
                                    % (shown_int(left), _SYMBOLS[operation], shown_int(right)))
            if not right and operation in (_native.REM, _native.MOD):
                raise ZeroDivisionError("%s by zero" % _SYMBOLS[operation])
            return Integer(_INT_OPERATIONS[operation](left, right))
        left_value, right_value = (Integer(other), self) if reflected else (self, Integer(other))
        result = IntegerRecord()
        status = _native.exact_integer(operation, ctypes.byref(left_value._record),
                                       ctypes.byref(right_value._record), ctypes.byref(result))
        check(status, lambda: "%s %s %s" % (left_value, _SYMBOLS[operation], right_value),
              zero_divisor=not right_value)
        return Integer._wrap(result)

    def __add__(self, other: IntegerLike) -> "Integer":
        return self._exact(_native.ADD, other)  # type: ignore[no-any-return]

    def __radd__(self, other: IntegerLike) -> "Integer":
        return self._exact(_native.ADD, other, reflected=True)  # type: ignore[no-any-return]

    def __sub__(self, other: IntegerLike) -> "Integer":
        return self._exact(_native.SUBTRACT, other)  # type: ignore[no-any-return]

    def __rsub__(self, other: IntegerLike) -> "Integer":
        return self._exact(_native.SUBTRACT, other,  # type: ignore[no-any-return]
                           reflected=True)

    def __mul__(self, other: IntegerLike) -> "Integer":
        return self._exact(_native.MULTIPLY, other)  # type: ignore[no-any-return]

    def __rmul__(self, other: IntegerLike) -> "Integer":
        return self._exact(_native.MULTIPLY, other, reflected=True)  # type: ignore[no-any-return]

    def __mod__(self, other: IntegerLike) -> "Integer":
        return self._exact(_native.MOD, other)  # type: ignore[no-any-return]

    def __rmod__(self, other: IntegerLike) -> "Integer":
        return self._exact(_native.MOD, other, reflected=True)  # type: ignore[no-any-return]

    def rem(self, other: IntegerLike) -> "Integer":
        """The rest with the dividend's sign."""
        return self._exact(_native.REM, other)  # type: ignore[no-any-return]

    def mod(self, other: IntegerLike) -> "Integer":
        """The rest with the divisor's sign (also %)."""
        return self._exact(_native.MOD, other)  # type: ignore[no-any-return]

    def _through_int(self, function: Callable[..., int], *others: Any,
                     reflected: bool = False) -> Any:
        if not all(_is_integer(other) for other in others):
            return NotImplemented
        values = [int(other) for other in others]
        arguments = values + [int(self)] if reflected else [int(self)] + values
        return Integer(function(*arguments))

    def __floordiv__(self, other: IntegerLike) -> "Integer":
        if not _is_integer(other):
            return NotImplemented
        return _floor_quotient(int(self), int(other))

    def __rfloordiv__(self, other: IntegerLike) -> "Integer":
        if not _is_integer(other):
            return NotImplemented
        return _floor_quotient(int(other), int(self))

    def __and__(self, other: IntegerLike) -> "Integer":
        return self._through_int(operator.and_, other)  # type: ignore[no-any-return]

    __rand__ = __and__

    def __or__(self, other: IntegerLike) -> "Integer":
        return self._through_int(operator.or_, other)  # type: ignore[no-any-return]

    __ror__ = __or__

    def __xor__(self, other: IntegerLike) -> "Integer":
        return self._through_int(operator.xor, other)  # type: ignore[no-any-return]

    __rxor__ = __xor__

    def __lshift__(self, other: IntegerLike) -> "Integer":
        if not _is_integer(other):
            return NotImplemented
        return _left_shift(int(self), int(other))

    def __rlshift__(self, other: IntegerLike) -> "Integer":
        if not _is_integer(other):
            return NotImplemented
        return _left_shift(int(other), int(self))

    def __rshift__(self, other: IntegerLike) -> "Integer":
        return self._through_int(operator.rshift, other)  # type: ignore[no-any-return]

    def __rrshift__(self, other: IntegerLike) -> "Integer":
        return self._through_int(operator.rshift,  # type: ignore[no-any-return]
                                 other, reflected=True)

    def __truediv__(self, other: IntegerLike) -> Fraction:  # type: ignore[override]
        if not _is_integer(other):
            return NotImplemented
        return Fraction(int(self)) / int(other)

    def __rtruediv__(self, other: IntegerLike) -> Fraction:  # type: ignore[override, misc]
        if not _is_integer(other):
            return NotImplemented
        return Fraction(int(other)) / int(self)

    def __divmod__(self, other: IntegerLike) -> Tuple["Integer", "Integer"]:
        if not _is_integer(other):
            return NotImplemented
        return self // other, self % other

    def __rdivmod__(self, other: IntegerLike) -> Tuple["Integer", "Integer"]:
        if not _is_integer(other):
            return NotImplemented
        return Integer(int(other)).__divmod__(self) if _fits(int(other)) else \
            (other // self, other % self)

    def __pow__(self, exponent: IntegerLike,  # type: ignore[override]
                modulus: Optional[IntegerLike] = None) -> "Integer":
        if not _is_integer(exponent):
            return NotImplemented
        if modulus is None:
            return _power(int(self), int(exponent))
        if int(exponent) < 0:
            raise ValueError("Integer ** a negative exponent: the result is no integer")
        return self._through_int(pow, exponent, modulus)  # type: ignore[no-any-return]

    def __rpow__(self, base: IntegerLike) -> "Integer":  # type: ignore[override, misc]
        if not _is_integer(base):
            return NotImplemented
        return _power(int(base), int(self))

    def __neg__(self) -> "Integer":
        return Integer()._exact(_native.SUBTRACT, self)  # type: ignore[no-any-return]

    def __pos__(self) -> "Integer":
        return Integer(self)

    def __abs__(self) -> "Integer":
        return -self if self < 0 else +self

    def __invert__(self) -> "Integer":
        return Integer(~int(self))

    def _relation(self, name: str, other: Any) -> Any:
        if not _is_integer(other):
            return NotImplemented
        if not _fits(int(other)):
            return _INT_RELATIONS[name](int(self), int(other))
        right = Integer(other)
        return _RELATIONS[name](ctypes.byref(self._record), ctypes.byref(right._record)) == 1


numbers.Integral.register(Integer)
