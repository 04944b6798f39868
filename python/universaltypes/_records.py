"""The library's value records as ctypes structures, and Python ints in and
out of the integer record (sign, 16-bit digit count, three 32-bit words,
least significant first)."""
import ctypes
from typing import Any, TypeVar

MAX_MAGNITUDE = 2**96 - 1


class IntegerRecord(ctypes.Structure):
    _fields_ = [("sign", ctypes.c_int16), ("count", ctypes.c_int16),
                ("words", ctypes.c_uint32 * 3)]


class RealRecord(ctypes.Structure):
    _fields_ = [("value", ctypes.c_double)]


class TimeRecord(ctypes.Structure):
    _fields_ = [("ticks", IntegerRecord), ("offset", ctypes.c_double)]


assert ctypes.sizeof(IntegerRecord) == 16 and ctypes.sizeof(TimeRecord) == 24


# Short enough to show in a message in full.
_SHOWN_BITS = 256
Record = TypeVar("Record", bound=ctypes.Structure)


def shown_int(value: int) -> str:
    """The int for a message: its digits, or its size where they would be
    too many to read (or to write)."""
    if value.bit_length() <= _SHOWN_BITS:
        return str(value)
    return "a %d-bit integer" % value.bit_length()


def integer_record(value: int) -> IntegerRecord:
    """The record of a Python int; OverflowError beyond 96 bits."""
    magnitude = abs(value)
    if magnitude > MAX_MAGNITUDE:
        raise OverflowError("%s is beyond the 96-bit range" % shown_int(value))
    record = IntegerRecord(-1 if value < 0 else 1, (magnitude.bit_length() + 15) // 16)
    for index in range(3):
        record.words[index] = (magnitude >> (32 * index)) & 0xFFFFFFFF
    return record


def record_magnitude(record: Any) -> int:
    words = record.words
    return int(words[0] | words[1] << 32 | words[2] << 64)


def record_int(record: Any) -> int:
    """The signed value; a negative zero is 0."""
    magnitude = record_magnitude(record)
    return -magnitude if int(record.sign) < 0 else magnitude


def copy_record(record: Record) -> Record:
    duplicate = type(record)()
    ctypes.pointer(duplicate)[0] = record
    return duplicate
