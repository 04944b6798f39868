"""The binding's images, library-typed operands, status exceptions, switches and Real."""
import random
import unittest
from fractions import Fraction

from universaltypes import Integer, Real, Time, analog, set_analog, set_based_literals

MAX = 2**96 - 1


class BindingTest(unittest.TestCase):
    def setUp(self):
        self.addCleanup(set_analog, analog())
        self.addCleanup(set_based_literals, True)

    def test_images_are_the_librarys(self):
        third = Time.parse("16#FF# ns") / 3
        self.assertEqual(("85 ns", "85000 ps", "85 ns"),
                         (str(third), format(third, "ps"), f"{third}"))
        self.assertEqual("1e+7 fs", format(Time(10**7), "fs"))
        self.assertEqual("-1.5 ns", str(-Time.parse("1.5 ns")))
        with self.assertRaises(ValueError):
            format(third, "xs")

    def test_library_operands_are_exact(self):
        ns = Time.parse("1 ns")
        self.assertEqual(Time.parse("999.995 ps"), ns - Time(Integer(5)))
        self.assertEqual(Time.parse("500 ps"), ns * Real(0.5))
        self.assertEqual(Time.parse("250 ps"), ns / Integer(4))
        with self.assertRaises(TypeError):
            Integer(Fraction(1, 2))

    def test_status_codes_raise_their_exceptions(self):
        for text in ("1ns", "", "1 xs", "1__0 ps", "17#1# ns", "1 ns\0"):
            with self.subTest(text=text), self.assertRaises(ValueError):
                Time.parse(text)
        self.assertEqual(MAX, int(Time.parse("79228162514264337593543950335 fs").ticks))
        for failing, error in ((lambda: Time.parse("%d fs" % (MAX + 1)), OverflowError),
                               (lambda: Time(MAX) + Time(1), OverflowError),
                               (lambda: Time("1 hr") * 2000000000 * 2000000000, OverflowError),
                               (lambda: Time(5) / 0, ZeroDivisionError),
                               (lambda: Time(5) / 0.0, ZeroDivisionError),
                               (lambda: Time(5) * float("nan"), ValueError)):
            with self.assertRaises(error):
                failing()

    def test_plain_numbers_do_not_mix_with_times_yet_sum_needs_no_start(self):
        self.assertEqual(Time("3 ns"), sum([Time("1 ns"), Time("2 ns")]))
        for operation in (lambda t: t + 1.5, lambda t: 1 + t, lambda t: t < 1.5, lambda t: t + 0,
                          lambda t: t - Integer(1), lambda t: t == 0):
            with self.assertRaisesRegex(TypeError, r"Time\(x, 'sec'\)"):
                operation(Time("1 ns"))

    def test_switches_reach_the_parser_comparisons_and_hashes(self):
        half = Time(1) / 2
        self.assertEqual((1, 0.5), (int(Time.parse("1.5 fs").ticks), Time.parse("1.5 fs").offset))
        self.assertTrue(half > Time(0) and half != Time(0) and Time(0) < half and half)
        set_analog(False)
        self.assertEqual((1, 0.0), (int(Time.parse("1.5 fs").ticks), Time.parse("1.5 fs").offset))
        self.assertTrue(half == Time(0) and not half != Time(0) and not half)
        self.assertEqual(hash(Time(0)), hash(half))
        set_based_literals(False)
        with self.assertRaises(ValueError):
            Time.parse("16#FF# ns")

    def test_real_operators_are_double_operations(self):
        rng = random.Random(7)
        for _ in range(200):
            a, b = rng.uniform(-1e6, 1e6), rng.uniform(-1e6, 1e6)
            self.assertEqual([a + b, a - b, a * b, a / b, b - a, a / b < 1.0],
                             [float(Real(a) + b), float(Real(a) - Real(b)), float(Real(a) * b),
                              float(Real(a) / Real(b)), float(b - Real(a)), Real(a) / b < 1.0])


if __name__ == "__main__":
    unittest.main()
