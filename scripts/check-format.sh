#!/bin/sh
# Fails when a C++ file of src/, tests/, bench/ or fuzz/ is not formatted as .clang-format
# says, and names each such file. As root it installs clang-format when it is missing;
# otherwise it prints the apt-get line to run.
set -eu
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: clang-format"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends clang-format
  else
    echo "clang-format is missing. Run as root:"
    echo "  apt-get install -y --no-install-recommends clang-format"
    exit 1
  fi
fi
bad=0
for f in $(find src tests bench fuzz -name '*.h' -o -name '*.cpp' | sort); do
  if ! clang-format --dry-run -Werror "$f" >/dev/null 2>&1; then
    echo "not formatted: $f (clang-format -i $f)"
    bad=1
  fi
done
exit $bad
