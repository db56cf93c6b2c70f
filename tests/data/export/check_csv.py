#!/usr/bin/env python3
"""Reads zor-cli's CSV exports with Python's own csv module and checks them.

check_csv.py stats STATS.csv HITS.csv
    recomputes every statistics row from the hits' durations (the k-th stats
    row named X from the next n hits named X) with the statistics module;
    prints "ok" or the first difference.
check_csv.py dump FILE.csv
    prints every field of every row, fields split by 0x1F, rows by 0x1E.
"""
import csv
import statistics
import sys
from collections import defaultdict, deque


def read(path):
    with open(path, newline="", encoding="utf-8") as f:
        return list(csv.reader(f))


def close(text, value):
    if value is None:
        return text == ""
    return text != "" and abs(float(text) - value) <= 0.0005 + 1e-9 * abs(value)


def check_stats(stats_path, hits_path):
    stats, hits = read(stats_path), read(hits_path)
    assert stats[0] == "spec,type,n,mean,sd,median,q1,q3,min,max,cv".split(","), stats[0]
    header = hits[0]
    queues = defaultdict(deque)
    start, end, duration = (header.index(c) for c in ("start_s", "end_s", "duration_ms"))
    for row in hits[1:]:
        assert len(row) == len(header), row
        queues[row[0]].append(float(row[duration]))
        # The tables round each sound to whole ms; a hit of up to three
        # sounds, or a word, is truncated from their sum.
        if row[start] == "" or abs((float(row[end]) - float(row[start])) * 1000 - float(row[duration])) > 2:
            print(f"hit {row[:7]} lies at {row[start]!r}..{row[end]!r}")
            return 1
    for row in stats[1:]:
        spec, n = row[0], int(row[2])
        data = [queues[spec].popleft() for _ in range(n)]
        sd = statistics.stdev(data) if n > 1 else None
        mean = statistics.mean(data)
        q1, median, q3 = statistics.quantiles(data, n=4, method="inclusive") if n > 1 else [data[0]] * 3
        cv = sd / mean if sd is not None and mean != 0 else None
        expected = [mean, sd, median, q1, q3, min(data), max(data), cv]
        for name, text, value in zip(["mean", "sd", "median", "q1", "q3", "min", "max", "cv"],
                                     row[3:], expected):
            if not close(text, value):
                print(f"{spec}: {name} is {text!r}, expected {value}")
                return 1
        for field in row[3:]:
            if "." in field and len(field.split(".")[1]) > 3:
                print(f"{spec}: more than 3 decimals in {field}")
                return 1
    left = sum(len(q) for q in queues.values())
    if left:
        print(f"{left} hits belong to no statistics row")
        return 1
    print("ok")
    return 0


def dump(path):
    sys.stdout.write("\x1e".join("\x1f".join(row) for row in read(path)))
    return 0


if __name__ == "__main__":
    if sys.argv[1] == "stats":
        sys.exit(check_stats(sys.argv[2], sys.argv[3]))
    sys.exit(dump(sys.argv[2]))
