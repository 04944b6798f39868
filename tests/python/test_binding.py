"""The binding's mapping onto the library: operators, images, exceptions
for each status code, the process-wide switches and the conversions."""
import random
import unittest
from fractions import Fraction

from universaltypes import Integer, Real, Time, analog, set_analog, set_based_literals

MAX = 2**96 - 1


class SwitchesRestored(unittest.TestCase):
    def setUp(self):
        self.addCleanup(set_analog, analog())
        self.addCleanup(set_based_literals, True)


class TimeTextTest(SwitchesRestored):
    def test_images_are_the_librarys(self):
        third = Time.parse("16#FF# ns") / 3
        self.assertEqual("85 ns", str(third))
        self.assertEqual("85000 ps", format(third, "ps"))
        self.assertEqual("85 ns", f"{third}")
        self.assertEqual("1e+7 fs", format(Time(10**7), "fs"))
        self.assertEqual("-1.5 ns", str(-Time.parse("1.5 ns")))
        with self.assertRaises(ValueError):
            format(third, "xs")

    def test_parse_maps_status_codes_to_exceptions(self):
        for text in ("1ns", "", "1 xs", "1__0 ps", "17#1# ns", "1 ns\0"):
            with self.subTest(text=text), self.assertRaises(ValueError):
                Time.parse(text)
        with self.assertRaises(OverflowError):
            Time.parse("79228162514264337593543950336 fs")
        self.assertEqual(MAX, int(Time.parse("79228162514264337593543950335 fs").ticks))

    def test_switches_reach_the_parser(self):  # its exactness: the literal oracle's
        self.assertEqual((1, 0.5), (int(Time.parse("1.5 fs").ticks), Time.parse("1.5 fs").offset))
        set_analog(False)
        self.assertEqual((1, 0.0), (int(Time.parse("1.5 fs").ticks), Time.parse("1.5 fs").offset))
        set_based_literals(False)
        with self.assertRaises(ValueError):
            Time.parse("16#FF# ns")


class TimeArithmeticTest(SwitchesRestored):
    def test_operators_are_exact(self):
        ns = Time.parse("1 ns")
        self.assertEqual(Time.parse("999.995 ps"), ns - Time(Integer(5)))
        self.assertEqual(Time.parse("4.5 ns"), 3 * Time.parse("1.5 ns"))
        self.assertEqual(Time.parse("500 ps"), ns * Real(0.5))
        self.assertEqual(Time.parse("250 ps"), ns / Integer(4))
        self.assertEqual(Time.parse("2.5 fs"), Time(10) / 4)
        self.assertEqual(2**31, int((Time(1) * 2**31).ticks))
        self.assertEqual(Time(1), Time(10**18) / 10**18)
        self.assertEqual(Time("6.4 ns"), Time("1 sec") / Fraction("156.25e6"))

    def test_plain_numbers_do_not_mix_with_times(self):
        for operation in (lambda t: t + 1.5, lambda t: 1 + t, lambda t: t < 1.5,
                          lambda t: t - Integer(1), lambda t: t == 0):
            with self.assertRaisesRegex(TypeError, r"Time\(x, 'sec'\)"):
                operation(Time("1 ns"))

    def test_failures_raise_by_status(self):
        with self.assertRaises(OverflowError):
            Time(MAX) + Time(1)
        with self.assertRaises(OverflowError):
            Time("1 hr") * 2000000000 * 2000000000
        with self.assertRaises(ZeroDivisionError):
            Time(5) / 0
        with self.assertRaises(ZeroDivisionError):
            Time(5) / 0.0
        with self.assertRaises(ValueError):
            Time(5) * float("nan")

    def test_comparisons_and_hashes_follow_the_analog_flag(self):
        half = Time(1) / 2
        self.assertTrue(half > Time(0) and half != Time(0) and Time(0) < half and half)
        set_analog(False)
        self.assertTrue(half == Time(0) and not half != Time(0) and not half)
        self.assertEqual(hash(Time(0)), hash(half))


    def test_real_operators_are_double_operations(self):
        rng = random.Random(7)
        for _ in range(200):
            a, b = rng.uniform(-1e6, 1e6), rng.uniform(-1e6, 1e6)
            self.assertEqual([a + b, a - b, a * b, a / b, b - a, a / b < 1.0],
                             [float(Real(a) + b), float(Real(a) - Real(b)), float(Real(a) * b),
                              float(Real(a) / Real(b)), float(b - Real(a)), Real(a) / b < 1.0])


class ConversionTest(unittest.TestCase):
    def test_ints_and_fractions_round_trip(self):
        rng = random.Random(11)
        for _ in range(500):
            value = rng.randint(-MAX, MAX)
            self.assertEqual(Fraction(value), Integer(Fraction(value)).to_fraction())
            exact = Fraction(rng.randint(-MAX, MAX), rng.randint(1, 2**20))
            time = Time.from_fraction(exact)
            self.assertTrue(0.0 <= time.offset < 1.0)
            self.assertLessEqual(abs(time.to_fraction() - exact), Fraction(1, 2**53))
            self.assertEqual(time, Time.from_fraction(time.to_fraction()))

    def test_from_fraction_carries_a_rest_that_rounds_to_one(self):
        time = Time.from_fraction(Fraction(-1, 2**60))
        self.assertEqual((0, 0.0), (int(time.ticks), time.offset))
        with self.assertRaises(TypeError):
            Integer(Fraction(1, 2))


if __name__ == "__main__":
    unittest.main()
