"""The binding's Integer operators against Python's exact ints, as Integer
with Integer, with int and from int, on random magnitudes of every 16-bit
digit count (digits drawn towards long division's hard cases) and the
boundaries 2^(16k) - 1, 2^(16k), 2^(16k) + 1 and 2^96 - 1, of both signs.
"""
import operator
from fractions import Fraction
import random
import unittest

from case_counts import scaled
from universaltypes import Integer

SEED = 20261208
PAIRS = scaled(40000)
MAX = 2**96 - 1
HARD_DIGITS = (0, 1, 0x7FFF, 0x8000, 0xFFFE, 0xFFFF)
BOUNDARIES = [v for k in range(1, 7) for v in (2**(16 * k) - 1, 2**(16 * k), 2**(16 * k) + 1)
              if v <= MAX] + [MAX - 1]


def random_magnitude(rng):
    kind = rng.random()
    if kind < 0.15:
        return rng.choice(BOUNDARIES)
    if kind < 0.25:
        return rng.randrange(4)
    digits = [rng.choice(HARD_DIGITS) if rng.random() < 0.25 else rng.randrange(0x10000)
              for _ in range(rng.randint(1, 6))]
    digits[-1] = digits[-1] or 1
    return sum(digit << (16 * place) for place, digit in enumerate(digits))


def random_operand(rng):
    magnitude = random_magnitude(rng)
    return -magnitude if rng.random() < 0.5 else magnitude


def sign_of(value):
    return -1 if value < 0 else 1


def signed(value):  # the library holds zero with sign +1
    return (sign_of(value), abs(value))


def model(name, a, b):
    """The exact (sign, magnitude), a Fraction for /, or the exception the
    binding must raise."""
    if b == 0 and name in ("/", "//", "rem", "mod"):
        return ZeroDivisionError
    if name == "/":
        return Fraction(a, b)
    result = {"+": lambda: a + b, "-": lambda: a - b, "*": lambda: a * b,
              "//": lambda: a // b, "mod": lambda: a % b,
              "rem": lambda: sign_of(a) * (abs(a) % abs(b))}[name]()
    return OverflowError if abs(result) > MAX else signed(result)


OPERATIONS = {
    "+": operator.add, "-": operator.sub, "*": operator.mul, "/": operator.truediv, "//": operator.floordiv,
    "rem": lambda x, y: x.rem(y) if isinstance(x, Integer) else Integer(x).rem(y),
    "mod": operator.mod,
}
RELATIONS = (operator.eq, operator.ne, operator.lt, operator.le, operator.gt, operator.ge)


def through_binding(function, a, b, form):
    """The result as (sign, magnitude), or the exception type raised."""
    left, right = (Integer(a), Integer(b)) if form == 0 else (Integer(a), b) if form == 1 \
        else (a, Integer(b))
    try:
        result = function(left, right)
    except (OverflowError, ZeroDivisionError) as error:
        return type(error)
    if isinstance(result, Fraction):
        return result
    return (result.sign, abs(int(result)))


class IntegerDifferentialTest(unittest.TestCase):
    def test_arithmetic_agrees_with_python_ints(self):
        rng = random.Random(SEED)
        failures = []
        for pair in range(PAIRS):
            a, b, form = random_operand(rng), random_operand(rng), rng.randrange(3)
            for name, function in OPERATIONS.items():
                want, got = model(name, a, b), through_binding(function, a, b, form)
                if want != got:
                    failures.append("pair %d (form %d): %d %s %d: expected %r, got %r"
                                    % (pair, form, a, name, b, want, got))
        self.assertEqual([], failures[:10], "seed %d, %d pairs, %d mismatches"
                         % (SEED, PAIRS, len(failures)))

    def test_comparisons_agree_with_python_ints(self):
        rng = random.Random(SEED + 1)
        failures = []
        for pair in range(PAIRS):
            a = random_operand(rng)
            b = a if rng.random() < 0.1 else random_operand(rng)
            for relation in RELATIONS:
                if relation(Integer(a), Integer(b)) != relation(a, b):
                    failures.append("pair %d: %s(%d, %d)" % (pair, relation.__name__, a, b))
        self.assertEqual([], failures[:10], "seed %d, %d pairs, %d mismatches"
                         % (SEED + 1, PAIRS, len(failures)))


if __name__ == "__main__":
    unittest.main()
