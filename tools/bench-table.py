#!/usr/bin/env python3
"""Prints the benchmark results as one Markdown table.

Every benchmark program runs BM_Reference, a fixed CPU workload, in the same
process; each timed figure is also given as a ratio to it, because the
machines are shared and noisy and only ratios measured in one run compare.
"""
import json
import sys

UNITS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def seconds(bench, key):
    return bench[key] * UNITS[bench.get("time_unit", "ns")]


def human(value):
    if value >= 1:
        return f"{value:.2f} s"
    if value >= 1e-3:
        return f"{value * 1e3:.2f} ms"
    if value >= 1e-6:
        return f"{value * 1e6:.2f} µs"
    return f"{value * 1e9:.0f} ns"


def counters(bench):
    skip = {"name", "run_name", "run_type", "repetitions", "repetition_index", "threads",
            "iterations", "real_time", "cpu_time", "time_unit", "label", "family_index",
            "per_family_instance_index", "aggregate_name", "error_occurred", "error_message"}
    parts = []
    for key, value in bench.items():
        if key in skip or not isinstance(value, (int, float)):
            continue
        parts.append(f"{key} {value:.3g}" if isinstance(value, float) else f"{key} {value}")
    return ", ".join(parts)


def main(paths):
    print("| program | benchmark | real time | CPU time | CPU ÷ reference | figures | goal / note |")
    print("|---|---|---|---|---|---|---|")
    for path in paths:
        with open(path) as f:
            data = json.load(f)
        program = path.rsplit("/", 1)[-1].removesuffix(".json")
        benches = [b for b in data.get("benchmarks", []) if b.get("run_type") != "aggregate"]
        reference = next((b for b in benches if b["name"] == "BM_Reference"), None)
        ref_cpu = seconds(reference, "cpu_time") if reference else None
        for b in benches:
            if b["name"] == "BM_Reference":
                continue
            cpu = seconds(b, "cpu_time")
            ratio = f"{cpu / ref_cpu:.3f}" if ref_cpu else ""
            print(f"| {program} | {b['name']} | {human(seconds(b, 'real_time'))} | {human(cpu)} "
                  f"| {ratio} | {counters(b)} | {b.get('label', '')} |")
        if reference:
            print(f"| {program} | BM_Reference | {human(seconds(reference, 'real_time'))} "
                  f"| {human(ref_cpu)} | 1 | | the yardstick |")


if __name__ == "__main__":
    main(sys.argv[1:])
