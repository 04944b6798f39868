"""Random-case counts, divided by UTYPES_TEST_SCALE on slow (emulated)
machines as the C++ differential tests do; every test still runs."""
import os


def scaled(count):
    divisor = int(os.environ.get("UTYPES_TEST_SCALE", "1") or 1)
    return max(1, count // divisor) if divisor > 1 else count
