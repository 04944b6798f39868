"""The manual page against the calculator's --help (options, usage line, grammar) and --version.

Usage: check_manual_page.py MANUAL_PAGE COMMAND [ARGUMENT...]
"""
import re
import subprocess
import sys

OPTION = re.compile(r"--?[a-z][a-z-]*")


def plain(roff):  # without font changes and escaped hyphens
    return re.sub(r"\\f[BIRP]", "", roff).replace("\\-", "-")


def help_sections(help_text):
    options, grammar, section = [], [], None
    for line in help_text.splitlines():
        if line in ("options:", "grammar, lowest precedence first:"):
            section = line
        elif not line.startswith("  "):
            section = None
        elif section == "options:":
            options += OPTION.findall(line.split("  ")[1])
        elif section:
            grammar.append(line.strip())
    return options, grammar


def main():
    page_path, command = sys.argv[1], sys.argv[2:]
    with open(page_path, encoding="utf-8") as page:
        roff = page.read()
    text = plain(roff)
    help_text = subprocess.run(command + ["--help"], capture_output=True, text=True, check=True).stdout
    version = subprocess.run(command + ["--version"], capture_output=True, text=True, check=True).stdout
    options, grammar = help_sections(help_text)
    page_options = set(OPTION.findall("\n".join(re.findall(r"^\.(?:B|BI|BR) (.*)$", text, re.M))))
    problems = []
    if set(options) != page_options:
        problems.append("options differ: --help %s, page %s" % (sorted(options), sorted(page_options)))
    problems += ["grammar line missing from the page: " + line for line in grammar if line not in text]
    usage = re.search(r"usage: utcalc (.*)", help_text)
    synopsis = text[text.index("SYNOPSIS"):text.index("DESCRIPTION")]
    problems += ["usage option missing from the synopsis: " + option
                 for option in OPTION.findall(usage.group(1)) if option not in synopsis]
    if version.split()[-1] not in roff.splitlines()[0]:
        problems.append("the page's version is not " + version.strip())
    for problem in problems:
        print(problem)
    print("manual page %s: %d options, %d grammar lines checked" % ("differs" if problems else "agrees",
                                                                     len(options), len(grammar)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
