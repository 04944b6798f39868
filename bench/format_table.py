#!/usr/bin/env python3
"""Prints the benchmark table from Google Benchmark's JSON output.

Benchmarks are named "section/operation/implementation" (see harness.h);
their median CPU time per operation over the repetitions is compared with
the int128 reference of the same operation and with the anchor of each
target; the spread over the repetitions shows as the fastest one beside the
median. Flat calls are also set against the lean floor .so, the same names
computed with nothing but two loads per record and 128-bit integers. The
"growth ..." sections become small tables of their own.
Usage: format_table.py results.json
"""
import json
import sys

REFERENCE = "int128"
FLOOR = "lean floor .so"
EVENT_QUEUE = "event queue"
# (implementation, anchor, largest ratio allowed) of the event queue.
EVENT_QUEUE_TARGETS = [("library", "int64_t fs", 1.5), ("library inline", "int64_t fs", 1.5),
                       ("library inline", "int128", 1.1)]
LIBRARY_IMPLEMENTATIONS = ("class", "flat", "library")
INTEGER_OPERATIONS = ("add", "subtract", "multiply", "divide", "rem", "mod", "less than", "equal")
PARSE_OPERATIONS = ("parse typical literals", "parse 1-digit literal", "parse 10-digit literal",
                    "parse 28-digit literal")

# (section, operations, implementation, anchor, largest ratio allowed)
TARGETS = [
    ("integer", INTEGER_OPERATIONS, "flat", "int128 .so", 1.5),
    ("integer", INTEGER_OPERATIONS, "flat", FLOOR, 1.25),
    ("integer", ("add that overflows",), "flat", FLOOR, 2.0),
    ("time", ("add", "subtract", "less than", "equal"), "flat", FLOOR, 1.25),
    ("time", ("times int", "divided by int"), "flat", FLOOR, 2.0),
    ("integer", INTEGER_OPERATIONS, "class", "int128", 3.0),
    ("integer", ("decimal image",), "class", "GMP mpz_t", 1.0),
    ("time text", ("parse typical literals",), "library", "SystemC sc_time", 0.4),
    ("time text", PARSE_OPERATIONS[1:], "library", "SystemC sc_time", 0.6),
    ("time text", ("image in ns",), "library", "SystemC sc_time", 0.1),
]


def load_medians(path):
    """{(section, operation, implementation): (median ns, allocations per op, fastest ns)} in
    registration order. The fastest repetition is read from the single runs when the file has them."""
    with open(path, encoding="utf-8") as stream:
        report = json.load(stream)
    medians = [entry for entry in report["benchmarks"] if entry.get("aggregate_name") == "median"]
    medians.sort(key=lambda entry: (entry["family_index"], entry["per_family_instance_index"]))
    fastest = {}
    for entry in report["benchmarks"]:
        if entry.get("run_type") == "iteration":
            name = entry["run_name"]
            fastest[name] = min(fastest.get(name, entry["cpu_time"]), entry["cpu_time"])
    results = {}
    for entry in medians:
        # A fixed iteration count adds "/iterations:N" to the name.
        section, operation, implementation = entry["run_name"].split("/")[:3]
        results[(section, operation, implementation)] = (entry["cpu_time"], entry.get("allocs/op", 0.0),
                                                         fastest.get(entry["run_name"], entry["cpu_time"]))
    return report["context"], results


def spread(values):
    """The fastest repetition and the median, as "min - median"."""
    return f"{number(values[2])} - {number(values[0])}"


def ratio_spread(results, key, anchor_key):
    """The ratio of the fastest repetitions and of the medians."""
    value, anchor = results[key], results[anchor_key]
    return f"{value[2] / anchor[2]:.2f} - {value[0] / anchor[0]:.2f}"


def number(value):
    return f"{value:.3g}" if value < 1000 else f"{value:.0f}"


def targets_of(section, operation, implementation):
    return [(anchor, limit) for target_section, operations, target_implementation, anchor, limit in TARGETS
            if (section, implementation) == (target_section, target_implementation) and operation in operations]


def target_cell(results, key, allocations):
    section, operation, implementation = key
    verdicts = []
    for anchor, limit in targets_of(section, operation, implementation):
        if (section, operation, anchor) not in results:
            continue
        ratio = results[key][0] / results[(section, operation, anchor)][0]
        verdicts.append(f"{ratio:.2f} x {anchor} (<= {limit}) {'pass' if ratio <= limit else 'FAIL'}")
    if implementation in LIBRARY_IMPLEMENTATIONS and allocations > 0:
        verdicts.append("allocates: FAIL")
    return "; ".join(verdicts)


def print_main_table(results):
    print("| operation | implementation | ns/op (min - median) | x int128 | allocs/op | target |")
    print("|---|---|---:|---:|---:|---|")
    for key, (nanoseconds, allocations, _) in results.items():
        section, operation, implementation = key
        if section.startswith("growth") or section == EVENT_QUEUE:
            continue
        reference = results.get((section, operation, REFERENCE))
        ratio = f"{nanoseconds / reference[0]:.2f}" if reference else ""
        print(f"| {section} {operation} | {implementation} | {spread(results[key])} | {ratio} | "
              f"{allocations:.3g} | {target_cell(results, key, allocations)} |")


README_COLUMNS = ("int128", "class", "flat", "int128 .so", FLOOR, "Boost checked_int128_t", "GMP mpz_t",
                  "SystemC sc_time")
README_NAMES = {"Boost checked_int128_t": "Boost", "GMP mpz_t": "GMP", "SystemC sc_time": "SystemC"}


