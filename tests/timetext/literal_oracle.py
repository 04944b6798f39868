"""The time literal parser, as literal_probe prints it, against exact fractions over random literals
and the direct route's limits; mutated text, and based text with based literals off, only against the
probe's check that the direct route agrees with the general one. Usage: literal_oracle.py PROBE..."""
import os
import random
import struct
import subprocess
import sys
from fractions import Fraction

for folder in ("python", "support"):
    sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", folder))
from case_counts import scaled  # noqa: E402
from time_rounding import rounded_ticks as expected  # noqa: E402

UNITS = ["fs", "ps", "ns", "us", "ms", "sec", "min", "hr"]
UNIT_FS = [1, 10**3, 10**6, 10**9, 10**12, 10**15, 6 * 10**16, 36 * 10**17]
DIGITS = "0123456789abcdef"


def digit_run(rng, base, count):
    """Digits in either case, underscores between some; its text and value."""
    digits = [rng.choice(DIGITS[:base]) for _ in range(count)]
    digits = [d.upper() if rng.random() < 0.3 else d for d in digits]
    text = digits[0] + "".join(("_" if rng.random() < 0.1 else "") + d for d in digits[1:])
    return text, int("".join(digits), base)


def space(rng, least):
    return "".join(rng.choice(" \t") for _ in range(rng.randint(least, 2)))


def well_formed(rng):
    """Decimal or based 2..16, signs, leading zeros, a fraction, an exponent in the base."""
    unit = rng.randrange(8)
    based = rng.random() < 0.35
    base = rng.randint(2, 16) if based else 10
    mantissa, value = digit_run(rng, base, rng.choice([1, 1, 2, 3, 5, 10, 20, 30]))
    if rng.random() < 0.2:
        mantissa = "0" * rng.randint(1, 40) + mantissa
    if rng.random() < 0.6:
        fraction, numerator = digit_run(rng, base, rng.choice([1, 2, 3, 8, 16, 20, 25, 30, 60]))
        mantissa += "." + fraction
        value += Fraction(numerator, base ** len(fraction.replace("_", "")))
    exponent_text = ""
    if rng.random() < 0.4:
        sign, amount = rng.choice(["", "+", "-"]), rng.randint(0, rng.choice([0, 1, 2, 2, 3, 30, 200, 400, 1300]))
        value *= Fraction(base) ** (-amount if sign == "-" else amount)
        exponent_text = rng.choice("eE") + sign + "0" * rng.choice([0, 0, 0, 3]) + to_base(amount, base)
    negative = not based and rng.random() < 0.3
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
    unit_text = "".join(c.upper() if rng.random() < 0.2 else c for c in UNITS[unit])
    text = space(rng, 0) + number + space(rng, 1) + unit_text + space(rng, 0)
    return text, value * UNIT_FS[unit]


