"""The library's value records as ctypes structures, and Python ints in and
out of the integer record (sign, 16-bit digit count, three 32-bit words,
least significant first)."""
import ctypes

MAX_MAGNITUDE = 2**96 - 1


class IntegerRecord(ctypes.Structure):
    _fields_ = [("sign", ctypes.c_int16), ("count", ctypes.c_int16),
                ("words", ctypes.c_uint32 * 3)]


class RealRecord(ctypes.Structure):
    _fields_ = [("value", ctypes.c_double)]


class TimeRecord(ctypes.Structure):
    _fields_ = [("ticks", IntegerRecord), ("offset", ctypes.c_double)]


assert ctypes.sizeof(IntegerRecord) == 16 and ctypes.sizeof(TimeRecord) == 24


def integer_record(value):
    """The record of a Python int; OverflowError beyond 96 bits."""
    magnitude = abs(value)
    if magnitude > MAX_MAGNITUDE:
        raise OverflowError("%d is beyond the 96-bit range" % value)
    record = IntegerRecord(-1 if value < 0 else 1, (magnitude.bit_length() + 15) // 16)
    for index in range(3):
        record.words[index] = (magnitude >> (32 * index)) & 0xFFFFFFFF
    return record


def record_magnitude(record):
    words = record.words
    return words[0] | words[1] << 32 | words[2] << 64


def record_int(record):
    """The signed value; a negative zero is 0."""
    magnitude = record_magnitude(record)
    return -magnitude if record.sign < 0 else magnitude


def copy_record(record):
    duplicate = type(record)()
    ctypes.pointer(duplicate)[0] = record
    return duplicate
