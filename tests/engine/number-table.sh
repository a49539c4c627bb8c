#!/bin/sh
# Runs the number echo of one build (its command given, with the emulator
# before it in the WebAssembly build) on the table and compares what it
# prints with what the table's texts must read and echo as.
set -eu
here=$(dirname "$0")
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# A Windows build ends its lines with CR LF; the texts are what count.
"$@" "$here/number-table.txt" | tr -d '\r' > "$out"
diff -u "$here/number-table.expected" "$out"
