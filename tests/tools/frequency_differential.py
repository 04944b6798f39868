"""The calculator's frequencies against Python's fractions: 1 / time in the
largest unit where it is at least 1 and a decimal (else the fraction in the
largest where it is at least 1), 1 / frequency and frequency * time exact.

Usage: frequency_differential.py UTCALC [EMULATOR...]
"""
import os
import random
import re
import subprocess
import sys
import unittest
from fractions import Fraction

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "python"))
from case_counts import scaled  # noqa: E402

COMMAND = sys.argv[1:]
SEED = 18
CASES = scaled(300)
FREQUENCY_UNITS = [("THz", 10**12), ("GHz", 10**9), ("MHz", 10**6), ("kHz", 10**3)]
LINE_ERROR = re.compile(r"^utcalc: line (\d+), column \d+: (.*)$")


def decimal_text(value):
    """The exact decimal, or None: a denominator 2^a 5^b needs max(a, b) places, fewer than its bits."""
    places = next((places for places in range(value.denominator.bit_length() + 1)
                   if (value * 10**places).denominator == 1), None)
    if places is None:
        return None
    whole, fraction = divmod(abs(value * 10**places).numerator, 10**places)
    fraction = str(fraction).rjust(places, "0").rstrip("0")
    return ("-" if value < 0 else "") + str(whole) + ("." + fraction if fraction else "")


def exact_text(value):
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
    """Half the time any decimal, else 2^a 5^b / 10^c, whose reciprocal and products often are too."""
    largest = 10 ** generator.randint(0, most_digits)
    places = generator.randint(0, most_places)
    if generator.random() < 0.5:
        whole = generator.randint(1, largest)
        return "%d.%0*d" % (whole, places, generator.randint(0, 10**places - 1)) if places else str(whole)
    value = Fraction(2 ** generator.randint(0, 20) * 5 ** generator.randint(0, 8), 10 ** places)
    return decimal_text(min(value, Fraction(largest)))


def one_over_a_time(generator):
    picoseconds = random_decimal(generator, 9, 3)
    return "1 / %s ps" % picoseconds, frequency_image(Fraction(10**12) / Fraction(picoseconds))


def one_over_a_frequency(generator):
    megahertz = random_decimal(generator, 6, 4)
    return "1 / %s MHz in fs" % megahertz, exact_text(Fraction(10**9) / Fraction(megahertz)) + " fs"


def a_frequency_times_a_time(generator):
    megahertz = random_decimal(generator, 4, 3)
    nanoseconds = random_decimal(generator, 5, 3)
    if generator.random() < 0.3:  # n / 2^k MHz over microseconds: decimal counts
        megahertz = decimal_text(Fraction(generator.randint(1, 10**4), 2 ** generator.randint(0, 9)))
        nanoseconds = str(1000 * generator.randint(1, 10**4))
    count = Fraction(megahertz) * Fraction(nanoseconds) / 1000
    return "%s MHz * %s ns" % (megahertz, nanoseconds), exact_text(count)


class FrequencyDifferential(unittest.TestCase):
    def test_answers_are_the_exact_ones(self):
        for offset, make_case in enumerate([one_over_a_time, one_over_a_frequency,
                                            a_frequency_times_a_time]):
            generator = random.Random(SEED + offset)
            cases = [make_case(generator) for _ in range(CASES)]
            result = subprocess.run(COMMAND, input="".join(line + "\n" for line, _ in cases),
                                    capture_output=True, text=True, check=False)
            errors = [LINE_ERROR.match(line) for line in result.stderr.splitlines()]
            answers = iter(result.stdout.splitlines())
            failed = {int(match.group(1)): match.group(2) for match in errors if match}
            self.assertEqual(len(failed), len(errors), result.stderr)
            for number, (line, expected) in enumerate(cases, 1):
                answer = failed.get(number) or next(answers)
                self.assertEqual(answer, expected, "%s (seed %d)" % (line, SEED + offset))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
