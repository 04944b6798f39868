"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/.

Seeds are named by what they hold; rerunning rewrites them identically.
Inputs kept from fuzz/run sit next to them and are not touched here:
finding-* for the faults it found, seed-<what> for edges it reached. Records are packed little-endian, as the x86 hosts
that run fuzz/run read them (elsewhere they are just other bytes, which every
target accepts too). Usage: python3 fuzz/seed_corpus.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
MAX96 = 2**96 - 1

LITERALS = [
    # well-formed, decimal
    "1.5 ns", "  -2.25 us ", "1_000 ps", "2.5E-3 sec", "+15E-1 ns", "8.2 ms", "ns", "  Min",
    "5 sec extra", "-1.2345 fs", "0.123456789012 hr", "3.14159265358979323846 sec",
    "1.0000000000000000000000000001 sec", "1e0000000000000000000000000003 ns",
    "00000000000000000000000000001 fs", "79228162514264337593543950335 fs",
    "-79228162514264337593543950335.5 fs", "79228162514264337593543950335.9999999999999999999 fs",
    "-0.00000000000000000000001 fs", "4.9406564584124654e-324 fs", "1e-99999999999999999999 fs",
    "0e99999999999999999999 fs", "0.5\tHR\n", "1e-16 fs", "2.5e-17 fs",
    # well-formed, based
    "16#FF# ns", "16#F.8# ns", "2#1010#E10 ps", "#12# ns", "0#12# ns", "016#1E#e1E ns",
    "16#1#EE ns", "2#0.1#e-1_0 fs", "7#6.66666666666666666666# fs", "10#9#E+1 hr",
    # overflow
    "79228162514264337593543950336 fs", "1e30 fs", "16#1#E30 hr", "-2.3e10 hr",
    # refused, every class
    "1__0 ps", "_1 ps", "1_ ps", "1. ns", ".5 ns", "17#1# ns", "1#1# ns", "-16#FF# ns", "1A ns",
    "2#102# us", "1e ns", "1e+ ns", "1.5.5 ns", "16#FF ns", "16#F#F# ns", "1ns", "1 xs", "", "5",
    "1 nsx", "--1 ns", "\xb5s", "1 5 ns", "1s ns", "1 \xb5s", "16#_F# ns", "1E_5 ns", "ns5 fs",
]

# (mode, cut) pairs: analog on or off, based literals off, the counted form
# cut inside the text, at zero, negative, and with no tick array.
MODES = [(1, 200), (0, 200), (3, 6), (5, 0), (9, 255), (1, 3)]


def write(target, name, data):
    directory = os.path.join(HERE, "corpus", target)
    os.makedirs(directory, exist_ok=True)
    with open(os.path.join(directory, name), "wb") as out:
        out.write(data)


def integer_record(sign, magnitude, count=None):
    count = (magnitude.bit_length() + 15) // 16 if count is None else count
    words = [(magnitude >> shift) & 0xFFFFFFFF for shift in (0, 32, 64)]
    return struct.pack("<hhIII", sign, count, *words)


def time_record(sign, magnitude, offset, count=None):
    return integer_record(sign, magnitude, count) + struct.pack("<d", offset)


def literal_seeds():
    for index, text in enumerate(LITERALS):
        mode, cut = MODES[index % len(MODES)]
        write("time_literal_fuzz", "seed-%02d" % index, bytes([mode, cut]) + text.encode("latin-1"))


VALID_INTEGERS = [(1, 0), (1, 1), (-1, 1), (1, 0xFFFF), (-1, 0x10000), (1, 2**31), (-1, 2**64 - 1),
                  (1, 2**80 + 12345), (1, MAX96), (-1, MAX96), (-1, 0x8000 << 64)]
