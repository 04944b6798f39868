"""Everyday use of the package in a testbench, which the suite type-checks
with mypy --strict: every name below has the type its annotation states."""
from fractions import Fraction

from universaltypes import Frequency, Integer, RoundMode, Time


def cycles_until(now: Time, period: Time, mode: RoundMode = "ceil") -> int:
    return now.steps(period, round_mode=mode)


def main() -> None:
    period: Time = Time.from_frequency(250e6)
    clock: Frequency = 1 / period
    again: Frequency = period.frequency
    half: Time = period / 2
    ratio: Fraction = Time("10 ns") / Time("3 ns")
    delay: int = Time(1.2, "ns").steps(-12, round_mode="floor")
    earlier: bool = half < period and Integer(1) < Integer(2)
    total: Time = sum([half, half], Time())
    cycles: Fraction = Time("1 us") * clock
    slice_: Time = Time("10 ns") // 3
    whole: int = Time("10 ns") // Time("3 ns")
    rest: Time = Time("10 ns") % Time("3 ns")
    count: Integer = Integer(7) % 3 + Integer(2) ** 10
    print(cycles_until(Time("1 us"), period), again, ratio, delay, earlier, total, cycles,
          slice_, whole, rest, count)


if __name__ == "__main__":
    main()
