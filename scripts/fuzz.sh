#!/bin/sh
# A bounded AFL++ campaign against the real qorb binary, built with
# AddressSanitizer and UBSan, on synthetic savegames of several sizes.
# Fails when the campaign found any crash or hang.
# Usage: scripts/fuzz.sh SECONDS      (work files go to build-fuzz/)
set -eu
seconds=${1:?usage: scripts/fuzz.sh SECONDS}
top=$(cd "$(dirname "$0")/.." && pwd)
work=$top/build-fuzz

CC=afl-clang-fast CXX=afl-clang-fast++ cmake -S "$top" -B "$work" -DQORB_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build "$work" -j2 --target qorb sample >/dev/null

# Seeds: the full sample, one that ends where the name begins, one that ends
# inside the name, one far too short, and one whose name holds a line feed.
seeds=$work/seeds
rm -rf "$seeds" "$work/findings"
mkdir -p "$seeds"
cp "$work/sample.sav" "$seeds/full.sav"
head -c 35144 "$work/sample.sav" >"$seeds/no-name.sav"
head -c 35147 "$work/sample.sav" >"$seeds/short-name.sav"
head -c 64 "$work/sample.sav" >"$seeds/too-short.sav"
cp "$work/sample.sav" "$seeds/line-feed.sav"
printf 'E\nx' | dd of="$seeds/line-feed.sav" bs=1 seek=35144 conv=notrunc status=none

# A sanitizer report must end the process with a signal for AFL to see it.
export ASAN_OPTIONS=abort_on_error=1:symbolize=0:detect_leaks=0
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
export AFL_NO_UI=1 AFL_SKIP_CPUFREQ=1 AFL_I_DONT_CARE_ABOUT_MISSING_CRASHES=1
afl-fuzz -V "$seconds" -m none -t 2000 -i "$seeds" -o "$work/findings" -- "$work/qorb" @@ \
    >"$work/afl.log" 2>&1 || { tail -20 "$work/afl.log"; exit 1; }

stats=$work/findings/default/fuzzer_stats
stat() { sed -n "s/^$1 *: *//p" "$stats"; }
crashes=$(stat saved_crashes)
hangs=$(stat saved_hangs)
echo "fuzz: $(stat execs_done) executions in $(stat run_time) s, $(stat corpus_count) paths," \
    "$crashes crashes, $hangs hangs"
[ "$crashes" -eq 0 ] && [ "$hangs" -eq 0 ] || {
    echo "findings in $work/findings/default/crashes and hangs" >&2
    exit 1
}
