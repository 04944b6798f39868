"""The exact layer against Python's exact ints and fractions.Fraction.

Every operation of universaltypes_exact.h over random operands of every
size: the whole result record is compared byte for byte (so the ticks, the
offset's bits, a zero's +1 sign and +0.0 offset), a rational result as the
fraction it writes, and the status (success, error, overflow). The seed is
printed with every failure; set UTYPES_EXACT_SEED to replay one."""
import ctypes
import math
import os
import random
import sys
import unittest
from fractions import Fraction

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "python"))
from case_counts import scaled  # noqa: E402
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from time_rounding import MAX_TICKS as LIMIT, rounded_ticks  # noqa: E402

MOST_DENOMINATOR_BITS = 65536
RATIONAL_TEXT_SIZE = 39500
TIME_RATIONAL_TEXT_SIZE, FEMTOSECOND_IMAGE_SIZE = 680, 1116
OK, ERROR, OVERFLOW = 0, 1, 2
ADD, SUBTRACT, MULTIPLY, DIVIDE, REM, MOD, QUOTIENT = range(7)
# Femtoseconds per unit of time literals.
UNITS = {"fs": 1, "ps": 10**3, "ns": 10**6, "us": 10**9, "ms": 10**12, "sec": 10**15,
         "min": 60 * 10**15, "hr": 3600 * 10**15}
sys.set_int_max_str_digits(0)  # rational texts run to tens of thousands of digits
SEED = int(os.environ.get("UTYPES_EXACT_SEED", "20261207"))


class Integer(ctypes.Structure):
    _fields_ = [("sign", ctypes.c_int16), ("digitCount", ctypes.c_int16),
                ("words", ctypes.c_uint32 * 3)]


class Time(ctypes.Structure):
    _fields_ = [("ticks", Integer), ("offset", ctypes.c_double)]


def load():
    directory = os.environ.get("UTYPES_LIBRARY_DIR", "")
    name = "zr_universaltypes_exact.dll" if os.name == "nt" else "libzr_universaltypes_exact.so"
    library = ctypes.CDLL(os.path.join(directory, name))
    integer, time, text = ctypes.POINTER(Integer), ctypes.POINTER(Time), ctypes.c_char_p
    size, flag, op = ctypes.c_size_t, ctypes.c_int, ctypes.c_int
    signatures = {
        "UTX_IntegerArithmetic": [op, integer, integer, integer],
        "UTX_IntegerFromText": [text, integer],
        "UTX_IntegerToText": [integer, ctypes.c_char_p, size],
        "UTX_TimeFromFemtoseconds": [text, flag, time],
        "UTX_TimeToFemtoseconds": [time, flag, ctypes.c_char_p, size],
        "UTX_TimeArithmetic": [op, time, time, flag, time],
        "UTX_TimeQuotient": [time, time, flag, integer],
        "UTX_TimeScaledByInteger": [time, op, integer, flag, time],
        "UTX_TimeScaledByRational": [time, op, text, flag, time],
        "UTX_ParseTimeLiteral": [text, size, time, ctypes.POINTER(size)],
        "UTX_FemtosecondImage": [time, flag, ctypes.c_char_p, size],
        "UTX_RationalArithmetic": [op, text, text, ctypes.c_char_p, size],
        "UTX_LiteralFemtoseconds": [text, size, flag, ctypes.c_char_p, size,
                                    ctypes.POINTER(size)],
    }
    for name, arguments in signatures.items():
        function = getattr(library, name)
        function.argtypes = arguments
        function.restype = ctypes.c_int
    library.UTX_UnitName.restype = ctypes.c_char_p
    library.UTX_UnitFemtoseconds.restype = ctypes.c_ulonglong
    return library


EXACT = load()


def integer_record(value):
    magnitude = abs(value)
    words = [(magnitude >> (32 * i)) & 0xFFFFFFFF for i in range(3)]
    return Integer(-1 if value < 0 else 1, (magnitude.bit_length() + 15) // 16,
                   (ctypes.c_uint32 * 3)(*words))


