"""Differential test of the time literal parser against exact fractions.

Random literals of the whole grammar (decimal and based 2..16, signs,
fractions, exponents in the literal's base, underscores, leading zeros,
white space, either case), each with its exact value as a Fraction, against
what the literal_probe driver prints (it may run under an emulator).
Usage: literal_oracle.py PROBE-COMMAND...; UTYPES_TEST_SCALE divides the
case count.
"""
import os
import random
import struct
import subprocess
import sys
from fractions import Fraction

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from time_rounding import rounded_ticks as expected  # noqa: E402

UNITS = ["fs", "ps", "ns", "us", "ms", "sec", "min", "hr"]
UNIT_FS = [1, 10**3, 10**6, 10**9, 10**12, 10**15, 6 * 10**16, 36 * 10**17]
DIGITS = "0123456789abcdef"


def offset_bits(value):
    return struct.pack(">d", value).hex()


def digit_run(rng, base, count):
    digits = [rng.choice(DIGITS[:base]) for _ in range(count)]
    digits = [d.upper() if rng.random() < 0.3 else d for d in digits]
    return digits[0] + "".join(("_" if rng.random() < 0.1 else "") + d for d in digits[1:])


def run_value(text, base):
    return int(text.replace("_", ""), base)


def space(rng, least):
    return "".join(rng.choice(" \t") for _ in range(rng.randint(least, 2)))


def unit_text(rng, unit):
    name = UNITS[unit]
    return "".join(c.upper() if rng.random() < 0.2 else c for c in name)


def well_formed(rng):
    unit = rng.randrange(8)
    based = rng.random() < 0.35
    base = rng.randint(2, 16) if based else 10
    whole = digit_run(rng, base, rng.choice([1, 1, 2, 3, 5, 10, 20, 30]))
    if rng.random() < 0.2:
        whole = "0" * rng.randint(1, 40) + whole
    fraction = digit_run(rng, base, rng.choice([1, 2, 3, 8, 16, 20, 25, 30, 60])) if rng.random() < 0.6 else None
    exponent = None
    if rng.random() < 0.4:
        size = rng.choice([0, 1, 2, 2, 3, 30, 200, 400, 1300])
        exponent_value = rng.randint(0, size)
        exponent = (rng.choice(["", "+", "-"]), exponent_value)
    negative = not based and rng.random() < 0.3
    value = Fraction(run_value(whole, base))
    if fraction is not None:
        value += Fraction(run_value(fraction, base), base ** len(fraction.replace("_", "")))
    mantissa = whole + ("." + fraction if fraction is not None else "")
    exponent_text = ""
    if exponent is not None:
        sign, amount = exponent
        value *= Fraction(base) ** (-amount if sign == "-" else amount)
        digits = to_base(amount, base)
        exponent_text = rng.choice("eE") + sign + "0" * rng.choice([0, 0, 0, 3]) + digits
    if based:
        prefix = "0" * rng.choice([0, 0, 1, 2]) + (str(base) if base != 10 or rng.random() < 0.5 else "")
        number = prefix + "#" + mantissa + "#" + exponent_text
    else:
        number = mantissa + exponent_text
    if negative:
        value = -value
        number = "-" + number
    elif not based and rng.random() < 0.1:
        number = "+" + number
    text = space(rng, 0) + number + space(rng, 1) + unit_text(rng, unit) + space(rng, 0)
    return text, value * UNIT_FS[unit]


def to_base(value, base):
    return (to_base(value // base, base) if value >= base else "") + DIGITS[value % base]


def main():
    probe = sys.argv[1:]
    count = 80000 // max(1, int(os.environ.get("UTYPES_TEST_SCALE", "1")))
    seed = int(os.environ.get("ORACLE_SEED", "2026"))
    rng = random.Random(seed)
    cases = []
    for _ in range(count):
        text, value = well_formed(rng)
        analog = rng.random() < 0.7
        result = expected(value, analog)
        want = "overflow" if result is None else "0 %d %s" % (result[0], offset_bits(result[1]))
        cases.append((("A|" if analog else "D|") + text, want))
    output = subprocess.run(probe, input="\n".join(c for c, _ in cases) + "\n",
                            capture_output=True, text=True, check=True).stdout.splitlines()
    failures = [(c, w, g) for (c, w), g in zip(cases, output) if w != g]
    for case, want, got in failures[:20]:
        print("MISMATCH %r: expected %s, got %s" % (case, want, got))
    if len(output) != len(cases):
        print("probe printed %d lines for %d cases" % (len(output), len(cases)))
        failures.append(None)
    overflows = sum(want == "overflow" for _, want in cases)
    if overflows <= count // 50:
        print("only %d overflows: the generator must reach the range's end" % overflows)
        failures.append(None)
    print("literal oracle (seed %d): %d cases, %d mismatches" % (seed, len(cases), len(failures)))
    print("%d passed, %d failed" % (len(cases) - len(failures), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
