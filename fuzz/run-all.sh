#!/bin/sh
# Runs every fuzz target in turn, each for SECONDS, niced (NICE, default 5): seeded with its
# committed corpus (fuzz/corpus/<target>/), new inputs kept in WORK/<target>/, crashing inputs
# in WORK/artifacts/<target>/. Prints each target's closing figures (executions, coverage,
# crashes). A crashing input belongs in the committed corpus once its fault is mended.
#
# usage: fuzz/run-all.sh FUZZ_BUILD_DIR WORK [SECONDS] [TARGET...]
#   FUZZ_BUILD_DIR configured with
#     CXX=clang++ CC=clang cmake -S . -B build-fuzz -G Ninja -DQAV_FUZZ=ON -DQAV_WITH_QT=OFF
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$1
work=$2
seconds=${3:-600}
shift 2
[ $# -gt 0 ] && shift
targets=${*:-"pack_json record_reader datafile script project_load"}
for t in $targets; do
  cmake --build "$build" --target "${t}_fuzz" -j2 >/dev/null || exit 1
done
for t in $targets; do
  mkdir -p "$work/$t" "$work/artifacts/$t"
  options="-max_total_time=$seconds -rss_limit_mb=2048 -timeout=10 -print_final_stats=1"
  case $t in
    pack_json) options="$options -max_len=8192 -dict=$here/pack_json.dict" ;;
    project_load) options="$options -max_len=20000" ;;
    script) options="$options -max_len=4096 -dict=$here/script.dict" ;;
    *) options="$options -max_len=16384" ;;
  esac
  # Crashes are kept and the run goes on, so that one fault does not hide the others.
  nice -n "${NICE:-5}" "$build/${t}_fuzz" $options -fork=1 -ignore_crashes=1 -ignore_timeouts=1 \
    -ignore_ooms=1 -artifact_prefix="$work/artifacts/$t/" "$work/$t" "$here/corpus/$t" \
    >"$work/$t.log" 2>&1
  execs=$(grep -o '^#[0-9]*' "$work/$t.log" | tail -1 | tr -d '#')
  cov=$(grep -o 'cov: [0-9]*' "$work/$t.log" | tail -1)
  ft=$(grep -o 'ft: [0-9]*' "$work/$t.log" | tail -1)
  crashes=$(ls "$work/artifacts/$t" | wc -l)
  echo "$t: ${seconds}s, executions ${execs:-?}, ${cov:-cov ?}, ${ft:-ft ?}, crashing inputs $crashes"
done
