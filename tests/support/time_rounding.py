"""The record a time's exact value (a Fraction of femtoseconds) rounds to,
as the oracles of the differential tests compute it."""
import math

MAX_TICKS = 2**96 - 1


def rounded_ticks(value, analog):
    """(ticks, offset), or None beyond the tick range. With analog set:
    floor, and the rest correctly rounded to a double (int / int rounds
    correctly), a rest that rounds to 1.0 carrying into the ticks; with it
    clear: truncated toward zero, offset 0."""
    if analog:
        ticks = math.floor(value)
        offset = float(value - ticks)
        if offset == 1.0:
            ticks, offset = ticks + 1, 0.0
    else:
        ticks, offset = math.trunc(value), 0.0
    return None if abs(ticks) > MAX_TICKS else (ticks, offset + 0.0)
