#!/bin/sh
# Counts the instructions that a report costs, against the `true` command,
# under callgrind: a 36 KiB savegame, then a 1 GiB sparse one with the same
# fields, which must cost the same because qorb reads only four fields.
# Usage: bench/startup.sh path/to/qorb
set -eu
qorb=${1:?usage: bench/startup.sh path/to/qorb}
command -v valgrind >/dev/null || { echo "valgrind is needed (apt-get install valgrind)" >&2; exit 2; }

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# Commander "Example": 212 kills, 300 Federal and 2500 Imperial points.
make_savegame() {
    truncate -s "$2" "$1"
    poke() { printf "$2" | dd of="$1" bs=1 seek="$3" conv=notrunc status=none; }
    poke "$1" '\324\000' 35117
    poke "$1" '\054\001' 35120
    poke "$1" '\304\011' 35122
    poke "$1" 'Example\000' 35144
}
make_savegame "$dir/small.sav" 36864
make_savegame "$dir/large.sav" 1G

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