def to_base(value, base):
    return (to_base(value // base, base) if value >= base else "") + DIGITS[value % base]


def mutated(rng):
    """A well-formed literal with one insertion, deletion, doubling or swap: most are malformed."""
    text = well_formed(rng)[0]
    at = rng.randrange(len(text))
    return rng.choice([text[:at] + rng.choice("_.#eE+-09aFfs \txm") + text[at:], text[:at] + text[at + 1:],
                       text[:at] + text[at] + text[at:], text[:at] + text[at + 1:at + 2] + text[at] + text[at + 2:]])


def at_the_limits():
    """(text, value) at the direct route's limits: mantissas around 2^60 (one word), 10^19, 2^64, 2^96,
    10^29, 2^120 (the route's own) and past 2^128, the point anywhere; ticks around 2^64, 2^96 and
    2^128 in every unit and scale; rests over denominators either side of 2^53 and next to 0 and 1."""
    cases = []
    for limit in [2**60, 10**19, 2**64, 2**96, 10**29, 2**120, 10**37]:
        for digits, base in [(to_base(limit + d, b), b) for d in range(-3, 4) for b in (10, 16)]:
            for point in range(1, len(digits) + 1, 3):
                number = digits[:point] + ("." + digits[point:] if point < len(digits) else "")
                value = Fraction(int(digits, base), base ** (len(digits) - point)) * UNIT_FS[point % 8]
                cases.append((("16#%s# %s" if base == 16 else "%s %s") % (number, UNITS[point % 8]), value))
    for length in range(28, 43):
        for lead in "1f9":
            digits = lead + (lead if lead != "1" else "0") * (length - 1) + ("5" if length % 2 == 0 else "")
            cases.append(("16#%s# fs" % digits, Fraction(int(digits, 16))))
            if lead != "f":
                cases.append(("%s fs" % digits, Fraction(int(digits))))
    for unit, size in enumerate(UNIT_FS):
        tens = len(str(size)) - len(str(size).rstrip("0"))
        for power in range(20):
            scale = size // 10**tens * 10**power
            for limit in [2**64, 2**96 - 1, 2**96, 2**128 - 1]:
                for digits in range(max(0, limit // scale - 2), limit // scale + 3):
                    cases.append(("%de%d %s" % (digits, power - tens, UNITS[unit]), Fraction(digits * scale)))
    rests = ["%s.%s" % (whole, digit * count) for count in range(12, 20) for digit in "1953" for whole in (0, 12345)]
    rests += ["7.%s1" % ("0" * (count - 1)) for count in range(12, 20)]
    for text in ["0.5", "2.5", "1.25e-1", "0.000000000000001", "0.999999999999999", "1e-15", "9e-16"] + rests:
        cases.append((text + " fs", Fraction(text)))
    cases += [("3#0.1# fs", Fraction(1, 3)), ("7#0.1# fs", Fraction(1, 7)), ("16#0.1#e-3 fs", Fraction(1, 16**4))]
    for bits in range(50, 57):
        cases.append(("2#0.%s1# fs" % ("0" * (bits - 1)), Fraction(1, 2**bits)))
        cases.append(("2#1.%s# fs" % ("1" * bits), 2 - Fraction(1, 2**bits)))
        cases.append(("2#101#e-%s fs" % to_base(bits, 2), Fraction(5, 2**bits)))
    return cases + [("-" + text, -value) for text, value in cases if "#" not in text]


# Never generated: a unit alone, a word after the unit (ignored), exponents past a machine word.
PINNED = [("ns", 10**6), ("5 sec extra", 5 * 10**15), ("1e0000000000000000000000000003 ns", 10**9),
          ("1e-99999999999999999999 fs", 0), ("0e99999999999999999999 fs", 0)]


def line_and_want(text, value, analog, based_off=False):
    """The probe's input line, and its expected output (None: the probe's own check only)."""
    result = None if value is None else expected(Fraction(value), analog)
    want = None if value is None else "overflow" if result is None else "0 %d %s" % (
        result[0], struct.pack(">d", result[1]).hex())
    return ("A" if analog else "D") + ("-" if based_off else "|") + text, want


def main():
    probe = sys.argv[1:]
    count = scaled(150000)
    seed = int(os.environ.get("ORACLE_SEED", "2026"))
    rng = random.Random(seed)
    cases = []
    for index in range(count):
        text, value = well_formed(rng)
        based_off = index % 30 == 0
        cases.append(line_and_want(text, None if based_off and "#" in text else value, rng.random() < 0.7, based_off))
        if index % 4 == 0:
            cases.append(line_and_want(mutated(rng), None, rng.random() < 0.7))
    for text, value in at_the_limits() + PINNED:
        cases += [line_and_want(text, value, True), line_and_want(text, value, False)]
    output = subprocess.run(probe, input="\n".join(c for c, _ in cases) + "\n",
                            capture_output=True, text=True, check=True).stdout.splitlines()
    failures = [(c, w, g) for (c, w), g in zip(cases, output)
                if " differs" in g or (w is not None and w != g.removesuffix(" direct"))]
    for case, want, got in failures[:20]:
        print("MISMATCH %r: expected %s, got %s" % (case, want, got))
    if len(output) != len(cases):
        print("probe printed %d lines for %d cases" % (len(output), len(cases)))
        failures.append(None)
    overflows = sum(want == "overflow" for _, want in cases)
    direct = sum(got.endswith(" direct") for got in output)
    print("literal oracle (seed %d): %d cases, %d overflows, %d by the direct route, %d mismatches"
          % (seed, len(cases), overflows, direct, len(failures)))
    # The generators must reach the range's end and the direct route.
    if overflows <= count // 50 or 4 * direct < len(cases):
        print("the generators no longer reach the range's end or the direct route often enough")
        failures.append(None)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