def integer_value(record):
    magnitude = sum(record.words[i] << (32 * i) for i in range(3))
    return -magnitude if record.sign < 0 else magnitude


def time_record(ticks, offset):
    return Time(integer_record(ticks), offset)


def time_value(record, analog):
    value = Fraction(integer_value(record.ticks))
    return value + Fraction(record.offset) if analog else value


def rounded_time(value, analog):
    """The record a value rounds to, or None beyond the tick range."""
    ticks = rounded_ticks(value, analog)
    return None if ticks is None else time_record(*ticks)


def truncated_quotient(left, right):
    quotient = abs(left) // abs(right)
    return -quotient if (left < 0) != (right < 0) else quotient


def remainder(left, right, operation):
    """rem: the sign of the dividend; mod: the sign of the divisor."""
    if operation == MOD:
        return left - right * math.floor(Fraction(left) / right)
    return left - right * math.trunc(Fraction(left) / right)


def exact_rational(operation, left, right):
    """left op right exactly; None for a zero divisor."""
    if operation in (ADD, SUBTRACT, MULTIPLY):
        return left + right if operation == ADD else left - right if operation == SUBTRACT \
            else left * right
    if right == 0:
        return None
    if operation == DIVIDE:
        return left / right
    if operation == QUOTIENT:
        return Fraction(math.trunc(left / right))
    return remainder(left, right, operation)


def within_range(value):
    return abs(value) <= LIMIT and value.denominator.bit_length() <= MOST_DENOMINATOR_BITS


def exact_integer(operation, left, right):
    if operation == ADD:
        return left + right
    if operation == SUBTRACT:
        return left - right
    if operation == MULTIPLY:
        return left * right
    if right == 0:
        return None
    if operation == DIVIDE:
        return truncated_quotient(left, right)
    return int(remainder(left, right, operation))


class Operands:
    def __init__(self, seed):
        self.random = random.Random(seed)

    def integer(self, bits=96):
        size = self.random.choice([0, 1, 2, 8, 16, 31, 32, 33, 48, 53, 64, 65, 80, 95, 96, bits])
        size = min(size, bits)
        value = self.random.getrandbits(size) if size else 0
        if self.random.random() < 0.1 and size:
            value = (1 << size) - 1
        return -value if self.random.random() < 0.5 else value

    def offset(self):
        choice = self.random.random()
        if choice < 0.3:
            return 0.0
        if choice < 0.4:
            return math.nextafter(1.0, 0.0)
        return self.random.random() * self.random.choice([1.0, 1e-9, 2.0**-60])

    def time(self):
        return time_record(self.integer(), self.offset())

    def decimal(self):
        digits = str(self.random.randrange(1, 10**self.random.randint(1, 20)))
        point = self.random.randint(0, len(digits))
        mantissa = digits if point == len(digits) else digits[:point] or "0"
        if point < len(digits):
            mantissa = (digits[:point] or "0") + "." + digits[point:]
        exponent = self.random.randint(-30, 30)
        text = mantissa + (self.random.choice("eE") + str(exponent) if exponent else "")
        if self.random.random() < 0.3:
            text = "-" + text
        value = Fraction(mantissa) * Fraction(10) ** exponent
        return text, -value if text.startswith("-") else value

    def fraction(self):
        denominator = self.random.choice([1, 3, 7, 10, 1000, 2**53, 10**15 + 37])
        value = Fraction(self.integer(), self.random.randrange(1, denominator + 1))
        return str(value), value

    def factor(self):
        return self.decimal() if self.random.random() < 0.6 else self.fraction()

    def rational(self):
        """A decimal, a fraction, or one with a huge denominator (10^-4000)."""
        if self.random.random() < 0.05:
            value = Fraction(self.integer(40), 10**self.random.randint(1000, 5000))
            return str(value), value
        return self.factor()

    def literal(self):
        """A decimal time literal below and above one femtosecond: up to 30
        digits, an exponent in -30..30, any unit; its exact femtoseconds."""
        digits = str(self.random.randrange(1, 10**self.random.randint(1, 30)))
        point = self.random.randint(1, len(digits))
        mantissa = digits[:point] + ("." + digits[point:] if point < len(digits) else "")
        exponent = self.random.choice([0, self.random.randint(-30, 30)])
        unit = self.random.choice(list(UNITS))
        text = mantissa + ("e%d" % exponent if exponent else "") + " " + unit
        return text, Fraction(mantissa) * Fraction(10) ** exponent * UNITS[unit]


