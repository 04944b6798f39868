"""The common shape of Integer, Real and Time: a value held in one of the
library's records, compared through the library's flat relations."""
from functools import partialmethod

_RELATION_METHODS = {"__eq__": "Equals", "__ne__": "NotEqual", "__lt__": "LessThan",
                     "__le__": "LessEqual", "__gt__": "GreaterThan", "__ge__": "GreaterEqual"}


class RecordValue:
    """A subclass answers _relation(name, other) with the library's relation
    of that name, or NotImplemented for an operand the library does not
    compare with."""

    # Each subclass holds _record itself: Integer is also an int, whose
    # instances cannot take slots.
    __slots__ = ()

    @classmethod
    def _wrap(cls, record):
        value = cls.__new__(cls)
        value._record = record
        return value

    def _relation(self, name, other):
        raise NotImplementedError


def add_operators(cls, method, operations, reflected=True):
    """Gives cls __op__ (and __rop__) for each op: library operation name,
    as method(self, operation, other[, reflected=True])."""
    for python_name, operation in operations.items():
        setattr(cls, "__%s__" % python_name, partialmethod(method, operation))
        if reflected:
            setattr(cls, "__r%s__" % python_name,
                    partialmethod(method, operation, reflected=True))


def _compare(self, relation, other):
    return self._relation(relation, other)


for _method, _relation_name in _RELATION_METHODS.items():
    setattr(RecordValue, _method, partialmethod(_compare, _relation_name))
