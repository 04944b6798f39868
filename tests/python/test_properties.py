"""Integer, Time and Frequency against int and Fraction, to subnormal offsets and 10^8-bit ints."""
import math
import operator
import sys
import unittest
from decimal import Decimal
from fractions import Fraction

from case_counts import scaled
from hypothesis import given, seed, settings, strategies as st
from universaltypes import Frequency, Integer, Time, analog, set_analog

MAX = 2**96 - 1
RELATIONS = (operator.eq, operator.ne, operator.lt, operator.le, operator.gt, operator.ge)
SEED = 20261208
print("property tests: hypothesis seed %d" % SEED, file=sys.stderr)


def properties(examples=300):
    return lambda test: seed(SEED)(settings(database=None, deadline=None,
                                            max_examples=scaled(examples))(test))


PROPERTIES = properties()
# The edges of the 16-bit digits (long division's hard cases) and words.
EDGES = sorted({v for k in range(1, 7) for v in (2**(16 * k) - 1, 2**(16 * k), 2**(16 * k) + 1)
                if v <= MAX} | {0, 1, 2**32 - 1, 2**32, 2**64, MAX - 1, MAX})
magnitudes = st.one_of(st.integers(0, MAX), st.integers(0, 2**40), st.sampled_from(EDGES))
integers = st.builds(lambda m, negative: -m if negative else m, magnitudes, st.booleans())
# Ticks small enough that every sum and difference fits.
tick_counts = st.integers(-(2**94), 2**94)
FEMTOSECONDS = {"fs": 1, "ps": 10**3, "ns": 10**6, "us": 10**9, "ms": 10**12,
                "sec": 10**15, "s": 10**15, "min": 60 * 10**15, "hr": 3600 * 10**15}
HERTZ = {"Hz": 1, "kHz": 10**3, "MHz": 10**6, "GHz": 10**9, "THz": 10**12}

cased_units = st.sampled_from(sorted(FEMTOSECONDS)).flatmap(lambda unit: st.tuples(
    st.just(unit), st.sampled_from([unit.upper(), unit.title(), unit[:-1] + unit[-1].upper()])))
unit_values = st.one_of(st.fractions(-(10**6), 10**6, max_denominator=10**4),
                        st.floats(-1e12, 1e12, allow_nan=False),
                        st.floats(-1e-3, 1e-3, allow_nan=False, allow_subnormal=True))
hertz = st.one_of(st.fractions(min_value=1, max_value=10**20, max_denominator=10**6),
                  st.integers(1, 10**6).map(lambda k: Fraction(k * 10**9, 3)))
# Beyond the record's range, up to a 10^8-bit integer; drawn as its bit
# count, since no example may print a number of more than 4300 digits.
out_of_range_bits = st.tuples(st.one_of(*[st.integers(96, 300)] * 3, st.just(10**8)),
                              st.integers(0, 2**64), st.booleans())


