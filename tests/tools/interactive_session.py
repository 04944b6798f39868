"""Drives the calculator in a pseudo-terminal as a person would: recalls a line with Up (also
from an earlier session's history), abandons one with Ctrl-C, ends with "quit" or Ctrl-D.

Usage: interactive_session.py [--skip] UTCALC (--skip: no line editing here; exit 77, skipped)
"""
import os
import pty
import re
import select
import sys
import tempfile
import termios
import time
import unittest

UP, CTRL_C, CTRL_D = "\x1b[A", "\x03", "\x04"
PROMPT = "utcalc> "
# A guard against a hung calculator, not a measurement.
PATIENCE_SECONDS = 30
CONTROL_SEQUENCE = re.compile(r"\x1b\[[0-9;?]*[A-Za-z]|\x1b[=>]|[\x07\x08]")


def screen_text(raw):  # without cursor and erase sequences
    return CONTROL_SEQUENCE.sub("", raw.decode(errors="replace")).replace("\r", "")


class Terminal:
    def __init__(self, command, state_home):
        environment = dict(os.environ, TERM="xterm", XDG_STATE_HOME=state_home)
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.execve(command[0], command, environment)
        self.output = b""
        self.prompts_due = 1

    def read_some(self, waiting_for):
        """Adds what the terminal shows next; False once the far side closed."""
        ready, _, _ = select.select([self.fd], [], [], PATIENCE_SECONDS)
        if not ready:
            raise AssertionError("waited for %s; the screen shows:\n%s" % (waiting_for, self.screen()))
        try:
            chunk = os.read(self.fd, 4096)
        except OSError:  # the far side closed
            chunk = b""
        self.output += chunk
        return bool(chunk)

    def read_until(self, text, count=1):
        while screen_text(self.output).count(text) < count:
            if not self.read_some(repr(text)):
                raise AssertionError("ended before %r; the screen shows:\n%s" % (text, self.screen()))

    def type(self, keys, shows=None, count=1):
        """Types once the editor holds the terminal (libedit prints its prompt
        before it leaves canonical mode, and a Ctrl-C the driver sees flushes
        the line), then reads until the screen shows `shows` count times."""
        self.read_until(PROMPT, self.prompts_due)
        self.wait_for_the_editor()
        os.write(self.fd, keys.encode())
        self.prompts_due += keys.count("\r") + keys.count(CTRL_C)
        if shows:
            self.read_until(shows, count)

    def wait_for_the_editor(self):
        # A pseudo-terminal's master reports the slave's modes.
        deadline = time.monotonic() + PATIENCE_SECONDS
        while termios.tcgetattr(self.fd)[3] & termios.ICANON:
            if time.monotonic() > deadline:
                raise AssertionError("the editor never took the terminal; the screen shows:\n" + self.screen())
            time.sleep(0.01)

    def exit_status(self):
        while self.read_some("the end"):
            pass
        _, status = os.waitpid(self.pid, 0)
        os.close(self.fd)
        return os.waitstatus_to_exitcode(status)

    def screen(self):
        return screen_text(self.output)


class InteractiveSession(unittest.TestCase):
    command = None

    def test_recall_abandon_end_and_history_from_an_earlier_session(self):
        self.state = tempfile.TemporaryDirectory()
        self.addCleanup(self.state.cleanup)
        first = Terminal(self.command, self.state.name)
        first.type("1 ns + 2 ns\r", "3 ns")
        first.type(UP, "1 ns + 2 ns", 2)
        first.type("\r", "3 ns", 2)  # the recalled line's result
        first.type("1 hr + 1 xy", "1 xy")  # Ctrl-C once the editor holds the line
        first.type(CTRL_C, "^C")
        first.type("7 ps * 3\r", "21 ps")
        first.type("quit\r")
        self.assertEqual(first.exit_status(), 0)
        self.assertNotIn("unknown word", first.screen())
        # The status of a terminal session is its last line's.
        second = Terminal(self.command, self.state.name)
        second.type(UP + UP + "\r", "21 ps")  # before "quit"
        second.type("1 / 0\r", "division by zero")
        second.type(CTRL_D)
        self.assertEqual(second.exit_status(), 1)

if __name__ == "__main__":
    if sys.argv[1:2] == ["--skip"]:
        print("skipped: utcalc has no line editing here")
        sys.exit(77)
    InteractiveSession.command = [os.path.abspath(sys.argv[1])]
    unittest.main(argv=sys.argv[:1], verbosity=2)
