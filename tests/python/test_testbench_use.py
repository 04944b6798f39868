"""What a testbench author does with times, as cocotb habits have it:
floats as typed, units in any case, sum/round/floor, // and % by numbers,
frequencies and periods, steps at a simulator's precision, and values at
the edges of what a record holds or Python can write."""
import math
import unittest
from decimal import Decimal
from fractions import Fraction

from universaltypes import Frequency, Integer, Time, analog, set_analog


class AnalogRestored(unittest.TestCase):
    def setUp(self):
        self.addCleanup(set_analog, analog())
        set_analog(True)


class FloatsTest(AnalogRestored):
    def test_a_float_is_the_decimal_it_was_typed_as(self):
        self.assertEqual(1200, Time(1.2, "ns").steps("ps"))
        self.assertEqual(Time("0.1 ns"), Time(0.1, "ns"))
        self.assertEqual("Time('1.5 ns')", repr(Time(1.5e-9, "sec")))
        self.assertEqual(Time("100 ps"), Time("1 ns") * 0.1)
        self.assertEqual(Time("10 ns"), Time("1 ns") / 0.1)
        self.assertEqual(Time(3333333), Time("1 ns") // 0.3)
        self.assertEqual(Time.from_fraction(Fraction("0.1"), "ns"), Time.from_fraction(0.1, "ns"))

    def test_the_exact_double_is_one_explicit_step_away(self):
        double = Time.from_fraction(Fraction(1.2), "ns")
        self.assertNotEqual(Time(1.2, "ns"), double)
        self.assertLess(double, Time(1.2, "ns"))
        with self.assertRaisesRegex(ValueError, "round_mode="):
            double.steps("ps")
        self.assertEqual(1200, double.steps("ps", round_mode="round"))


class UnitsTest(unittest.TestCase):
    def test_units_are_named_in_any_case(self):
        self.assertEqual(Time("1.5 ns"), Time(1.5, "NS"))
        self.assertEqual(Time("2 ps"), Time(2, "Ps"))
        self.assertEqual(2000, Time("2 ns").steps("PS"))
        self.assertEqual(Time(1, "sec"), Time(1, "s"))
        self.assertEqual(Time(1, "SEC"), Time(1, "S"))
        self.assertEqual(Fraction(3, 2), Time("1.5 ns").to("NS"))
        self.assertEqual("1500 ps", format(Time("1.5 ns"), "PS"))
        self.assertEqual(Frequency(250, "mhz"), Frequency(0.25, "GHZ"))

    def test_an_unknown_unit_names_the_known_ones(self):
        with self.assertRaisesRegex(ValueError, "fs ps ns us ms sec min hr"):
            Time(1, "nsec")
        with self.assertRaisesRegex(ValueError, "Hz kHz MHz GHz THz"):
            Frequency(1, "mHzz")
        with self.assertRaises(TypeError):
            Time(1, 3)


class ProtocolsTest(AnalogRestored):
    def test_sum_needs_no_start(self):
        self.assertEqual(Time("3 ns"), sum([Time("1 ns"), Time("2 ns")]))
        self.assertEqual(0, sum([]))
        with self.assertRaisesRegex(TypeError, "Time\\(x, 'sec'\\)"):
            Time("1 ns") + 0

    def test_rounding_to_a_number_points_to_steps(self):
        for rounding in (round, math.floor, math.ceil, math.trunc, int):
            with self.subTest(rounding=rounding), \
                    self.assertRaisesRegex(TypeError, r"t\.steps\(resolution, round_mode="):
                rounding(Time("1.5 ns"))

    def test_a_zero_divisor_raises(self):  # the rest: the number division property
        for divide in (lambda: Time("10 ns") // 0, lambda: Time("10 ns") % 0.0,
                       lambda: divmod(Time("10 ns"), Decimal(0))):
            with self.assertRaises(ZeroDivisionError):
                divide()


class FrequencyTest(AnalogRestored):
    def test_periods_and_frequencies_are_exact(self):
        self.assertEqual(Frequency(250, "MHz"), 1 / Time("4 ns"))
        self.assertEqual(Time("4 ns"), Time.from_frequency(250e6))
        self.assertEqual(Time("4 ns"), Time.from_frequency(Frequency("250 MHz")))
        self.assertEqual(Time("6.4 ns"), Frequency("156.25 MHz").period)
        self.assertEqual(Frequency("156.25 MHz"), Time("6.4 ns").frequency)
        self.assertEqual(Time("8 ns"), 2 / Frequency(250, "MHz"))
        self.assertEqual(Fraction(250), Time("1 us") * Frequency(250, "MHz"))
        self.assertEqual(Fraction(1000, 3), Frequency("1 MHz") / Frequency("3 kHz"))

    def test_text_is_the_calculators(self):
        cases = {Frequency(250, "MHz"): "250 MHz", Frequency("156.25 MHz"): "156.25 MHz",
                 1 / Time("3 ns"): "1000/3 MHz", 1 / Time("1 fs"): "1000 THz",
                 Frequency(999): "999 Hz", Frequency(1500): "1.5 kHz",
                 Frequency(-2, "GHz"): "-2 GHz", Frequency(0): "0 Hz"}
        for frequency, text in cases.items():
            self.assertEqual(text, str(frequency))
            self.assertEqual(frequency, eval(repr(frequency), {"Frequency": Frequency}))
        self.assertEqual("250000 kHz", format(Frequency(250, "MHz"), "KHZ"))

    def test_bad_frequencies_raise(self):
        with self.assertRaises(ZeroDivisionError):
            Time.from_frequency(0)
        with self.assertRaises(ZeroDivisionError):
            Time(0).frequency
        with self.assertRaises(OverflowError):
            Frequency(2**96, "THz")
        with self.assertRaises(ValueError):
            Frequency("250 MHz and more")


class StepsTest(AnalogRestored):
    def test_resolutions_as_simulators_state_them(self):
        self.assertEqual(100, Time("1 ns").steps("10 ps"))
        self.assertEqual(1000, Time("1 ns").steps(-12))
        self.assertEqual(1, Time("1 sec").steps(0))
        self.assertEqual(10**6, Time("1 ns").steps(-15))
        self.assertEqual(4, Time("1 ns").steps(Time("250 ps")))
        with self.assertRaisesRegex(ValueError, "power of ten"):
            Time("1 ns").steps("step")
        for precision in (-16, 14, 10**9):
            with self.assertRaises(ValueError):
                Time("1 ns").steps(precision)
        with self.assertRaises(TypeError):
            Time("1 ns").steps(1e-12)
        with self.assertRaises(ValueError):
            Time("1 ns").steps("0 ps")

    def test_round_modes_keep_cocotbs_names(self):
        for text, floor, ceil, nearest in (("2.5 ps", 2, 3, 2), ("3.5 ps", 3, 4, 4),
                                           ("-2.5 ps", -3, -2, -2), ("2.6 ps", 2, 3, 3)):
            time = Time(text)
            self.assertEqual((floor, ceil, nearest),
                             (time.steps("ps", "floor"), time.steps("ps", round_mode="ceil"),
                              time.steps("ps", "round")))
        with self.assertRaisesRegex(ValueError, "cannot represent 2.5 ps exactly at a resolution "
                                                "of 1 ps .*; pass round_mode="):
            Time("2.5 ps").steps("ps")
        with self.assertRaisesRegex(ValueError, "round_mode is one of"):
            Time("2.5 ps").steps("ps", "nearest")  # type: ignore[arg-type]


class EdgeValuesTest(AnalogRestored):
    def test_a_subnormal_offset_has_an_exact_value(self):
        time = Time(5, "fs") + Time(5e-324, "fs")
        self.assertEqual(5 + Fraction(1, 2**1074), time.to_fraction())
        self.assertNotEqual(hash(Time(5)), hash(time))
        self.assertTrue(time)
        self.assertEqual(5e-15, float(time))
        self.assertEqual(1, time / time)
        self.assertEqual(time, eval(repr(time), {"Time": Time}))
        self.assertEqual(1 / time, Frequency(str(1 / time)))
        tiny = Frequency.from_fraction(Fraction(3, 2**2047))
        self.assertEqual(tiny, Frequency(str(tiny)))
        self.assertEqual(Time(0), Time(-5e-324, "fs"))  # the rest rounds to 1 and carries

    def test_huge_and_tiny_values_round_or_raise(self):
        time = Time.from_fraction(2**95 + Fraction(1, 2**1000))
        self.assertEqual(2**95 + Fraction(1, 2**1000), time.to_fraction())
        near_one = Time.from_fraction(7 + Fraction(2**3000 - 1, 2**3000))
        self.assertEqual(Time(8), near_one)
        for tiny in (Fraction(1, 10**5000), Decimal("1E-999999"), Decimal("-1E-999999"),
                     -Fraction(1, 3**9000)):
            self.assertEqual(Time(0), Time(tiny, "fs"))
            self.assertEqual(Time(0), Time("1 hr") * tiny)
        for huge in (Decimal("1E+999999"), Fraction(10**5000, 3), 2**(10**6)):
            with self.assertRaisesRegex(OverflowError, "beyond the 96-bit range"):
                Time(huge, "fs")
            with self.assertRaises(OverflowError):
                Time("1 fs") * huge
            self.assertEqual(Time(0), Time(0) * huge)
            self.assertEqual(Time(0), Time("1 hr") / huge)
        with self.assertRaises(ValueError):
            Time(Decimal("NaN"), "fs")


class IntegerSizesTest(unittest.TestCase):
    def test_powers_and_shifts_past_the_range_raise_at_once(self):
        for too_large in (lambda: Integer(7) ** 2**200, lambda: Integer(2) ** 10**8,
                          lambda: Integer(1) << 10**9, lambda: 2 ** Integer(96),
                          lambda: 1 << Integer(96), lambda: Integer(2**95) * 2):
            with self.assertRaisesRegex(OverflowError, "96-bit range"):
                too_large()
        self.assertEqual(0, round(Integer(7), -10**9))


class LiteralsTest(unittest.TestCase):
    def test_a_signed_based_literal_says_what_is_wrong(self):
        with self.assertRaisesRegex(ValueError, "based literal takes no sign"):
            Time.parse("-16#F# ns")
        self.assertEqual(Time(-15, "ns"), -Time.parse("16#F# ns"))
        self.assertEqual(Time(-15, "ns"), Time.parse("-15 ns"))


if __name__ == "__main__":
    unittest.main()
