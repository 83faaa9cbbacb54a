#!/usr/bin/env python3
"""Turns the benchmark programs' JSON output into build/bench/results.json, prints the table of
figures and says for each target whether it holds.

Every figure is a median over the repetitions of one run. A benchmark's items_per_second counts
operations (conversions, or lines of the settings file), so one operation takes
1e9 / items_per_second nanoseconds. A figure that was not measured is null in the JSON and
"n/a" in the table; nothing is estimated.
"""

import argparse
import json
import sys

KIB = 1024
DLL_LIMIT_BYTES = 300 * KIB
ACTIVATE_LIMIT_MS = 50.0
CALCULATE_LIMIT_MS = 2.0
LINE_COUNTS = (10, 1000, 100000)

# results.json key -> benchmark run name.
CONVERSIONS = [
    ("format_general_5_ns", "format_general_5", "FormatGeneral(x, 5, 3)"),
    ("snprintf_5g_ns", "snprintf_5g", 'snprintf "%.5G"'),
    ("float_text_ns", "float_text", "FloatText(x)"),
    ("snprintf_15g_ns", "snprintf_15g", 'snprintf "%.15G"'),
    ("to_chars_shortest_ns", "to_chars_shortest", "std::to_chars shortest"),
    ("parse_decimal_ns", "parse_decimal", "ParseDecimal"),
    ("strtod_ns", "strtod", "strtod"),
    ("from_chars_ns", "from_chars", "std::from_chars"),
    ("parse_integer_ns", "parse_integer", "ParseInteger"),
    ("strtol_ns", "strtol", "strtol"),
]
SETTINGS = [
    ("settings_load_ns_per_line", "settings_load", "LoadFromFile"),
    ("settings_save_ns_per_line", "settings_save", "SaveToFile, one value changed"),
    ("settings_save_unchanged_ns_per_line", "settings_save_unchanged", "SaveToFile, unchanged"),
]


def medians(path):
    """run name -> (ns per operation, coefficient of variation, the median's counters)."""
    if not path:
        return {}
    try:
        with open(path) as f:
            data = json.load(f)
    except (OSError, ValueError):
        return {}
    runs, spread = {}, {}
    for b in data.get("benchmarks", []):
        if b.get("run_type") != "aggregate":
            continue
        name = b["run_name"].removesuffix("/real_time")
        if b.get("aggregate_name") == "median" and b.get("items_per_second"):
            runs[name] = (1e9 / b["items_per_second"], b)
        elif b.get("aggregate_name") == "cv":
            spread[name] = b.get("items_per_second")
    return {name: (ns, spread.get(name), b) for name, (ns, b) in runs.items()}


