"""Integer: the library's 96-bit sign-magnitude UniversalInteger, an exact
numbers.Integral.

+, -, * and % (mod, the divisor's sign) go through the exact layer; rem()
takes the dividend's sign; / is the exact Fraction, // the floor. Every
result beyond 2^96 - 1 in magnitude raises OverflowError, including **,
shifts and bit operations (worked out on Python ints, then checked)."""
import ctypes
import numbers
import operator
from fractions import Fraction
from typing import Any, Callable, Tuple, Union

from . import _native
from ._record_value import RecordValue
from ._records import IntegerRecord, copy_record, integer_record, record_int
from ._status import check

IntegerLike = Union[int, "Integer"]
_SYMBOLS = {_native.ADD: "+", _native.SUBTRACT: "-", _native.MULTIPLY: "*", _native.REM: "rem",
            _native.MOD: "mod"}
_RELATIONS = _native.relations("UniversalInteger", "UniversalInteger", _native.INTEGER,
                               _native.INTEGER)


def _is_integer(value: Any) -> bool:
    return isinstance(value, (Integer, numbers.Integral))


class Integer(RecordValue, int):
    """Integer(n) for an int, an Integer or a whole Fraction.

    Also an int of the same value, so that what takes only ints (Decimal(),
    struct, range()) takes an Integer; every operator is the Integer's."""

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
    def _wrap(cls, record: IntegerRecord) -> "Integer":
        value = int.__new__(cls, record_int(record))
        value._record = record
        return value

    def __getnewargs__(self) -> Tuple[int]:
        return (int(self),)

    @property
    def sign(self) -> int:
        """+1 or -1, as the record holds it (-1 for a negative zero)."""
        return self._record.sign

    def __int__(self) -> int:
        return record_int(self._record)

    __index__ = __int__
    __trunc__ = __int__
    __floor__ = __int__
    __ceil__ = __int__

    def __round__(self, digits: Union[int, None] = None) -> "Integer":
        return self if digits is None else Integer(round(int(self), digits))

    def __float__(self) -> float:
        return float(int(self))

    numerator = property(lambda self: +self)
    denominator = property(lambda self: 1)
    real = property(lambda self: +self)
    imag = property(lambda self: 0)

    def conjugate(self) -> "Integer":
        return +self

    def to_fraction(self) -> Fraction:
        return Fraction(int(self))

    def __bool__(self) -> bool:
        return self._record.count != 0

    def __hash__(self) -> int:
        return hash(int(self))

    def __str__(self) -> str:
        return "-0" if self.sign < 0 and not self else str(int(self))

    def __repr__(self) -> str:
        return "Integer(%s)" % self

    def __format__(self, spec: str) -> str:
        """As int's: format(Integer(255), "x"), f"{Integer(n):,}"."""
        return format(int(self), spec)

    def _exact(self, operation: int, other: Any, reflected: bool = False) -> "Integer":
        if not _is_integer(other):
            return NotImplemented
        left, right = (Integer(other), self) if reflected else (self, Integer(other))
        result = IntegerRecord()
        status = _native.exact_integer(operation, ctypes.byref(left._record),
                                       ctypes.byref(right._record), ctypes.byref(result))
        check(status, lambda: "%s %s %s" % (left, _SYMBOLS[operation], right),
              zero_divisor=not right)
        return Integer._wrap(result)

    def rem(self, other: IntegerLike) -> "Integer":
        """The rest with the dividend's sign."""
        return self._exact(_native.REM, other)

    def mod(self, other: IntegerLike) -> "Integer":
        """The rest with the divisor's sign (also %)."""
        return self._exact(_native.MOD, other)

    def _through_int(self, function: Callable[..., int], *others: Any,
                     reflected: bool = False) -> Any:
        if not all(_is_integer(other) for other in others):
            return NotImplemented
        values = [int(other) for other in others]
        arguments = values + [int(self)] if reflected else [int(self)] + values
        return Integer(function(*arguments))

    def __truediv__(self, other: IntegerLike) -> Fraction:
        return Fraction(int(self)) / int(other) if _is_integer(other) else NotImplemented

    def __rtruediv__(self, other: IntegerLike) -> Fraction:
        return Fraction(int(other)) / int(self) if _is_integer(other) else NotImplemented

    def __divmod__(self, other: IntegerLike) -> Tuple["Integer", "Integer"]:
        return (self // other, self % other) if _is_integer(other) else NotImplemented

    def __rdivmod__(self, other: IntegerLike) -> Tuple["Integer", "Integer"]:
        return divmod(Integer(other), self) if _is_integer(other) else NotImplemented

    def __pow__(self, exponent: int, modulus: Union[int, None] = None) -> "Integer":
        if not _is_integer(exponent):
            return NotImplemented
        if int(exponent) < 0:
            raise ValueError("Integer ** %d: the exponent must not be negative" % exponent)
        if modulus is None:
            return self._through_int(pow, exponent)
        return self._through_int(pow, exponent, modulus)

    def __rpow__(self, base: int) -> "Integer":
        return Integer(base) ** self if _is_integer(base) else NotImplemented

    def __neg__(self) -> "Integer":
        return Integer()._exact(_native.SUBTRACT, self)

    def __pos__(self) -> "Integer":
        return Integer(self)

    def __abs__(self) -> "Integer":
        return -self if self < 0 else +self

    def __invert__(self) -> "Integer":
        return Integer(~int(self))

    def _relation(self, name: str, other: Any) -> Any:
        if not _is_integer(other):
            return NotImplemented
        other = Integer(other)
        return _RELATIONS[name](ctypes.byref(self._record), ctypes.byref(other._record)) == 1


def _define(name: str, method: Callable[..., Any]) -> None:
    method.__name__ = method.__qualname__ = name
    setattr(Integer, name, method)


for _name, _operation in {"add": _native.ADD, "sub": _native.SUBTRACT, "mul": _native.MULTIPLY,
                          "mod": _native.MOD}.items():
    _define("__%s__" % _name, lambda self, other, _op=_operation: self._exact(_op, other))
    _define("__r%s__" % _name,
            lambda self, other, _op=_operation: self._exact(_op, other, reflected=True))
for _name, _function in {"floordiv": operator.floordiv, "lshift": operator.lshift,
                         "rshift": operator.rshift, "and": operator.and_, "or": operator.or_,
                         "xor": operator.xor}.items():
    _define("__%s__" % _name, lambda self, other, _f=_function: self._through_int(_f, other))
    _define("__r%s__" % _name,
            lambda self, other, _f=_function: self._through_int(_f, other, reflected=True))
numbers.Integral.register(Integer)
