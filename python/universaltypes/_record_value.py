"""The common shape of Integer, Real and Time: a value held in one of the
library's records, compared through the library's flat relations."""
from typing import Any, Type, TypeVar

Value = TypeVar("Value", bound="RecordValue")


class RecordValue:
    """A subclass answers _relation(name, other) with the library's relation
    of that name, or NotImplemented for an operand the library does not
    compare with."""

    # Each subclass holds _record itself: Integer is also an int, whose
    # instances cannot take slots.
    __slots__ = ()
    _record: Any

    @classmethod
    def _wrap(cls: Type[Value], record: Any) -> Value:
        value = cls.__new__(cls)
        value._record = record
        return value

    def _relation(self, name: str, other: Any) -> Any:
        raise NotImplementedError

    def __eq__(self, other: object) -> bool:
        result: bool = self._relation("Equals", other)
        return result

    def __ne__(self, other: object) -> bool:
        result: bool = self._relation("NotEqual", other)
        return result

    def __lt__(self, other: Any) -> bool:
        result: bool = self._relation("LessThan", other)
        return result

    def __le__(self, other: Any) -> bool:
        result: bool = self._relation("LessEqual", other)
        return result

    def __gt__(self, other: Any) -> bool:
        result: bool = self._relation("GreaterThan", other)
        return result

    def __ge__(self, other: Any) -> bool:
        result: bool = self._relation("GreaterEqual", other)
        return result
