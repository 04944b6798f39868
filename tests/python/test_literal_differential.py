"""Time.parse against the exact value of generated literals.

Each literal is built from random parts whose exact value is known as a
Fraction: decimal or based (bases 2 to 16), whole and fraction digit runs of
any length with single underscores and either letter case, signed exponents
written in the literal's base, a sign on decimal numbers, leading zeros,
white space and the unit in either case. The library's parser is exact:
with the analog flag set, ticks = floor(v) and the offset v - floor(v)
rounded to the nearest double (a rest that rounds to 1.0 carries into the
ticks); with the flag clear, ticks = v truncated toward zero and offset 0.0;
beyond +-(2^96 - 1) ticks it raises OverflowError.
"""
import random
import unittest
from fractions import Fraction

from case_counts import scaled
from universaltypes import Time, analog, set_analog

SEED = 20261209
LITERALS = scaled(30000)
MAX_TICKS = 2**96 - 1
FEMTOSECONDS = {"fs": 1, "ps": 10**3, "ns": 10**6, "us": 10**9, "ms": 10**12,
                "sec": 10**15, "min": 6 * 10**16, "hr": 36 * 10**17}
DIGIT_TEXT = "0123456789abcdef"


class LiteralMaker:
    """Random literals with their exact values in femtoseconds."""

    def __init__(self, rng):
        self.rng = rng

    def run(self, base, length):
        """A digit run and the digits' value, e.g. ('1_0F', 271) in base 16."""
        values = [self.rng.randrange(base) for _ in range(length)]
        pieces = []
        for index, value in enumerate(values):
            digit = DIGIT_TEXT[value]
            pieces.append(("_" if index and self.rng.random() < 0.1 else "")
                          + (digit.upper() if self.rng.random() < 0.5 else digit))
        return "".join(pieces), sum(v * base**(length - 1 - i) for i, v in enumerate(values))

    def written_in(self, value, base):
        digits = ""
        while True:
            digits = DIGIT_TEXT[value % base] + digits
            value //= base
            if value == 0:
                return "0" * self.rng.choice((0, 0, 2)) + digits

    def exponent(self, base):
        """('E-12', 1/base^18) style: text after the mantissa and its factor."""
        amount = self.rng.choice((0, 1, 2, 3, 5, 9, 20, 40, 90))
        sign = self.rng.choice(("", "+", "-"))
        factor = Fraction(base) ** (-amount if sign == "-" else amount)
        return self.rng.choice("eE") + sign + self.written_in(amount, base), factor

    def number(self):
        based = self.rng.random() < 0.4
        base = self.rng.randint(2, 16) if based else 10
        whole, value = self.run(base, self.rng.choice((1, 1, 2, 3, 4, 8, 16, 31)))
        whole = "0" * self.rng.choice((0, 0, 0, 1, 35)) + whole
        mantissa, value = whole, Fraction(value)
        if self.rng.random() < 0.6:
            length = self.rng.choice((1, 2, 5, 15, 27, 28, 45))
            fraction, numerator = self.run(base, length)
            mantissa, value = mantissa + "." + fraction, value + Fraction(numerator, base**length)
        exponent = ""
        if self.rng.random() < 0.4:
            exponent, factor = self.exponent(base)
            value *= factor
        if based:
            # Base 10 may also be written as nothing or zeros: '#12#', '0#12#'.
            prefixes = ("", "0", "10") if base == 10 else (str(base), "0" + str(base))
            prefix = self.rng.choice(prefixes)
            return "%s#%s#%s" % (prefix, mantissa, exponent), value
        sign = self.rng.choice(("", "", "-", "+"))
        return sign + mantissa + exponent, -value if sign == "-" else value

    def literal(self):
        number, value = self.number()
        unit = self.rng.choice(list(FEMTOSECONDS))
        written_unit = "".join(c.upper() if self.rng.random() < 0.3 else c for c in unit)
        text = self.space(0) + number + self.space(1) + written_unit + self.space(0)
        return text, value * FEMTOSECONDS[unit]

    def space(self, least):
        return "".join(self.rng.choice(" \t") for _ in range(self.rng.randint(least, 2)))


def expected_record(value, analog_exists):
    """(ticks, offset) the parser must give, or OverflowError."""
    if analog_exists:
        ticks = value.numerator // value.denominator
        rest = value - ticks
        offset = rest.numerator / rest.denominator  # int / int rounds correctly
        if offset == 1.0:
            ticks, offset = ticks + 1, 0.0
    else:
        ticks, offset = int(value), 0.0
    return OverflowError if abs(ticks) > MAX_TICKS else (ticks, offset)


def parsed_record(text):
    try:
        time = Time.parse(text)
    except OverflowError:
        return OverflowError
    return int(time.ticks), time.offset


class LiteralDifferentialTest(unittest.TestCase):
    def setUp(self):
        self.addCleanup(set_analog, analog())

    def check_literals(self, analog_exists, seed):
        set_analog(analog_exists)
        maker = LiteralMaker(random.Random(seed))
        failures, overflows = [], 0
        for _ in range(LITERALS):
            text, value = maker.literal()
            want = expected_record(value, analog_exists)
            overflows += want is OverflowError
            got = parsed_record(text)
            if want != got:
                failures.append("%r: expected %r, got %r" % (text, want, got))
        self.assertGreater(overflows, LITERALS // 50, "the generator must reach the range's end")
        self.assertEqual([], failures[:10], "seed %d, analog %s, %d literals, %d mismatches"
                         % (seed, analog_exists, LITERALS, len(failures)))

    def test_exact_with_the_analog_flag_set(self):
        self.check_literals(True, SEED)

    def test_truncated_with_the_analog_flag_clear(self):
        self.check_literals(False, SEED + 1)


if __name__ == "__main__":
    unittest.main()
