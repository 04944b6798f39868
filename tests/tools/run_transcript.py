"""Runs the calculator over a transcript and compares what it writes.

A session starts with "$ utcalc ARGS" (split as a shell does); then "% terminal" (standard input
is a pseudo-terminal), "< line" (standard input), "> line" (expected standard output), "! line"
(expected standard error), "? N" (exit status, 0 when not given); " => answer" after the arguments
or an input line expects the answer as the next output line, " =! column C: reason" after an input
line that line's error ("utcalc: line N, column C: reason") as the next error line; "#" starts a
comment. An expected "..." matches all the lines left; trailing white space is not compared.

Usage: run_transcript.py TRANSCRIPT [EMULATOR...] COMMAND: under an emulator (a cross build) the
terminal sessions, which it need not pass through, are skipped and "wine: ..." notices dropped.
"""
import difflib
import os
import pty
import shlex
import subprocess
import sys
import termios


def read_sessions(path):
    sessions = []
    with open(path, encoding="utf-8") as transcript:
        for number, line in enumerate(transcript, 1):
            line = line.rstrip("\n")
            mark, text, answer, error = line[:1], line[2:], None, None
            if mark in ("$", "<") and " => " in text:
                text, answer = text.split(" => ", 1)
                text = text.rstrip()  # the answers of a session may be aligned
            elif mark == "<" and " =! " in text:
                text, error = text.split(" =! ", 1)
                text = text.rstrip()
            if mark == "$":
                sessions.append({"line": number, "arguments": shlex.split(text)[1:],
                                 "terminal": False, "<": [], ">": [], "!": [], "?": 0})
            elif mark and mark in "<>!" and sessions:
                sessions[-1][mark].append(text)
            elif mark == "?" and sessions:
                sessions[-1]["?"] = int(text)
            elif line == "% terminal" and sessions:
                sessions[-1]["terminal"] = True
            elif line and mark != "#":
                raise SystemExit("%s:%d: not a transcript line: %r" % (path, number, line))
            if answer is not None:
                sessions[-1][">"].append(answer)
            if error is not None:
                sessions[-1]["!"].append("utcalc: line %d, %s" % (len(sessions[-1]["<"]), error))
    return sessions


def run(command, text, terminal):
    """Input through a pipe, or typed into a pseudo-terminal (echo off) with
    an end-of-file character after it before the calculator reads."""
    if not terminal:
        return subprocess.run(command, input=text.encode(), capture_output=True, timeout=300)
    controller, far_side = pty.openpty()
    attributes = termios.tcgetattr(far_side)
    attributes[3] &= ~termios.ECHO
    termios.tcsetattr(far_side, termios.TCSANOW, attributes)
    os.write(controller, text.encode() + b"\x04")
    try:
        return subprocess.run(command, stdin=far_side, capture_output=True, timeout=300)
    finally:
        os.close(far_side)
        os.close(controller)


def matches(expected, actual):
    expected, actual = [line.rstrip() for line in expected], [line.rstrip() for line in actual]
    if expected[-1:] == ["..."]:
        expected, actual = expected[:-1], actual[:len(expected) - 1]
    return actual == expected


def problems_of(command, session):
    result = run(command + session["arguments"], "".join(line + "\n" for line in session["<"]),
                 session["terminal"])
    errors = [line for line in result.stderr.decode(errors="replace").splitlines()
              if not line.startswith("wine: ")]  # an emulator's notices, never the calculator's
    problems = []
    for name, mark, got in (("stdout", ">", result.stdout.decode(errors="replace").splitlines()),
                            ("stderr", "!", errors)):
        if not matches(session[mark], got):
            difference = difflib.unified_diff(session[mark], got, "expected " + name, name, lineterm="")
            problems.append("\n    ".join(difference))
    if result.returncode != session["?"]:
        problems.append("exit status expected %d, got %d" % (session["?"], result.returncode))
    return problems


def main():
    path, command = sys.argv[1], sys.argv[2:]
    emulated = len(command) > 1
    sessions = read_sessions(path)
    runs = [session for session in sessions if not (session["terminal"] and emulated)]
    failed = 0
    for session in runs:
        problems = problems_of(command, session)
        if problems:
            failed += 1
            print("FAIL %s:%d: utcalc %s" % (path, session["line"], shlex.join(session["arguments"])))
            print("\n".join("    " + problem for problem in problems))
    print("%d passed, %d failed, %d skipped" % (len(runs) - failed, failed, len(sessions) - len(runs)))
    return 1 if failed or not sessions else 0


if __name__ == "__main__":
    sys.exit(main())