class IntegerPropertiesTest(unittest.TestCase):
    def _agrees(self, function, *operands):
        """function over Integers (all operands in the range, or one) equals it
        over ints, or overflows where that is past the range."""
        expected = function(*operands)
        results = expected if isinstance(expected, tuple) else (expected,)
        fits = all(abs(r) <= MAX for r in results if isinstance(r, int))
        for chosen in range(-1, len(operands)):
            wrapped = [Integer(v) if abs(v) <= MAX and chosen in (-1, i) else v
                       for i, v in enumerate(operands)]
            if not any(isinstance(v, Integer) for v in wrapped):
                continue  # no operand in the range at that place
            if not fits:
                with self.assertRaises(OverflowError):
                    function(*wrapped)
                continue
            got = function(*wrapped)
            self.assertEqual(expected, got)
            if isinstance(got, Integer):  # the library holds zero with sign +1
                self.assertEqual(-1 if got < 0 else 1, got.sign)

    @PROPERTIES
    @given(integers, integers)
    def test_binary_operators_match_int(self, a, b):
        for function in (operator.add, operator.sub, operator.mul, operator.and_,
                         operator.or_, operator.xor, *RELATIONS):
            self._agrees(function, a, b)
        if b:
            for function in (operator.floordiv, operator.mod, divmod):
                self._agrees(function, a, b)
            # / is exact, as Fraction's; rem truncates.
            self.assertEqual([Fraction(a, b), Fraction(a, b), a - b * int(a / Fraction(b))],
                             [Integer(a) / Integer(b), a / Integer(b), Integer(a).rem(b)])

    @PROPERTIES
    @given(integers, st.integers(0, 200), st.one_of(st.integers(0, 6), st.integers(0, 200)),
           st.sampled_from(["", "x", "X", "o", "b", ",", "_", "+", ">40", "^+30,", "#x", "e", ".3f",
                            "%"]))
    def test_unary_operators_formats_and_conversions_match_int(self, a, shift, exponent, spec):
        for function in (operator.lshift, operator.rshift):
            self._agrees(function, a, shift)
        self._agrees(operator.pow, a, exponent)
        for function in (operator.neg, operator.pos, abs, operator.invert, int, bool,
                         float, math.floor, math.ceil, math.trunc, round, operator.index):
            self._agrees(function, a)
        value = Integer(a)
        self.assertEqual(format(a, spec), format(value, spec))
        self.assertEqual(Fraction(a), Fraction(value))
        self.assertEqual(value, Integer(Fraction(a)))
        self.assertEqual(Decimal(a), Decimal(value))
        self.assertEqual(value, eval(repr(value), {"Integer": Integer}))
        self.assertEqual(hash(a), hash(value))

    @properties(examples=100)
    @given(integers, out_of_range_bits)
    def test_operands_past_the_range_compare_and_divide_exactly(self, a, drawn):
        bits, low, negative = drawn
        b = -((1 << bits) + low) if negative else (1 << bits) + low
        self.assertEqual(a == b, b in [Integer(a)])
        for function in (*RELATIONS, operator.mod, operator.floordiv, divmod, operator.add):
            for left, right in ((a, b), (b, a)):
                if right or function in RELATIONS:
                    self._agrees(function, left, right)

