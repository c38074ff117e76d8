#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds,
# starting from the seed corpus committed beside it. Prints per target the
# executions reached and the crashes found, then "N passed, M failed" (one
# count per target). A crash's input is kept in BUILD/fuzz/findings.
#
#   scripts/fuzz.sh [SECONDS] [BUILD]     (default 600 seconds, build)
set -uo pipefail
seconds=${1:-600}
build=$(realpath -m "${2:-build}")
cd "$(dirname "$0")/.."
root=$(pwd)
out="$build/fuzz"

if ! { cmake -S tests/fuzz -B "$out" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null &&
       cmake --build "$out" -j2 >"$out/build.log" 2>&1; }; then
    tail -30 "$out/build.log"
    echo "0 passed, 1 failed"
    exit 1
fi

passed=0
failed=0
for target in preferences wordlist category listtext; do
    corpus="$out/corpus/$target"
    findings="$out/findings/$target"
    mkdir -p "$corpus" "$findings"
    log="$out/$target.log"
    before=$(find "$findings" -type f | wc -l)
    # The seeds are read first; what the fuzzer learns stays in the build.
    "$out/fuzz_$target" -max_total_time="$seconds" -max_len=40000 -timeout=20 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$root/tests/fuzz/seeds/$target" \
        >"$log" 2>&1
    status=$?
    runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$' | tail -n 1)
    crashes=$(( $(find "$findings" -type f | wc -l) - before ))
    if [ "$status" -ne 0 ] && [ "$crashes" -eq 0 ]; then crashes=1; fi
    echo "fuzz_$target: ${runs:-0} executions in ${seconds} s, $crashes crashes"
    if [ "$status" -eq 0 ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        grep -E '^(==[0-9]+==ERROR|SUMMARY|finding:|.*runtime error)' "$log" | head -5 | sed 's/^/    /'
        ls "$findings" | head -3 | sed "s|^|    input: $findings/|"
    fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