class ExactLayerTest(unittest.TestCase):
    def check_record(self, status, result, expected, case):
        message = "seed %d: %s" % (SEED, case)
        if expected is None:
            self.assertEqual(status, OVERFLOW, message)
        else:
            self.assertEqual(status, OK, message)
            self.assertEqual(bytes(result), bytes(expected), message)

    def test_integer_arithmetic(self):
        operands = Operands(SEED)
        for _ in range(scaled(6000)):
            left, right = operands.integer(), operands.integer()
            operation = operands.random.randrange(6)
            result = Integer()
            status = EXACT.UTX_IntegerArithmetic(operation, integer_record(left),
                                                 integer_record(right), result)
            exact = exact_integer(operation, left, right)
            case = "%d op%d %d" % (left, operation, right)
            if exact is None:
                self.assertEqual(status, ERROR, case)
            else:
                self.check_record(status, result,
                                  None if abs(exact) > LIMIT else integer_record(exact), case)

    def test_integer_text(self):
        operands = Operands(SEED + 1)
        buffer = ctypes.create_string_buffer(64)
        for _ in range(scaled(2000)):
            value = operands.integer(100) * operands.random.choice([1, 1, 16])
            result = Integer()
            status = EXACT.UTX_IntegerFromText(str(value).encode(), result)
            self.check_record(status, result,
                              None if abs(value) > LIMIT else integer_record(value), value)
            if status == OK:
                self.assertEqual(EXACT.UTX_IntegerToText(result, buffer, 64), OK)
                self.assertEqual(buffer.value.decode(), str(value))
        for text in [b"", b"-", b"1.5", b"3/2", b"1/0", b"x", b"1e", b"1 2"]:
            self.assertEqual(EXACT.UTX_IntegerFromText(text, Integer()), ERROR, text)
        self.assertEqual(EXACT.UTX_IntegerFromText(b"4/2", Integer()), OK)
        self.assertEqual(EXACT.UTX_IntegerToText(integer_record(12345), buffer, 5), ERROR)

    def test_time_from_and_to_femtoseconds(self):
        operands = Operands(SEED + 2)
        buffer = ctypes.create_string_buffer(2048)
        for _ in range(scaled(3000)):
            text, value = operands.factor()
            value *= operands.random.choice([1, 10**10, 2**40])
            for analog in (0, 1):
                result = Time()
                status = EXACT.UTX_TimeFromFemtoseconds(str(value).encode(), analog, result)
                self.check_record(status, result, rounded_time(value, analog), (value, analog))
            time = operands.time()
            for analog in (0, 1):
                self.assertEqual(EXACT.UTX_TimeToFemtoseconds(time, analog, buffer, 2048), OK)
                self.assertEqual(Fraction(buffer.value.decode()), time_value(time, analog))

    def test_time_arithmetic(self):
        operands = Operands(SEED + 3)
        for _ in range(scaled(4000)):
            left, right = operands.time(), operands.time()
            if operands.random.random() < 0.2:
                right = time_record(operands.integer(40), operands.offset())
            operation = operands.random.choice([ADD, SUBTRACT, REM, MOD])
            for analog in (0, 1):
                a, b = time_value(left, analog), time_value(right, analog)
                result = Time()
                status = EXACT.UTX_TimeArithmetic(operation, left, right, analog, result)
                case = (a, operation, b, analog)
                if operation in (REM, MOD) and b == 0:
                    self.assertEqual(status, ERROR, case)
                    continue
                exact = a + b if operation == ADD else a - b if operation == SUBTRACT else \
                    remainder(a, b, operation)
                self.check_record(status, result, rounded_time(exact, analog), case)

    def test_time_quotient(self):
        operands = Operands(SEED + 4)
        for _ in range(scaled(3000)):
            left = operands.time()
            right = time_record(operands.integer(operands.random.choice([8, 40, 96])),
                                operands.offset())
            for analog in (0, 1):
                a, b = time_value(left, analog), time_value(right, analog)
                result = Integer()
                status = EXACT.UTX_TimeQuotient(left, right, analog, result)
                if b == 0:
                    self.assertEqual(status, ERROR)
                    continue
                exact = math.trunc(a / b)
                self.check_record(status, result,
                                  None if abs(exact) > LIMIT else integer_record(exact),
                                  (a, b, analog))

    def scaled_case(self, status, result, time, operation, factor, analog):
        value = time_value(time, analog)
        case = (value, operation, factor, analog)
        if operation == DIVIDE and factor == 0:
            self.assertEqual(status, ERROR, case)
            return
        exact = value * factor if operation == MULTIPLY else value / factor
        self.check_record(status, result, rounded_time(exact, analog), case)

    def test_time_scaled_by_integer(self):
        operands = Operands(SEED + 5)
        for _ in range(scaled(4000)):
            time, factor = operands.time(), operands.integer()
            operation = operands.random.choice([MULTIPLY, DIVIDE])
            for analog in (0, 1):
                result = Time()
                status = EXACT.UTX_TimeScaledByInteger(time, operation, integer_record(factor),
                                                       analog, result)
                self.scaled_case(status, result, time, operation, factor, analog)

    def test_time_scaled_by_rational(self):
        operands = Operands(SEED + 6)
        for _ in range(scaled(4000)):
            time, (text, factor) = operands.time(), operands.factor()
            operation = operands.random.choice([MULTIPLY, DIVIDE])
            for analog in (0, 1):
                result = Time()
                status = EXACT.UTX_TimeScaledByRational(time, operation, text.encode(), analog,
                                                        result)
                self.scaled_case(status, result, time, operation, factor, analog)
        for text in [b"", b"1/0", b"1.", b".5", b"1e", b"1e+", b"0x10", b"1e99999", b"- 1"]:
            self.assertEqual(EXACT.UTX_TimeScaledByRational(time, MULTIPLY, text, 1, Time()),
                             ERROR, text)

    def test_femtosecond_image(self):
        operands = Operands(SEED + 7)
        buffer = ctypes.create_string_buffer(512)
        for _ in range(scaled(3000)):
            time = operands.time()
            for analog in (0, 1):
                self.assertEqual(EXACT.UTX_FemtosecondImage(time, analog, buffer, 512), OK)
                image = buffer.value.decode()
                parts = image.split(" + ")
                self.assertTrue(all(part.endswith(" fs") for part in parts), image)
                ticks = int(parts[0][:-3])
                rest = Fraction(parts[1][:-3]) if len(parts) > 1 else Fraction(0)
                self.assertTrue(0 <= rest < 1 and (len(parts) == 1 or rest > 0), image)
                self.assertEqual(ticks + rest, time_value(time, analog), image)
        self.assertEqual(EXACT.UTX_FemtosecondImage(time_record(1, 0.5), 1, buffer, 512), OK)
        self.assertEqual(buffer.value, b"1 fs + 0.5 fs")
        self.assertEqual(EXACT.UTX_FemtosecondImage(time_record(-2, 0.75), 0, buffer, 512), OK)
        self.assertEqual(buffer.value, b"-2 fs")
        self.assertEqual(EXACT.UTX_FemtosecondImage(time_record(-2, 0.75), 1, buffer, 512), OK)
        self.assertEqual(buffer.value, b"-2 fs + 0.75 fs")
        self.assertEqual(EXACT.UTX_FemtosecondImage(time_record(1, 0.5), 1, buffer, 8), ERROR)

    def test_longest_texts_of_a_time_fit_their_sizes(self):
        """A subnormal offset has hundreds of digits: the sizes the header
        states hold the longest texts, with not a byte to spare."""
        buffer = ctypes.create_string_buffer(4096)
        longest = {"rational": 0, "image": 0}
        for ticks in (LIMIT, -LIMIT, -1, 0):
            for offset in (5e-324, 2.0**-1022 - 5e-324, math.nextafter(1.0, 0.0)):
                time = time_record(ticks, offset)
                self.assertEqual(EXACT.UTX_TimeToFemtoseconds(time, 1, buffer,
                                                              TIME_RATIONAL_TEXT_SIZE), OK)
                longest["rational"] = max(longest["rational"], len(buffer.value) + 1)
                self.assertEqual(EXACT.UTX_FemtosecondImage(time, 1, buffer,
                                                            FEMTOSECOND_IMAGE_SIZE), OK)
                longest["image"] = max(longest["image"], len(buffer.value) + 1)
        self.assertEqual(longest, {"rational": TIME_RATIONAL_TEXT_SIZE,
                                   "image": FEMTOSECOND_IMAGE_SIZE})

    def test_rational_arithmetic(self):
        operands = Operands(SEED + 8)
        buffer = ctypes.create_string_buffer(RATIONAL_TEXT_SIZE)
        for _ in range(scaled(6000)):
            (left_text, left), (right_text, right) = operands.rational(), operands.rational()
            if operands.random.random() < 0.1:
                right_text, right = left_text, left
            operation = operands.random.randrange(7)
            status = EXACT.UTX_RationalArithmetic(operation, left_text.encode(),
                                                  right_text.encode(), buffer, len(buffer))
            exact = exact_rational(operation, left, right)
            case = "seed %d: %s op%d %s" % (SEED, left_text, operation, right_text)
            if exact is None:
                self.assertEqual(status, ERROR, case)
            elif not within_range(exact):
                self.assertEqual(status, OVERFLOW, case)
            else:
                self.assertEqual(status, OK, case)
                self.assertEqual(Fraction(buffer.value.decode()), exact, case)
                self.assertLess(len(buffer.value), RATIONAL_TEXT_SIZE, case)
        for left, right in [(b"1", b"x"), (b"", b"1"), (b"1/0", b"1")]:
            self.assertEqual(EXACT.UTX_RationalArithmetic(ADD, left, right, buffer, 64), ERROR)
        self.assertEqual(EXACT.UTX_RationalArithmetic(7, b"1", b"1", buffer, 64), ERROR)
        self.assertEqual(EXACT.UTX_RationalArithmetic(DIVIDE, b"10", b"3", buffer, 4), ERROR)

    def test_literal_femtoseconds(self):
        operands = Operands(SEED + 9)
        buffer = ctypes.create_string_buffer(RATIONAL_TEXT_SIZE)
        column = ctypes.c_size_t(0)
        for _ in range(scaled(4000)):
            text, value = operands.literal()
            encoded = text.encode()
            parsed = EXACT.UTX_ParseTimeLiteral(encoded, len(encoded), Time(), None)
            for analog in (0, 1):
                status = EXACT.UTX_LiteralFemtoseconds(encoded, len(encoded), analog, buffer,
                                                       len(buffer), None)
                exact = value if analog else Fraction(math.trunc(value))
                case = "seed %d: %r analog %d" % (SEED, text, analog)
                if parsed != OK:
                    self.assertEqual(status, parsed, case)
                elif abs(exact) > LIMIT:
                    self.assertEqual(status, OVERFLOW, case)
                else:
                    self.assertEqual(status, OK, case)
                    self.assertEqual(Fraction(buffer.value.decode()), exact, case)
        # Based numbers are the numbers they spell, their exponents powers
        # of the base written in the base; a unit alone is one unit.
        for text, analog, expected in [(b"16#F.8# fs", 1, "31/2"), (b"16#F.8# fs", 0, "15"),
                                       (b"3#0.1# fs", 1, "1/3"), (b"3#1.1# ns", 0, "1333333"),
                                       (b"7#0.1#E-2 hr", 1, "3600000000000000000/343"),
                                       (b"2#1010#E10 ps", 1, "40000"),
                                       (b"ns", 1, "1000000"), (b" 1_000.5 ps ", 1, "2001000/2")]:
            self.assertEqual(EXACT.UTX_LiteralFemtoseconds(text, len(text), analog, buffer,
                                                           len(buffer), None), OK, text)
            self.assertEqual(Fraction(buffer.value.decode()), Fraction(expected), text)
        text = b"1 ns + 1 ps"
        self.assertEqual(EXACT.UTX_LiteralFemtoseconds(text, len(text), 1, buffer, len(buffer),
                                                       ctypes.byref(column)), ERROR)
        self.assertEqual(column.value, 6)

    def test_parse_time_literal(self):
        column = ctypes.c_size_t(0)
        cases = {b"12 ns xyz": 7, b"1 ns + 1 ps": 6, b"": 1, b"  ": 3, b"+1 ns": 1,
                 b"1 ns)": 5, b"1.5 xs": 5, b"ns ns": 4}
        for text, expected in cases.items():
            status = EXACT.UTX_ParseTimeLiteral(text, len(text), Time(), ctypes.byref(column))
            self.assertEqual((status, column.value), (ERROR, expected), text)
        for text, ticks in {b" 1.5 ns ": 1500000, b"16#FF# ns": 255000000, b"1_000 ps": 10**6,
                            b"ns": 10**6, b"1 SEC": 10**15, b"2.5E-3 sec": 25 * 10**11}.items():
            result = Time()
            self.assertEqual(EXACT.UTX_ParseTimeLiteral(text, len(text), result, None), OK, text)
            self.assertEqual(integer_value(result.ticks), ticks, text)
        text = b"79228162514264337593543950336 fs"
        self.assertEqual(EXACT.UTX_ParseTimeLiteral(text, len(text), Time(), None), OVERFLOW)
        # The length bounds the text: what follows is never read.
        self.assertEqual(EXACT.UTX_ParseTimeLiteral(b"1 ns xyz", 4, Time(), None), OK)

    def test_null_pointers_and_unknown_operations(self):
        one = integer_record(1)
        self.assertEqual(EXACT.UTX_IntegerArithmetic(0, None, one, Integer()), ERROR)
        self.assertEqual(EXACT.UTX_IntegerArithmetic(QUOTIENT, one, one, Integer()), ERROR)
        self.assertEqual(EXACT.UTX_TimeArithmetic(QUOTIENT, Time(), Time(), 1, Time()), ERROR)
        self.assertEqual(EXACT.UTX_TimeArithmetic(MULTIPLY, Time(), Time(), 1, Time()), ERROR)
        self.assertEqual(EXACT.UTX_TimeScaledByInteger(Time(), ADD, one, 1, Time()), ERROR)
        self.assertEqual(EXACT.UTX_TimeFromFemtoseconds(None, 1, Time()), ERROR)
        self.assertEqual(EXACT.UTX_ParseTimeLiteral(None, 0, Time(), None), ERROR)

    def test_unit_table(self):  # names and sizes, and nothing outside it
        names = [EXACT.UTX_UnitName(unit) for unit in range(EXACT.UTX_UnitCount())]
        sizes = [EXACT.UTX_UnitFemtoseconds(unit) for unit in range(len(names))]
        self.assertEqual([b"fs", b"ps", b"ns", b"us", b"ms", b"sec", b"min", b"hr"], names)
        self.assertEqual([10**(3 * k) for k in range(6)] + [6 * 10**16, 36 * 10**17],
                         sizes)
        for outside in (-1, 8, 2**31 - 1):
            self.assertEqual((None, 0), (EXACT.UTX_UnitName(outside),
                                         EXACT.UTX_UnitFemtoseconds(outside)))


if __name__ == "__main__":
    unittest.main()
