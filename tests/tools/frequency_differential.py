"""Frequencies in the calculator against Python's exact fractions: one over a
time is a frequency in the largest unit in which it is at least 1 and a
decimal (else the exact fraction in the largest in which it is at least 1),
one over a frequency is the exact time, and a frequency times a time is the
exact count. Random operands, a fixed seed.

Usage: frequency_differential.py UTCALC [EMULATOR...]
"""
import os
import random
import re
import subprocess
import sys
import unittest
from fractions import Fraction

COMMAND = sys.argv[1:]
SEED = 18
CASES = 300 // max(1, int(os.environ.get("UTYPES_TEST_SCALE", "1")))
FREQUENCY_UNITS = [("THz", 10**12), ("GHz", 10**9), ("MHz", 10**6), ("kHz", 10**3)]
LINE_ERROR = re.compile(r"^utcalc: line (\d+), column \d+: (.*)$")


def decimal_text(value):
    """The exact decimal of a fraction whose denominator is 2^a 5^b, else None."""
    rest = value.denominator
    for prime in (2, 5):
        while rest % prime == 0:
            rest //= prime
    if rest != 1:
        return None
    places = 0
    while (value * 10**places).denominator != 1:
        places += 1
    digits = str(abs(value * 10**places).numerator).rjust(places + 1, "0")
    whole, fraction = digits[: len(digits) - places], digits[len(digits) - places :].rstrip("0")
    return ("-" if value < 0 else "") + whole + ("." + fraction if fraction else "")


def exact_text(value):
    """The decimal where there is one, else the fraction in lowest terms."""
    text = decimal_text(value)
    return text if text is not None else "%d/%d" % (value.numerator, value.denominator)


def frequency_image(hertz):
    units = [(unit, size) for unit, size in FREQUENCY_UNITS if abs(hertz) >= size]
    for unit, size in units:
        text = decimal_text(hertz / size)
        if text is not None:
            return text + " " + unit
    unit, size = units[0] if units else ("Hz", 1)
    return exact_text(hertz / size) + " " + unit


def random_decimal(generator, most_digits, most_places):
    """Up to 10^most_digits with up to most_places places: half the time any
    decimal, else one of the form 2^a 5^b / 10^c, whose reciprocal and
    products are often decimals and doubles again."""
    largest = 10 ** generator.randint(0, most_digits)
    places = generator.randint(0, most_places)
    if generator.random() < 0.5:
        whole = generator.randint(1, largest)
        return "%d.%0*d" % (whole, places, generator.randint(0, 10**places - 1)) if places else str(whole)
    value = Fraction(2 ** generator.randint(0, 20) * 5 ** generator.randint(0, 8), 10 ** places)
    return decimal_text(min(value, Fraction(largest)) if value > largest else value)


class FrequencyDifferential(unittest.TestCase):
    def run_lines(self, lines):
        result = subprocess.run(COMMAND, input="\n".join(lines) + "\n", capture_output=True,
                                text=True, check=False)
        errors = {}
        for line in result.stderr.splitlines():
            match = LINE_ERROR.match(line)
            self.assertIsNotNone(match, line)
            errors[int(match.group(1))] = match.group(2)
        answers = iter(result.stdout.splitlines())
        return [errors.get(number) or ("=", next(answers)) for number in range(1, len(lines) + 1)]

    def check(self, seed_offset, make_case):
        """make_case(generator) gives (line, expected answer); CASES of them
        from one seed."""
        seed = SEED + seed_offset
        generator = random.Random(seed)
        cases = [make_case(generator) for _ in range(CASES)]
        outcomes = self.run_lines([line for line, _ in cases])
        for (line, expected), outcome in zip(cases, outcomes):
            with self.subTest(line=line, seed=seed):
                self.assertEqual(outcome, ("=", expected), "%s (seed %d)" % (line, seed))

    def test_one_over_a_time_is_a_frequency(self):
        def case(generator):
            picoseconds = random_decimal(generator, 9, 3)
            return ("1 / %s ps" % picoseconds,
                    frequency_image(Fraction(10**12) / Fraction(picoseconds)))

        self.check(0, case)

    def test_one_over_a_frequency_is_the_exact_time(self):
        def case(generator):
            megahertz = random_decimal(generator, 6, 4)
            return ("1 / %s MHz in fs" % megahertz,
                    exact_text(Fraction(10**9) / Fraction(megahertz)) + " fs")

        self.check(1, case)

    def test_a_frequency_times_a_time_is_an_exact_count(self):
        def case(generator):
            megahertz = random_decimal(generator, 4, 3)
            nanoseconds = random_decimal(generator, 5, 3)
            if generator.random() < 0.3:  # n / 2^k MHz over microseconds: decimal counts
                megahertz = decimal_text(Fraction(generator.randint(1, 10**4), 2 ** generator.randint(0, 9)))
                nanoseconds = str(1000 * generator.randint(1, 10**4))
            count = Fraction(megahertz) * Fraction(nanoseconds) / 1000
            return ("%s MHz * %s ns" % (megahertz, nanoseconds), exact_text(count))

        self.check(2, case)

if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