class TimePropertiesTest(unittest.TestCase):
    def setUp(self):
        self.addCleanup(set_analog, analog())
        set_analog(True)

    def assertRounded(self, exact, time):
        """time is exact in whole fs toward zero (analog clear), or as floor
        ticks and the rest correctly rounded into the offset (analog set)."""
        if not analog():
            self.assertEqual(math.trunc(exact), time.to_fraction())
            return
        if exact.denominator == 1:
            self.assertEqual(exact, time.to_fraction())
        self.assertLessEqual(abs(time.to_fraction() - exact), Fraction(1, 2**53))
        self.assertIn(int(time.ticks) - math.floor(exact), (0, 1))

    def assertRoundedOrOverflow(self, exact, function):
        if abs(exact) >= 2**96:
            with self.assertRaises(OverflowError):
                function()
            return None
        time = function()
        self.assertRounded(exact, time)
        return time

    @PROPERTIES
    @given(tick_counts, tick_counts, st.integers(1, 10**12))
    def test_arithmetic_relations_steps_and_frequencies_match_fractions(self, a, b, resolution):
        time, step = Time(a), Time(resolution)
        ratio = Fraction(a, resolution)
        self.assertEqual([math.floor(ratio), math.ceil(ratio), round(ratio)],
                         [time.steps(step, mode) for mode in ("floor", "ceil", "round")])
        if ratio.denominator == 1:
            self.assertEqual(ratio, time.steps(step))
        else:
            with self.assertRaises(ValueError):
                time.steps(step)
        self.assertEqual([a + b, a - b, -a, abs(a)],
                         [(Time(a) + Time(b)).to_fraction(), (Time(a) - Time(b)).to_fraction(),
                          (-Time(a)).to_fraction(), abs(Time(a)).to_fraction()])
        self.assertEqual([bool(a)] + [relation(a, b) for relation in RELATIONS],
                         [bool(Time(a))] + [relation(Time(a), Time(b)) for relation in RELATIONS])
        if not b:
            return
        self.assertEqual(Fraction(a, b), Time(a) / Time(b))
        quotient, rest = divmod(Time(a), Time(b))
        self.assertEqual([a // b, a % b] * 2 + [a - b * int(Fraction(a, b))],
                         [Time(a) // Time(b), (Time(a) % Time(b)).to_fraction(), quotient,
                          rest.to_fraction(), Time(a).rem(Time(b)).to_fraction()])
        self.assertEqual(Fraction(10**15, b), (1 / Time(b)).to_fraction())
        self.assertEqual((1, Time(b)), (Time(b) * Time(b).frequency, Time(b).frequency.period))

    @PROPERTIES
    @given(tick_counts, st.one_of(st.integers(-(2**10), 2**10),
                                  st.fractions(-1000, 1000, max_denominator=1000)).filter(bool),
           st.booleans())
    def test_numbers_scale_and_divide_exactly_then_round(self, a, n, analog_exists):
        set_analog(analog_exists)
        product = self.assertRoundedOrOverflow(Fraction(a * n), lambda: Time(a) * n)
        if product is not None:
            self.assertEqual(product, n * Time(a))
        self.assertRoundedOrOverflow(Fraction(a) / n, lambda: Time(a) / n)
        quotient = math.floor(Fraction(a) / n)
        floor_time = self.assertRoundedOrOverflow(Fraction(quotient), lambda: Time(a) // n)
        if floor_time is None:
            return
        rest = Time(a) % n
        self.assertRounded(a - n * quotient, rest)
        self.assertEqual((floor_time, rest), divmod(Time(a), n))
        if Fraction(n).denominator == 1:
            self.assertEqual(Time(a), floor_time * n + rest)

    @PROPERTIES
    @given(unit_values, cased_units)
    def test_units_in_any_case_and_floats_as_their_shortest_decimal(self, value, cased_unit):
        unit, cased = cased_unit
        exact = Fraction(repr(value)) if isinstance(value, float) else value
        femtoseconds = exact * FEMTOSECONDS[unit]
        time = self.assertRoundedOrOverflow(femtoseconds, lambda: Time(value, cased))
        if time is None:
            return
        if femtoseconds.denominator == 1:
            self.assertEqual(exact, time.to(cased))
        if Decimal(exact.numerator) / exact.denominator == exact:
            self.assertEqual(time, Time(Decimal(exact.numerator) / exact.denominator, unit))
        self.assertEqual(time.to(unit), time.to(cased))
        self.assertEqual(format(time, "sec" if unit == "s" else unit), format(time, cased))
        self.assertEqual(math.floor(time.to_fraction() / FEMTOSECONDS[unit]),
                         time.steps(cased, "floor"))
        self.assertRoundedOrOverflow(femtoseconds * 7, lambda: Time(7, cased) * value)
        if value:
            self.assertRoundedOrOverflow(10**6 / exact, lambda: Time("1 ns") / value)

    @PROPERTIES
    @given(tick_counts, st.integers(0, 2**53 - 1),
           st.one_of(st.integers(0, 52), st.integers(1000, 1074)), st.booleans())
    def test_offsets_down_to_subnormals_hash_print_and_parse_exactly(
            self, a, numerator, exponent, analog_exists):
        set_analog(analog_exists)
        exact = a + Fraction(numerator % 2**exponent, 2**exponent)
        time = Time.from_fraction(exact)
        held = time.ticks.to_fraction() + Fraction(time.offset)
        if analog_exists:
            self.assertEqual((exact, exact, float(exact / 10**15)),
                             (held, time.to_fraction(), float(time)))
        self.assertEqual(time, Time.from_fraction(time.to_fraction()))
        self.assertEqual(time, eval(repr(time), {"Time": Time}))
        for text in (str(time), format(time, "ns")):
            number, unit = text.split(" ")
            self.assertEqual(held, Fraction(number) * FEMTOSECONDS[unit], "the text is exact")
        in_ns = Time(time.to("ns"), "ns")
        self.assertEqual((time, hash(time), bool(time.to_fraction())),
                         (in_ns, hash(in_ns), bool(time)))
        if time:
            self.assertEqual(1, time / time)
        other = time + Time(1)
        self.assertEqual(time.to_fraction() + 1, other.to_fraction())
        self.assertEqual(len({time, Time(time), other}), 2)

    @PROPERTIES
    @given(hertz)
    def test_frequency_text_round_trips_and_periods_are_exact(self, value):
        frequency = Frequency.from_fraction(value)
        self.assertEqual(frequency, Frequency(str(frequency)))
        self.assertEqual(frequency, eval(repr(frequency), {"Frequency": Frequency}))
        number, unit = str(frequency).split(" ")
        self.assertEqual(value, Fraction(number) * HERTZ[unit])
        reached = [u for u in HERTZ if value >= HERTZ[u]] or ["Hz"]
        for other in reached[reached.index(unit) + 1:]:
            self.assertIn("/", format(frequency, other))  # no finite decimal there
        if "/" in number:
            self.assertEqual(reached[-1], unit)
        self.assertEqual(value / 10**6, frequency.to("mhz"))
        self.assertRounded(Fraction(10**15) / value, Time.from_frequency(frequency))
        self.assertRounded(Fraction(3 * 10**15) / value, 3 / frequency)

if __name__ == "__main__":
    unittest.main()
