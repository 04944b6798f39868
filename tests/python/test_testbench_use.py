"""A testbench author's habits with times; random operands are the properties'."""
import math
import unittest
from decimal import Decimal
from fractions import Fraction

from universaltypes import Frequency, Integer, Time, analog, set_analog


class TestbenchUseTest(unittest.TestCase):
    def setUp(self):
        self.addCleanup(set_analog, analog())
        set_analog(True)

    def test_a_float_is_the_decimal_it_was_typed_as(self):  # random floats: the properties
        double = Time.from_fraction(Fraction(1.2), "ns")  # the exact double: one explicit step
        self.assertLess(double, Time(1.2, "ns"))
        self.assertEqual(1200, double.steps("ps", round_mode="round"))
        self.assertEqual("Time('1.5 ns')", repr(Time(1.5e-9, "sec")))
        self.assertEqual(Time.from_fraction(Fraction("0.1"), "ns"), Time.from_fraction(0.1, "ns"))

    def test_units_are_named_in_any_case(self):
        self.assertEqual(Frequency(250, "mhz"), Frequency(0.25, "GHZ"))  # times: the properties
        with self.assertRaisesRegex(ValueError, "fs ps ns us ms sec min hr"):
            Time(1, "nsec")
        with self.assertRaisesRegex(ValueError, "Hz kHz MHz GHz THz"):
            Frequency(1, "mHzz")
        with self.assertRaises(TypeError):
            Time(1, 3)

    def test_rounding_to_a_number_points_to_steps(self):
        for rounding in (round, math.floor, math.ceil, math.trunc, int):
            with self.subTest(rounding=rounding), \
                    self.assertRaisesRegex(TypeError, r"t\.steps\(resolution, round_mode="):
                rounding(Time("1.5 ns"))

    def test_frequencies_and_periods_are_exact_and_zero_divisors_raise(self):
        self.assertEqual(Time("4 ns"), Time.from_frequency(250e6))
        self.assertEqual(Fraction(1000, 3), Frequency("1 MHz") / Frequency("3 kHz"))
        self.assertEqual(["1000/3 MHz", "-2 GHz", "0 Hz", "250000 kHz"],
                         [str(1 / Time("3 ns")), str(Frequency(-2, "GHz")), str(Frequency(0)),
                          format(Frequency(250, "MHz"), "KHZ")])
        for bad, error in ((lambda: Time(0).frequency, ZeroDivisionError),
                           (lambda: Time("10 ns") // 0, ZeroDivisionError),
                           (lambda: Time("10 ns") % 0.0, ZeroDivisionError),
                           (lambda: divmod(Time("10 ns"), Decimal(0)), ZeroDivisionError),
                           (lambda: Frequency(2**96, "THz"), OverflowError),
                           (lambda: Frequency("250 MHz and more"), ValueError)):
            with self.assertRaises(error):
                bad()

    def test_steps_take_resolutions_as_simulators_state_them(self):
        for resolution, count in (("10 ps", 10**11), (-12, 10**12), (0, 1)):  # times: the properties
            self.assertEqual(count, Time("1 sec").steps(resolution))
        with self.assertRaisesRegex(ValueError, "power of ten"):
            Time("1 ns").steps("step")
        for bad, error in ((-16, ValueError), (14, ValueError), ("0 ps", ValueError),
                           (1e-12, TypeError)):
            with self.subTest(resolution=bad), self.assertRaises(error):
                Time("1 ns").steps(bad)
        with self.assertRaisesRegex(ValueError, "cannot represent 2.5 ps exactly at a resolution "
                                                "of 1 ps .*; pass round_mode="):
            Time("2.5 ps").steps("ps")
        with self.assertRaisesRegex(ValueError, "round_mode is one of"):
            Time("2.5 ps").steps("ps", "nearest")  # type: ignore[arg-type]

    def test_huge_and_tiny_values_round_or_raise_at_once(self):
        self.assertEqual(2**95 + Fraction(1, 2**1000),
                         Time.from_fraction(2**95 + Fraction(1, 2**1000)).to_fraction())
        self.assertEqual(Time(8), Time.from_fraction(7 + Fraction(2**3000 - 1, 2**3000)))
        for tiny in (Fraction(1, 10**5000), Decimal("1E-999999"), -Fraction(1, 3**9000)):
            self.assertEqual(Time(0), Time(tiny, "fs"))
            self.assertEqual(Time(0), Time("1 hr") * tiny)
        for huge in (Decimal("1E+999999"), Fraction(10**5000, 3), 2**(10**6)):
            with self.assertRaisesRegex(OverflowError, "beyond the 96-bit range"):
                Time(huge, "fs")
            with self.assertRaises(OverflowError):
                Time("1 fs") * huge
            self.assertEqual(Time(0), Time(0) * huge)
            self.assertEqual(Time(0), Time("1 hr") / huge)
        self.assertEqual(Time(0), Time(-5e-324, "fs"))  # the rest rounds to 1 and carries
        with self.assertRaises(ValueError):
            Time(Decimal("NaN"), "fs")
        for too_large in (lambda: Integer(7) ** 2**200, lambda: Integer(2) ** 10**8,
                          lambda: Integer(1) << 10**9, lambda: 2 ** Integer(96),
                          lambda: 1 << Integer(96), lambda: Integer(2**95) * 2):
            with self.assertRaisesRegex(OverflowError, "96-bit range"):
                too_large()
        self.assertEqual(0, round(Integer(7), -10**9))

    def test_a_signed_based_literal_says_what_is_wrong(self):
        with self.assertRaisesRegex(ValueError, "based literal takes no sign"):
            Time.parse("-16#F# ns")
        self.assertEqual(Time(-15, "ns"), -Time.parse("16#F# ns"))


if __name__ == "__main__":
    unittest.main()
