#!/bin/sh
# Checks every include in src/ against the layer table src/layers.txt: a file may include its
# own folder and the folders reachable downward from it. Prints each offender as
# file:line: and exits 1 when there is one.
set -eu
SRC=${1:-"$(dirname "$0")/../src"}
cd "$SRC"
find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort | xargs awk -v src="$SRC" '
  FNR == 1 && !loaded {
    while ((getline line < "layers.txt") > 0) {
      if (line !~ /^[a-z]/) continue
      n = split(line, w, /[ \t]+/)
      known[w[1]] = 1
      deps[w[1]] = ""
      for (i = 2; i <= n; i++) deps[w[1]] = deps[w[1]] " " w[i]
    }
    for (l in known) { delete seen; reach(l, l) }
    loaded = 1
  }
  function reach(from, l,    d, m, i) {
    if (seen[l]) return
    seen[l] = 1
    allowed[from, l] = 1
    allowedText[from] = allowedText[from] " " l
    m = split(deps[l], d, " ")
    for (i = 1; i <= m; i++) reach(from, d[i])
  }
  /^[ \t]*#[ \t]*include[ \t]*["<]/ {
    split(FILENAME, p, "/")
    layer = p[1]
    line = $0
    sub(/^[ \t]*#[ \t]*include[ \t]*/, "", line)
    quoted = substr(line, 1, 1) == "\""
    path = substr(line, 2)
    sub(/[">].*$/, "", path)
    target = path
    sub(/\/.*$/, "", target)
    if (!quoted && !(target in known)) next  # a library header
    if (!(layer in known)) {
      printf "%s/%s:%d: %s is in no layer of layers.txt\n", src, FILENAME, FNR, layer
      bad = 1
    } else if (path !~ /\// || !(target in known)) {
      printf "%s/%s:%d: includes %s, not a path from src/ (write layer/File.h)\n", src, FILENAME, FNR, path
      bad = 1
    } else if (!allowed[layer, target]) {
      printf "%s/%s:%d: includes %s: %s/ may include only%s\n", src, FILENAME, FNR, path, layer,
             allowedText[layer]
      bad = 1
    }
  }
  END { exit bad }
' || exit 1
