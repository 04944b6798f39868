"""Runs the calculator over a transcript and compares what it writes.

A transcript holds sessions, each a command line and what goes in and out:

    $ utcalc --unit ns      the arguments after the program, split as a shell does
    % terminal              standard input is a terminal (a pseudo-terminal)
    < 1 ns + 2 ns           a line of standard input ("<" alone: an empty line)
    > 3000000 fs            a line expected on standard output
    ! utcalc: ...           a line expected on standard error
    ? 1                     the expected exit status (0 when not given)

Lines starting with "#" are comments. An expected line "..." matches all the
lines left. Trailing white space is not compared (the prompt ends in one).

Usage: run_transcript.py [--emulated] TRANSCRIPT COMMAND [ARGUMENT...]
where COMMAND runs the calculator (an emulator and the program, for a cross
build). --emulated skips the terminal sessions, which an emulator need not
pass through, and drops the notices Wine writes on standard error ("wine:
..."), which are not the calculator's.
"""
import difflib
import os
import pty
import shlex
import subprocess
import sys
import termios


class Session:
    def __init__(self, line_number, arguments):
        self.line_number = line_number
        self.arguments = arguments
        self.terminal = False
        self.input = []
        self.stdout = []
        self.stderr = []
        self.status = 0


def read_sessions(path):
    sessions = []
    with open(path, encoding="utf-8") as transcript:
        for number, line in enumerate(transcript, 1):
            line = line.rstrip("\n")
            mark, text = line[:1], line[2:]
            if mark == "$":
                sessions.append(Session(number, shlex.split(text)[1:]))
            elif mark and mark in "<>!?" and sessions:
                add_line(sessions[-1], mark, text)
            elif line == "% terminal" and sessions:
                sessions[-1].terminal = True
            elif line and mark != "#":
                raise SystemExit("%s:%d: not a transcript line: %r" % (path, number, line))
    return sessions


def add_line(session, mark, text):
    if mark == "<":
        session.input.append(text)
    elif mark == ">":
        session.stdout.append(text)
    elif mark == "!":
        session.stderr.append(text)
    else:
        session.status = int(text)


def run_on_pipe(command, text):
    result = subprocess.run(command, input=text.encode(), capture_output=True, timeout=300)
    return result.returncode, result.stdout, result.stderr


def run_on_terminal(command, text):
    """Standard input is the pseudo-terminal's far side, echo off; the input
    and an end-of-file character are typed in before the calculator reads."""
    controller, terminal = pty.openpty()
    attributes = termios.tcgetattr(terminal)
    attributes[3] &= ~termios.ECHO
    termios.tcsetattr(terminal, termios.TCSANOW, attributes)
    os.write(controller, text.encode() + b"\x04")
    try:
        result = subprocess.run(command, stdin=terminal, capture_output=True, timeout=300)
    finally:
        os.close(terminal)
        os.close(controller)
    return result.returncode, result.stdout, result.stderr


def matches(expected, actual):
    expected = [line.rstrip() for line in expected]
    actual = [line.rstrip() for line in actual]
    if expected and expected[-1] == "...":
        return actual[:len(expected) - 1] == expected[:-1]
    return actual == expected


def check(command, session, emulated):
    text = "".join(line + "\n" for line in session.input)
    run = run_on_terminal if session.terminal else run_on_pipe
    status, stdout, stderr = run(command + session.arguments, text)
    errors = stderr.decode(errors="replace").splitlines()
    if emulated:
        errors = [line for line in errors if not line.startswith("wine: ")]
    actual = (stdout.decode(errors="replace").splitlines(), errors, status)
    problems = []
    for name, expected, got in zip(("stdout", "stderr"), (session.stdout, session.stderr), actual):
        if not matches(expected, got):
            difference = difflib.unified_diff(expected, got, "expected " + name, name, lineterm="")
            problems.append("\n    ".join(difference))
    if status != session.status:
        problems.append("exit status expected %d, got %d" % (session.status, status))
    return problems


def main():
    arguments = sys.argv[1:]
    emulated = arguments[:1] == ["--emulated"]
    path, command = arguments[emulated], arguments[emulated + 1:]
    sessions = read_sessions(path)
    failed = skipped = 0
    for session in sessions:
        if session.terminal and emulated:
            skipped += 1
            continue
        problems = check(command, session, emulated)
        if problems:
            failed += 1
            print("FAIL %s:%d: utcalc %s"
                  % (path, session.line_number, shlex.join(session.arguments)))
            for problem in problems:
                print("    " + problem)
    print("%d passed, %d failed, %d skipped" % (len(sessions) - failed - skipped, failed, skipped))
    return 1 if failed or not sessions else 0


if __name__ == "__main__":
    sys.exit(main())
