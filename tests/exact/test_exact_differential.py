"""The exact layer against exact ints and Fractions: records byte for byte (a zero's +1 sign and
+0.0 offset too) and statuses. Failures print the seed; UTYPES_EXACT_SEED replays one."""
import ctypes
import math
import os
import random
import sys
import unittest
from fractions import Fraction

for folder in ("python", "support", "timetext"):
    sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", folder))
from case_counts import scaled  # noqa: E402
from time_rounding import MAX_TICKS as LIMIT, rounded_ticks  # noqa: E402
from literal_oracle import UNIT_FS, UNITS, well_formed  # noqa: E402

MOST_DENOMINATOR_BITS = 65536
RATIONAL_TEXT_SIZE = 39500
TIME_RATIONAL_TEXT_SIZE, FEMTOSECOND_IMAGE_SIZE = 680, 1116
OK, ERROR, OVERFLOW = 0, 1, 2
ADD, SUBTRACT, MULTIPLY, DIVIDE, REM, MOD, QUOTIENT = range(7)
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
    for name, arguments in signatures.items():  # each returns ctypes' default, a C int status
        getattr(library, name).argtypes = arguments
    library.UTX_UnitName.restype = ctypes.c_char_p
    library.UTX_UnitFemtoseconds.restype = ctypes.c_ulonglong
    return library


EXACT = load()


def integer_record(value):
    magnitude = abs(value)
    words = [(magnitude >> (32 * i)) & 0xFFFFFFFF for i in range(3)]
    return Integer(-1 if value < 0 else 1, (magnitude.bit_length() + 15) // 16,
                   (ctypes.c_uint32 * 3)(*words))


def time_record(ticks, offset):
    return Time(integer_record(ticks), offset)


def time_value(record, analog):
    ticks = sum(record.ticks.words[i] << (32 * i) for i in range(3))
    return (-ticks if record.ticks.sign < 0 else ticks) + (Fraction(record.offset) if analog else 0)


def expected_record(value, analog=None):
    """The integer record or, given an analog setting, the time record; None beyond the range."""
    if analog is None:
        return None if abs(value) > LIMIT else integer_record(int(value))
    ticks = rounded_ticks(value, analog)
    return None if ticks is None else time_record(*ticks)


def exact_result(operation, left, right):
    """left op right exactly, None for a zero divisor: quotient truncates
    toward zero, rem takes the sign of the dividend, mod of the divisor."""
    left, right = Fraction(left), Fraction(right)
    if operation in (ADD, SUBTRACT, MULTIPLY):
        return left + right if operation == ADD else left - right if operation == SUBTRACT \
            else left * right
    if right == 0:
        return None
    if operation == DIVIDE:
        return left / right
    whole = math.floor(left / right) if operation == MOD else math.trunc(left / right)
    return Fraction(whole) if operation == QUOTIENT else left - right * whole


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

    def time(self, bits=96):
        return time_record(self.integer(bits), self.offset())

    def decimal(self):
        digits = str(self.random.randrange(1, 10**self.random.randint(1, 20)))
        point = self.random.randint(0, len(digits))
        mantissa = (digits[:point] or "0") + ("." + digits[point:] if point < len(digits) else "")
        exponent = self.random.choice([0, self.random.randint(-30, 30)])
        text = mantissa + (self.random.choice("eE") + str(exponent) if exponent else "")
        value = Fraction(mantissa) * Fraction(10) ** exponent
        if self.random.random() < 0.3:
            return "-" + text, -value
        return text, value

    def factor(self):
        if self.random.random() < 0.6:
            return self.decimal()
        denominator = self.random.choice([1, 3, 7, 10, 1000, 2**53, 10**15 + 37])
        value = Fraction(self.integer(), self.random.randrange(1, denominator + 1))
        return str(value), value

    def rational(self):
        if self.random.random() < 0.05:
            value = Fraction(self.integer(40), 10**self.random.randint(1000, 5000))
            return str(value), value
        return self.factor()


