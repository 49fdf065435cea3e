#!/bin/sh
# Re-records the expected lines of the script corpus (tests/corpus/cases/*.txt) from the
# player as it is now. Run it only when a change of behaviour is intended, then read the
# diff of tests/corpus/cases before committing it.
#
# usage: scripts/record-corpus.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
cmake --build "$build" --target test_corpus -j2 >/dev/null
QAV_RECORD_CORPUS=1 "$build/test_corpus" >/dev/null || true
"$build/test_corpus" --gtest_brief=1
git -C "$root" diff --stat -- tests/corpus/cases