def print_readme_table(results):
    """The README's form: one row per operation, median ns per implementation. Text rows put the
    library's parser and image in the flat column."""
    rows = {}
    for (section, operation, implementation), values in results.items():
        if section.startswith("growth") or section == EVENT_QUEUE:
            continue
        name = f"{section} {operation}" if section != "time text" else operation
        column = "flat" if implementation == "library" else implementation
        rows.setdefault(name, {})[column] = values
    print("\nIn the README's form (median ns per operation):\n")
    print("| operation | " + " | ".join(README_NAMES.get(column, column) for column in README_COLUMNS) + " |")
    print("|---|" + "--:|" * len(README_COLUMNS))
    for name, cells in rows.items():
        print(f"| {name} | " + " | ".join(number(cells[column][0]) if column in cells else ""
                                          for column in README_COLUMNS) + " |")


def print_floor_table(results):
    """Every flat call against the lean floor's call of the same name."""
    rows = [(section, operation) for (section, operation, implementation) in results
            if implementation == "flat" and (section, operation, FLOOR) in results]
    if not rows:
        return
    print(f"\nflat calls against the {FLOOR} (ns/op and ratio, fastest repetition - median):\n")
    print(f"| flat call | {FLOOR} | library | library / {FLOOR} |")
    print("|---|---:|---:|---:|")
    for section, operation in rows:
        floor, library = (section, operation, FLOOR), (section, operation, "flat")
        print(f"| {section} {operation} | {spread(results[floor])} | {spread(results[library])} | "
              f"{ratio_spread(results, library, floor)} |")


def print_target_summary(results):
    print("\nTargets:")
    for section, operations, implementation, anchor, limit in TARGETS:
        for operation in operations:
            if (section, operation, implementation) not in results or (section, operation, anchor) not in results:
                continue  # filtered out of this run
            ratio = results[(section, operation, implementation)][0] / results[(section, operation, anchor)][0]
            verdict = "pass" if ratio <= limit else "FAIL"
            print(f"  {section} {operation}, {implementation} / {anchor}: {ratio:.2f} (at most {limit}) {verdict}")
    allocating = [f"{section} {operation} ({implementation})"
                  for (section, operation, implementation), (_, allocations, _) in results.items()
                  if implementation in LIBRARY_IMPLEMENTATIONS and allocations > 0
                  and not section.startswith("growth")]
    print(f"  no heap allocation on the library's paths: "
          f"{'pass' if not allocating else 'FAIL: ' + ', '.join(allocating)}")


def print_parse_growth(results, section, per_digit):
    rows = [(operation, values[0]) for (table, operation, _), values in results.items() if table == section]
    if not rows:
        return
    print(f"\n{section} (library, median ns/op):\n")
    print("| literal | ns/op |" + (" ns/digit |" if per_digit else ""))
    print("|---|---:|" + ("---:|" if per_digit else ""))
    for operation, nanoseconds in rows:
        extra = f" {nanoseconds / int(operation.split()[0]):.3g} |" if per_digit else ""
        print(f"| {operation} | {number(nanoseconds)} |{extra}")


def print_division_growth(results):
    if ("growth divide", "1 by 1 digits", "class") not in results:
        return
    print("\ngrowth divide: class ns/op (x int128), dividend digits down, divisor digits across:\n")
    print("| dividend \\ divisor | " + " | ".join(str(digits) for digits in range(1, 7)) + " |")
    print("|---|" + "---:|" * 6)
    for dividend in range(1, 7):
        cells = []
        for divisor in range(1, 7):
            operation = f"{dividend} by {divisor} digits"
            library = results[("growth divide", operation, "class")][0]
            reference = results[("growth divide", operation, REFERENCE)][0]
            cells.append(f"{number(library)} ({library / reference:.0f}x)")
        print(f"| {dividend} | " + " | ".join(cells) + " |")


def print_event_queue(results):
    rows = {}
    for (section, operation, implementation) in results:
        if section == EVENT_QUEUE:
            rows.setdefault(operation, []).append(implementation)
    if not rows:
        return
    implementations = next(iter(rows.values()))
    targets = [(name, anchor, limit) for name, anchor, limit in EVENT_QUEUE_TARGETS
               if name in implementations and anchor in implementations]
    print(f"\n{EVENT_QUEUE}: ns per event (fastest repetition - median), and ratios (fastest - median):\n")
    print("| pending | " + " | ".join(implementations) + " | "
          + " | ".join(f"{name} / {anchor} (<= {limit})" for name, anchor, limit in targets) + " |")
    print("|---|" + "---:|" * (len(implementations) + len(targets)))
    for operation in sorted(rows, key=lambda item: int(item.split()[0])):
        cells = [spread(results[(EVENT_QUEUE, operation, name)]) for name in implementations]
        for name, anchor, limit in targets:
            key, anchor_key = (EVENT_QUEUE, operation, name), (EVENT_QUEUE, operation, anchor)
            verdict = "pass" if results[key][0] / results[anchor_key][0] <= limit else "FAIL"
            cells.append(f"{ratio_spread(results, key, anchor_key)} {verdict}")
        print(f"| {operation.split()[0]} | " + " | ".join(cells) + " |")


def main():
    context, results = load_medians(sys.argv[1])
    load = ", ".join(f"{value:.2f}" for value in context.get("load_avg", []))
    print(f"{context.get('num_cpus')} CPUs at {context.get('mhz_per_cpu')} MHz, load average at start {load}; "
          "CPU time per operation over the repetitions: the fastest and the median.\n")
    print_main_table(results)
    print_floor_table(results)
    print_target_summary(results)
    print_readme_table(results)
    print_parse_growth(results, "growth parse length", per_digit=True)
    print_parse_growth(results, "growth parse exponent", per_digit=False)
    print_division_growth(results)
    print_event_queue(results)


if __name__ == "__main__":
    main()