class ExactLayerTest(unittest.TestCase):
    def check(self, status, result, exact, case, analog=None):
        """A zero divisor (exact None) is an error, a result beyond the range an overflow."""
        message = "seed %d: %s" % (SEED, case)
        expected = None if exact is None else expected_record(exact, analog)
        self.assertEqual(status, ERROR if exact is None else OVERFLOW if expected is None else OK,
                         message)
        if expected is not None:
            self.assertEqual(bytes(result), bytes(expected), message)

    def test_integer_arithmetic_and_text(self):
        operands = Operands(SEED)
        buffer = ctypes.create_string_buffer(64)
        for _ in range(scaled(6000)):
            left, right = operands.integer(), operands.integer()
            operation = operands.random.randrange(6)
            result = Integer()
            status = EXACT.UTX_IntegerArithmetic(operation, integer_record(left),
                                                 integer_record(right), result)
            # An integer quotient truncates.
            exact = exact_result(QUOTIENT if operation == DIVIDE else operation, left, right)
            self.check(status, result, exact, "%d op%d %d" % (left, operation, right))
            value = operands.integer(100) * operands.random.choice([1, 1, 16])
            status = EXACT.UTX_IntegerFromText(str(value).encode(), result)
            self.check(status, result, value, value)
            if status == OK:
                self.assertEqual(EXACT.UTX_IntegerToText(result, buffer, 64), OK)
                self.assertEqual(buffer.value.decode(), str(value))
        for text in [b"", b"-", b"1.5", b"3/2", b"1/0", b"x", b"1e", b"1 2"]:
            self.assertEqual(EXACT.UTX_IntegerFromText(text, Integer()), ERROR, text)
        self.assertEqual(EXACT.UTX_IntegerFromText(b"4/2", Integer()), OK)
        self.assertEqual(EXACT.UTX_IntegerToText(integer_record(12345), buffer, 5), ERROR)

    def test_time_operations(self):
        operands = Operands(SEED + 3)
        for _ in range(scaled(15000)):
            left, family = operands.time(), operands.random.randrange(15)
            if family < 7:
                operation = operands.random.choice([ADD, SUBTRACT, REM, MOD, QUOTIENT])
                right = operands.time(operands.random.choice([8, 40, 96]))
            else:
                operation = operands.random.choice([MULTIPLY, DIVIDE])
                text, right = (None, operands.integer()) if family < 11 else operands.factor()
            for analog in (0, 1):
                right_value = time_value(right, analog) if family < 7 else right
                exact = exact_result(operation, time_value(left, analog), right_value)
                result = Integer() if operation == QUOTIENT else Time()
                if operation == QUOTIENT:  # an integer record
                    status = EXACT.UTX_TimeQuotient(left, right, analog, result)
                elif family < 7:
                    status = EXACT.UTX_TimeArithmetic(operation, left, right, analog, result)
                elif text is None:
                    status = EXACT.UTX_TimeScaledByInteger(left, operation, integer_record(right),
                                                           analog, result)
                else:
                    status = EXACT.UTX_TimeScaledByRational(left, operation, text.encode(), analog,
                                                            result)
                case = (time_value(left, analog), operation, right_value, analog)
                self.check(status, result, exact, case, None if operation == QUOTIENT else analog)

    def test_time_texts_both_ways(self):
        operands = Operands(SEED + 7)
        buffer = ctypes.create_string_buffer(512)
        for _ in range(scaled(3000)):
            time = operands.time()
            value = operands.factor()[1] * operands.random.choice([1, 10**10, 2**40])
            for analog in (0, 1):
                result = Time()
                status = EXACT.UTX_TimeFromFemtoseconds(str(value).encode(), analog, result)
                self.check(status, result, value, (value, analog), analog)
                self.assertEqual(EXACT.UTX_TimeToFemtoseconds(time, analog, buffer, 512), OK)
                self.assertEqual(Fraction(buffer.value.decode()), time_value(time, analog))
                self.assertEqual(EXACT.UTX_FemtosecondImage(time, analog, buffer, 512), OK)
                image = buffer.value.decode()
                self.assertRegex(image, r"^-?\d+ fs( \+ 0\.\d*[1-9] fs)?$")
                ticks, _, rest = image[:-3].partition(" fs + ")
                self.assertEqual(int(ticks) + Fraction(rest or 0), time_value(time, analog), image)
        self.assertEqual(EXACT.UTX_FemtosecondImage(time_record(1, 0.5), 1, buffer, 8), ERROR)
        # A subnormal offset has hundreds of digits: the header's sizes fit them exactly.
        buffer = ctypes.create_string_buffer(4096)
        for function, size in ((EXACT.UTX_TimeToFemtoseconds, TIME_RATIONAL_TEXT_SIZE),
                               (EXACT.UTX_FemtosecondImage, FEMTOSECOND_IMAGE_SIZE)):
            longest = 0
            for ticks in (LIMIT, -LIMIT, -1, 0):
                for offset in (5e-324, 2.0**-1022 - 5e-324, math.nextafter(1.0, 0.0)):
                    self.assertEqual(function(time_record(ticks, offset), 1, buffer, size), OK)
                    longest = max(longest, len(buffer.value) + 1)
            self.assertEqual(longest, size, function.__name__)

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
            exact = exact_result(operation, left, right)
            case = "seed %d: %s op%d %s" % (SEED, left_text, operation, right_text)
            beyond = exact is not None and (abs(exact) > LIMIT or exact.denominator.bit_length()
                                            > MOST_DENOMINATOR_BITS)
            self.assertEqual(status, ERROR if exact is None else OVERFLOW if beyond else OK, case)
            if status == OK:
                self.assertEqual(Fraction(buffer.value.decode()), exact, case)
        for text in [b"", b"x", b"1/0", b"1.", b".5", b"1e", b"1e+", b"0x10", b"1e99999", b"- 1"]:
            self.assertEqual(EXACT.UTX_RationalArithmetic(ADD, text, b"1", buffer, 64), ERROR, text)
            self.assertEqual(EXACT.UTX_RationalArithmetic(ADD, b"1", text, buffer, 64), ERROR, text)
            status = EXACT.UTX_TimeScaledByRational(Time(), MULTIPLY, text, 1, Time())
            self.assertEqual(status, ERROR, text)
        self.assertEqual(EXACT.UTX_RationalArithmetic(7, b"1", b"1", buffer, 64), ERROR)
        text = b"16#1#E-1400 fs"  # 16^-5120: past the exponent bound
        self.assertEqual(EXACT.UTX_LiteralFemtoseconds(text, len(text), 1, buffer, 64, None), ERROR)
        self.assertEqual(EXACT.UTX_RationalArithmetic(DIVIDE, b"10", b"3", buffer, 4), ERROR)

    def test_literal_femtoseconds(self):
        rng = random.Random(SEED + 9)
        buffer = ctypes.create_string_buffer(RATIONAL_TEXT_SIZE)
        for text, value in (well_formed(rng) for _ in range(scaled(4000))):
            encoded = text.encode()
            record = Time()
            parsed = EXACT.UTX_ParseTimeLiteral(encoded, len(encoded), record, None)
            if parsed == OK:  # the record the exact value rounds to
                self.check(parsed, record, value, text, 1)
            for analog in (0, 1):
                status = EXACT.UTX_LiteralFemtoseconds(encoded, len(encoded), analog, buffer,
                                                       len(buffer), None)
                exact = value if analog else Fraction(math.trunc(value))
                case = "seed %d: %r analog %d" % (SEED, text, analog)
                # The parser's verdict on the text, then the range.
                expected = parsed if parsed != OK else OVERFLOW if abs(exact) > LIMIT else OK
                self.assertEqual(status, expected, case)
                if status == OK:
                    self.assertEqual(Fraction(buffer.value.decode()), exact, case)

    def test_bad_input(self):
        column, buffer = ctypes.c_size_t(0), ctypes.create_string_buffer(64)
        cases = {b"12 ns xyz": 7, b"1 ns + 1 ps": 6, b"": 1, b"  ": 3, b"+1 ns": 1,
                 b"1 ns)": 5, b"1.5 xs": 5, b"ns ns": 4}
        for text, expected in cases.items():
            for parse in (lambda at: EXACT.UTX_ParseTimeLiteral(text, len(text), Time(), at),
                          lambda at: EXACT.UTX_LiteralFemtoseconds(text, len(text), 1, buffer, 64, at)):
                self.assertEqual((parse(ctypes.byref(column)), column.value), (ERROR, expected), text)
        # The length bounds the text: what follows is never read.
        self.assertEqual(EXACT.UTX_ParseTimeLiteral(b"1 ns xyz", 4, Time(), None), OK)
        one = integer_record(1)
        self.assertEqual(EXACT.UTX_IntegerArithmetic(0, None, one, Integer()), ERROR)
        self.assertEqual(EXACT.UTX_IntegerArithmetic(QUOTIENT, one, one, Integer()), ERROR)
        self.assertEqual(EXACT.UTX_TimeArithmetic(QUOTIENT, Time(), Time(), 1, Time()), ERROR)
        self.assertEqual(EXACT.UTX_TimeArithmetic(MULTIPLY, Time(), Time(), 1, Time()), ERROR)
        self.assertEqual(EXACT.UTX_TimeScaledByInteger(Time(), ADD, one, 1, Time()), ERROR)
        self.assertEqual(EXACT.UTX_TimeFromFemtoseconds(None, 1, Time()), ERROR)
        self.assertEqual(EXACT.UTX_ParseTimeLiteral(None, 0, Time(), None), ERROR)

    def test_unit_table(self):  # names and sizes, and nothing outside it
        units = [(EXACT.UTX_UnitName(unit).decode(), EXACT.UTX_UnitFemtoseconds(unit))
                 for unit in range(EXACT.UTX_UnitCount())]
        self.assertEqual(units, list(zip(UNITS, UNIT_FS)))
        for outside in (-1, 8, 2**31 - 1):
            self.assertEqual((None, 0), (EXACT.UTX_UnitName(outside),
                                         EXACT.UTX_UnitFemtoseconds(outside)))


if __name__ == "__main__":
    unittest.main()