# Outside the invariants: wild counts, stray words, odd signs, negative zero.
RAW_INTEGERS = [integer_record(1, 5, 7), integer_record(1, 5, -1), integer_record(-1, MAX96, 32767),
                integer_record(1, 5, -32768), integer_record(1, 2**70, 1), integer_record(0, 5),
                integer_record(2, 5), integer_record(-1, 0), integer_record(-2, 2**95, 6),
                integer_record(1, 0, 3)]
INTS = [0, 1, -1, 7, -65536, 2**31 - 1, -2**31]


def integer_seeds():
    valid = [integer_record(s, m) for s, m in VALID_INTEGERS]
    for index, left in enumerate(valid):
        right = valid[(index * 5 + 3) % len(valid)]
        n = struct.pack("<i", INTS[index % len(INTS)])
        write("integer_flat_fuzz", "seed-valid-%02d" % index, b"\x00" + left + right + n)
    for index, left in enumerate(RAW_INTEGERS):
        right = RAW_INTEGERS[(index + 3) % len(RAW_INTEGERS)]
        write("integer_flat_fuzz", "seed-raw-%02d" % index, b"\x00" + left + right + struct.pack("<i", 3))
    write("integer_flat_fuzz", "seed-repaired", b"\x01" + bytes(range(32)) + b"\x05\x00\x00\x00")


NAN = float("nan")
INF = float("inf")
REALS = [0.0, -0.0, 1.0, -0.5, 0.9999999999999999, 5e-324, 2.2250738585072014e-308, 1e-300, 1e300,
         2.0**96, -2.0**96, 79228162514264337593543950335.0, 1e15, 1e-15, NAN, -NAN, INF, -INF, 1000.5]
OFFSETS = [0.0, 0.5, 0.9999999999999999, 5e-324, -0.0, NAN, INF, -0.25, 3.5]


def real_time_seeds():
    valid_ticks = [(s, m) for s, m in VALID_INTEGERS]
    for index, real in enumerate(REALS):
        mode = index % 4
        s1, m1 = valid_ticks[index % len(valid_ticks)]
        s2, m2 = valid_ticks[(index * 3 + 1) % len(valid_ticks)]
        left = time_record(s1, m1, OFFSETS[index % len(OFFSETS)])
        right = time_record(s2, m2, OFFSETS[(index + 4) % len(OFFSETS)])
        integer = integer_record(*valid_ticks[(index + 2) % len(valid_ticks)])
        other = REALS[(index * 7 + 2) % len(REALS)]
        tail = struct.pack("<ddi", real, other, INTS[index % len(INTS)])
        write("real_time_flat_fuzz", "seed-%02d" % index, bytes([mode]) + left + right + integer + tail)
    raw = RAW_INTEGERS[0] + struct.pack("<d", INF) + RAW_INTEGERS[2] + struct.pack("<d", NAN)
    write("real_time_flat_fuzz", "seed-raw", b"\x01" + raw + RAW_INTEGERS[4] + struct.pack("<ddi", 0.0, -0.0, 0))


def image_seeds():
    for index, (sign, magnitude) in enumerate(VALID_INTEGERS):
        ticks = struct.pack("<5i", *[v if v < 2**31 else v - 2**32 for v in struct.unpack(
            "<hhIII", integer_record(sign, magnitude))])
        unit = struct.pack("<b", [0, 1, 2, 3, 4, 5, 6, 7, -1, 8, 127][index])
        time = time_record(*VALID_INTEGERS[-1 - index], OFFSETS[index % len(OFFSETS)])
        integer = RAW_INTEGERS[index % len(RAW_INTEGERS)] if index % 3 == 2 else integer_record(sign, magnitude)
        tail = struct.pack("<ddh", REALS[index % len(REALS)], REALS[-1 - index], [6, 0, -1, 17, 40, 1000, 32767,
                                                                                   3, 12, 15, 2][index])
        write("image_fuzz", "seed-%02d" % index, bytes([index % 2]) + ticks + unit + time + integer + tail)


if __name__ == "__main__":
    literal_seeds()
    integer_seeds()
    real_time_seeds()
    image_seeds()
