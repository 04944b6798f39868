"""The library's status codes as Python exceptions: 2 (overflow beyond
2^96 - 1) is OverflowError; 1 is ZeroDivisionError for a zero divisor and
ValueError otherwise (a NaN where ticks must come from a real)."""

from typing import Callable

OK, ERROR, OVERFLOW = 0, 1, 2


def check(status: int, describe: Callable[[], str], zero_divisor: bool = False) -> None:
    """Raises for a failed status; describe() names the operation (only
    called then, so successful calls format nothing)."""
    if status == OK:
        return
    what = describe()
    if status == OVERFLOW:
        raise OverflowError("%s: beyond the 96-bit range" % what)
    if zero_divisor:
        raise ZeroDivisionError("%s: division by zero" % what)
    raise ValueError("%s: no value (status %d)" % (what, status))