def number(value, digits=1):
    return "n/a" if value is None else f"{value:,.{digits}f}"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--number-text", help="number_text_bench JSON output")
    parser.add_argument("--settings", help="settings_bench JSON output")
    parser.add_argument("--dll-bytes", type=int, help="stripped size of the i686 measure.dll")
    parser.add_argument("--dll-imports", default=None, help="the DLLs it imports, space-separated")
    parser.add_argument("--dll-check", choices=["pass", "fail"], help="result of check_dll.sh")
    parser.add_argument("--costs", help="plugin_costs.sh JSON output")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    figures = {**medians(args.number_text), **medians(args.settings)}
    results = {}
    rows = []
    for key, run, label in CONVERSIONS:
        ns, cv, _ = figures.get(run, (None, None, None))
        results[key] = ns
        rows.append((label, ns, cv, "ns/op"))
    for prefix, run, label in SETTINGS:
        for lines in LINE_COUNTS:
            ns, cv, _ = figures.get(f"{run}/{lines}", (None, None, None))
            results[f"{prefix}_{lines}"] = ns
            rows.append((f"{label}, {lines:,} lines", ns, cv, "ns/line"))

    results["dll_i686_bytes"] = args.dll_bytes
    imports = args.dll_imports.split() if args.dll_imports is not None else None
    results["dll_i686_imports"] = imports
    results["dll_i686_checks_pass"] = None if args.dll_check is None else args.dll_check == "pass"

    costs = {}
    if args.costs:
        try:
            with open(args.costs) as f:
                costs = json.load(f)
        except (OSError, ValueError):
            costs = {}
    results["activate_first_ms"] = costs.get("activate_first_ms")
    results["calculate_ms"] = costs.get("calculate_ms")
    results["calculate_handler_ms"] = costs.get("calculate_handler_ms")
    results["plugin_costs_status"] = costs.get("status", "not available: not run")

    def at_most(a, b, factor=1.0):
        if results[a] is None or results[b] is None:
            return None
        return results[a] <= factor * results[b]

    def below(key, limit):
        return None if results[key] is None else results[key] < limit

    dll_ok = None
    if results["dll_i686_bytes"] is not None and results["dll_i686_checks_pass"] is not None:
        dll_ok = results["dll_i686_bytes"] < DLL_LIMIT_BYTES and results["dll_i686_checks_pass"]

    def ratio(a, b):
        if results[a] is None or results[b] is None:
            return "n/a"
        return f"{results[a] / results[b]:.2f}x"

    targets = [
        ("format_general_5", 'FormatGeneral 5 <= snprintf "%.5G"',
         at_most("format_general_5_ns", "snprintf_5g_ns"),
         ratio("format_general_5_ns", "snprintf_5g_ns")),
        ("float_text", 'FloatText <= snprintf "%.15G"',
         at_most("float_text_ns", "snprintf_15g_ns"), ratio("float_text_ns", "snprintf_15g_ns")),
        ("parse_decimal", "ParseDecimal <= strtod",
         at_most("parse_decimal_ns", "strtod_ns"), ratio("parse_decimal_ns", "strtod_ns")),
        ("settings_load_linear", "load per line at 100 000 <= 2x at 1 000",
         at_most("settings_load_ns_per_line_100000", "settings_load_ns_per_line_1000", 2.0),
         ratio("settings_load_ns_per_line_100000", "settings_load_ns_per_line_1000")),
        ("settings_save_linear", "save per line at 100 000 <= 2x at 1 000",
         at_most("settings_save_ns_per_line_100000", "settings_save_ns_per_line_1000", 2.0),
         ratio("settings_save_ns_per_line_100000", "settings_save_ns_per_line_1000")),
        ("dll", "i686 DLL < 300 KiB, system imports only", dll_ok,
         "n/a" if args.dll_bytes is None else f"{args.dll_bytes / KIB:.1f} KiB"),
        ("activate_first", "first activation < 50 ms", below("activate_first_ms", ACTIVATE_LIMIT_MS),
         number(results["activate_first_ms"], 2) + " ms"),
        ("calculate", "a click < 2 ms", below("calculate_ms", CALCULATE_LIMIT_MS),
         number(results["calculate_ms"], 3) + " ms"),
    ]
    results["targets"] = {key: holds for key, _, holds, _ in targets}

    with open(args.out, "w") as f:
        json.dump(results, f, indent=2)
        f.write("\n")

    width = max(len(r[0]) for r in rows)
    print(f"{'benchmark':<{width}}  {'median':>12}  {'cv':>6}")
    for label, ns, cv, unit in rows:
        spread = "" if cv is None else f"{100 * cv:5.1f}%"
        print(f"{label:<{width}}  {number(ns):>12} {unit:<7} {spread:>6}")
    differ = {run: b.get("differ") for run, (_, _, b) in figures.items() if "differ" in b}
    for run, count in sorted(differ.items()):
        print(f"{run}: {int(count)} of the texts read differently from std::from_chars")
    print()
    print(f"i686 measure.dll, stripped: {number(args.dll_bytes, 0)} bytes;"
          f" imports: {' '.join(imports) if imports else 'n/a'};"
          f" DLL checks: {args.dll_check or 'n/a'}")
    print(f"plug-in costs: {results['plugin_costs_status']}")
    if results["calculate_handler_ms"] is not None:
        print(f"  of a click, from the button's notification on: "
              f"{number(results['calculate_handler_ms'], 3)} ms")
    print()
    print("targets:")
    for _, label, holds, figure in targets:
        verdict = "not measured" if holds is None else ("holds" if holds else "MISSED")
        print(f"  {label:<44} {verdict:<13} ({figure})")
    print(f"\nwrote {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
