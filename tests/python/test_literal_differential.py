"""Time.parse through the binding against the exact values of random
literals: literal_oracle's generator and model (ticks = floor(v) and the
rest as the nearest double with the analog flag set, v truncated with it
clear, OverflowError beyond +-(2^96 - 1) ticks)."""
import os
import random
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "timetext"))
from case_counts import scaled  # noqa: E402
from literal_oracle import expected, well_formed  # noqa: E402
from universaltypes import Time, analog, set_analog  # noqa: E402

SEED = 20261209
LITERALS = scaled(30000)


def parsed(text):
    try:
        time = Time.parse(text)
    except OverflowError:
        return None
    return int(time.ticks), time.offset


class LiteralDifferentialTest(unittest.TestCase):
    def setUp(self):
        self.addCleanup(set_analog, analog())

    def check_literals(self, analog_exists, seed):
        set_analog(analog_exists)
        rng = random.Random(seed)
        failures, overflows = [], 0
        for _ in range(LITERALS):
            text, value, _ = well_formed(rng)
            want = expected(value, analog_exists)
            overflows += want is None
            got = parsed(text)
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
