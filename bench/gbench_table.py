#!/usr/bin/env python3
"""Google Benchmark JSON (stdin) as rows of the figures table: the p50/p99/max counters of each
benchmark in microseconds, else its mean time, with MB/s and other counters where it has them."""
import json
import sys

TARGETS = {
    "BM_KeyToPort": "p99 < 100 us",
    "BM_MouseToPort": "p99 < 100 us",
    "BM_LoadLargeScript/100000": "> 50 MB/s",
    "FullRepaint": "< 1 ms",
    "BM_ArpSpacing": "p99 < 200 us",
    "BM_ReplayTiming": "p99 < 200 us",
}


def target(name):
    for key, value in TARGETS.items():
        if name.startswith(key):
            return value
    return ""


def main():
    data = json.load(sys.stdin)
    for b in data["benchmarks"]:
        name = b["name"].replace("/manual_time", "").replace("/iterations:", " x")
        if b.get("label"):
            name = "%s (%s)" % (name.split("/")[0], b["label"])
        if b.get("error_occurred"):
            print("| %s | error: %s | %s |" % (name, b.get("error_message", ""), target(name)))
            continue
        groups = sorted({k[: -len("_p50_us")] for k in b if k.endswith("_p50_us")})
        parts = [
            "%s: p50 %.1f / p99 %.1f / max %.1f us"
            % (g, b[g + "_p50_us"], b[g + "_p99_us"], b[g + "_max_us"])
            for g in groups
        ]
        if not parts:
            parts.append("%.3g %s" % (b["real_time"], b["time_unit"]))
        if "bytes_per_second" in b:
            parts.append("%.0f MB/s" % (b["bytes_per_second"] / 1e6))
        for extra in ("arrived", "files", "messages", "file_kb", "lost"):
            if extra in b:
                parts.append("%s %.0f" % (extra.replace("_", " "), b[extra]))
        print("| %s | %s | %s |" % (name, "; ".join(parts), target(name)))


main()
