#!/bin/sh
# Runs the four script workloads of interpreter_bench and their Python twins in the same run
# and prints, for each, the CPU time per executed script line on both sides and their ratio
# (ours / Python: below 1 means faster than Python). Both sides divide by the number of lines
# the QAV script executes.
#
# usage: bench/compare.sh [BUILD_DIR] [REPEAT]   (defaults: build, 3)
#   Builds interpreter_bench in BUILD_DIR if it is missing; each figure is the median of
#   REPEAT runs.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-"$here/../build"}
repeat=${2:-3}
bench="$build/interpreter_bench"

command -v python3 >/dev/null || { echo "compare.sh: python3 is needed" >&2; exit 1; }
if [ ! -x "$bench" ]; then
  [ -f "$build/build.ninja" ] || [ -f "$build/Makefile" ] ||
    cmake -S "$here/.." -B "$build" -G Ninja >/dev/null
  cmake --build "$build" --target interpreter_bench -j2 >/dev/null
fi

out=$(mktemp)
trap 'rm -f "$out"' EXIT
# One process per workload: a workload run after another one sees a different heap (the text
# join was three times slower after the loop in one process).
for w in ScriptLoop TextJoin DataSearch ListFill; do
  "$bench" --benchmark_filter="^BM_$w/" --benchmark_repetitions="$repeat" \
    --benchmark_report_aggregates_only=true --benchmark_format=json 2>/dev/null |
    python3 -c 'import json, sys; print(json.dumps(json.load(sys.stdin)["benchmarks"]))' >>"$out"
done
python3 "$here/interpreter_twins.py" "$repeat" | python3 -c '
import json, sys
ours = {}
for b in (b for line in open(sys.argv[1]) for b in json.loads(line)):
    # The median of the repetitions; a single run has no aggregates.
    if b.get("aggregate_name") == "median" or b.get("run_type") == "iteration":
        name = b["run_name"].split("/")[0].removeprefix("BM_")
        if b.get("aggregate_name") == "median" or name not in ours:
            ours[name] = (int(b["lines"]), b["per_line"] * 1e9)
print("%-12s%10s%14s%16s%9s" % ("workload", "lines", "QAV ns/line", "Python ns/line", "ratio"))
for row in sys.stdin:
    name, lines, py = row.split()
    lines, py = int(lines), float(py)
    if name not in ours:
        print(f"{name:<12} no figure from interpreter_bench"); continue
    n, q = ours[name]
    note = "" if n == lines else f"  (line counts differ: {n} vs {lines})"
    print(f"{name:<12}{lines:>10}{q:>14.1f}{py:>16.1f}{q / py:>9.2f}{note}")
' "$out"
