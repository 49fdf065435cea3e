#!/bin/sh
# Installs the Debian packages the build, the tests and the demo need, when some are missing.
# As root it runs apt-get; otherwise it prints the exact command and stops.
set -eu
# python3-jsonschema checks the project form's JSON Schema against the examples, with the
# validator editors use rather than one of our own.
PACKAGES="cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
nlohmann-json3-dev qt6-base-dev qt6-multimedia-dev libfontconfig-dev fonts-nanum python3-jsonschema"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  echo "Installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends $missing
else
  echo "Missing Debian packages. Run as root:"
  echo "  apt-get install -y --no-install-recommends$missing"
  exit 1
fi
