#!/usr/bin/env bash
# Runs every test of Wordloft against the builds in the given folder and
# ends with one summary line: "N passed, M failed, K skipped" (one count
# per test), naming every skipped test. The Wine scenarios run against
# both programs, the 32-bit one (the players') and the 64-bit one, each in
# a prefix and display of its own; both go on in the background while the
# other suites run, since most of their time is the game's own pauses.
set -uo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
logs="$build/test-logs"
mkdir -p "$logs"
started=$(date +%s)

passed=0
failed=0
skipped=0
skipped_names=()

# Adds a finished suite's counts. A suite that prints its own
# "N passed, M failed[, K skipped]" line adds those counts and names its
# skipped tests on "SKIP name" lines; one that does not counts as a single
# test by its exit status.
collect() {
    local name=$1 status=$2 seconds=$3 log="$logs/$1.log"
    local counts p f k
    echo "== $name ($seconds s)"
    counts=$(grep -Eo '^[0-9]+ passed, [0-9]+ failed(, [0-9]+ skipped)?' "$log" | tail -n 1)
    tail -n 5 "$log" | sed 's/^/   /'
    if [ -n "$counts" ]; then
        p=${counts%% passed*}
        f=${counts#*, }; f=${f%% failed*}
        k=0
        [[ $counts == *skipped ]] && { k=${counts##*, }; k=${k%% skipped}; }
        [ "$status" -ne 0 ] && [ "$f" -eq 0 ] && f=1
        passed=$((passed + p)); failed=$((failed + f)); skipped=$((skipped + k))
        while read -r skip; do
            skipped_names+=("$name/$skip")
        done < <(sed -n 's/^SKIP \([^ ]*\).*/\1/p' "$log")
    elif [ "$status" -eq 0 ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
    fi
    [ "$status" -eq 0 ] || echo "   FAILED: $name (log: $log)"
}

run_suite() {
    local name=$1 began status; shift
    began=$(date +%s)
    "$@" >"$logs/$name.log" 2>&1
    status=$?
    collect "$name" "$status" $(( $(date +%s) - began ))
}

# Background suites: started now, collected by finish_suite. A suite's time
# is until it ended, not until it was collected.
declare -A background=()
start_suite() {
    local name=$1; shift
    ( began=$(date +%s); "$@"; status=$?
      echo $(( $(date +%s) - began )) >"$logs/$name.seconds"; exit $status ) >"$logs/$name.log" 2>&1 &
    background[$name]=$!
}
finish_suite() {
    local status
    wait "${background[$1]}"
    status=$?
    collect "$1" "$status" "$(cat "$logs/$1.seconds" 2>/dev/null)"
}

ctest_counts() {
    local out status line total failures
    out=$(ctest --test-dir "$build/native" --output-on-failure -j2 2>&1)
    status=$?
    echo "$out"
    line=$(echo "$out" | grep -E 'tests failed out of [0-9]+' | tail -n 1)
    total=$(echo "$line" | grep -Eo 'out of [0-9]+' | grep -Eo '[0-9]+')
    failures=$(echo "$line" | grep -Eo '[0-9]+ tests failed' | grep -Eo '[0-9]+')
    echo "$(( ${total:-0} - ${failures:-0} )) passed, ${failures:-1} failed"
    return $status
}

# The Wine scenarios share one template prefix; it is made (or found
# current) before the first of them starts.
scripts/wine-template.sh "$build/wine-prefix-template" >"$logs/wine-prefix.log" 2>&1 \
    || echo "   the template Wine prefix could not be made (log: $logs/wine-prefix.log)"
start_suite wine-win32 tests/wine/run.sh "$build/win32/wordloft.exe" "$build/wine32"
start_suite wine-win64 tests/wine/run.sh "$build/win64/wordloft.exe" "$build/wine64"

run_suite unit ctest_counts
run_suite fuzz scripts/fuzz.sh 20 "$build"
for script in tests/assets/test_*.py; do
    [ -e "$script" ] || continue
    name=$(basename "$script" .py)
    if [ "$name" = test_art ]; then
        run_suite "$name" python3 "$script" --review "$build/review-sheet.png"
    else
        run_suite "$name" python3 "$script"
    fi
done
run_suite resources-win64 python3 tests/assets/check_resources.py "$build/win64/wordloft.exe"
run_suite resources-win32 python3 tests/assets/check_resources.py "$build/win32/wordloft.exe"
run_suite manifest python3 tests/assets/check_manifest.py "$build/win64/wordloft.exe" "$build/win32/wordloft.exe"
run_suite imports python3 tests/assets/check_imports.py "$build/win32/wordloft.exe" "$build/win64/wordloft.exe"
# The release: the zip and the installer built and checked, the players'
# 32-bit installer installed and removed under Wine.
run_suite dist timeout 300 scripts/with-display.sh python3 tests/dist/test_dist.py "$build"
finish_suite wine-win32
finish_suite wine-win64

echo
echo "tests took $(( $(date +%s) - started )) s"
summary="$passed passed, $failed failed, $skipped skipped"
if [ ${#skipped_names[@]} -gt 0 ]; then
    summary+=": ${skipped_names[*]}"
fi
echo "$summary"
[ "$failed" -eq 0 ]
