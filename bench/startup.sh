#!/bin/sh
# Counts the instructions that a report costs, against the `true` command,
# under callgrind: the build's 36 KiB sample savegame, then a 1 GiB sparse one
# with the same fields, which must cost the same because qorb reads only four
# fields.
# Usage: bench/startup.sh path/to/qorb
set -eu
qorb=${1:?usage: bench/startup.sh path/to/qorb}
command -v valgrind >/dev/null || { echo "valgrind is needed (apt-get install valgrind)" >&2; exit 2; }

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# The build's sample savegame, and the same bytes at the start of a 1 GiB
# sparse file.
sample=$(dirname "$qorb")/sample.sav
[ -f "$sample" ] || { echo "no $sample: build the sample target first" >&2; exit 2; }
cp "$sample" "$dir/small.sav"
cp "$sample" "$dir/large.sav"
truncate -s 1G "$dir/large.sav"

# The same empty environment for every run, so that no count depends on the
# caller's variables.
instructions() {
    env -i valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
        sed -n 's/.*Collected : *//p'
}
true_count=$(instructions /bin/true)
small_count=$(instructions "$qorb" "$dir/small.sav")
large_count=$(instructions "$qorb" "$dir/large.sav")

awk -v t="$true_count" -v s="$small_count" -v l="$large_count" 'BEGIN {
    printf "true:                %9d instructions\n", t
    printf "qorb, 36 KiB save:   %9d instructions  %.3f x true\n", s, s / t
    printf "qorb, 1 GiB sparse:  %9d instructions  %.3f x the 36 KiB run\n", l, l / s
}'
