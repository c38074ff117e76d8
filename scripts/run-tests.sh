#!/usr/bin/env bash
# Runs every test of Wordloft against the builds in the given folder and
# ends with one summary line: "N passed, M failed" (one count per test).
set -uo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."

passed=0
failed=0
add() { passed=$((passed + $1)); failed=$((failed + $2)); }

# A suite that prints its own "N passed, M failed" line adds its counts;
# one that does not counts as a single test by its exit status.
run_suite() {
    local name=$1; shift
    local log="$build/test-logs/$name.log"
    mkdir -p "$build/test-logs"
    echo "== $name"
    "$@" >"$log" 2>&1
    local status=$?
    local counts
    counts=$(grep -Eo '^[0-9]+ passed, [0-9]+ failed' "$log" | tail -n 1)
    tail -n 5 "$log" | sed 's/^/   /'
    if [ -n "$counts" ]; then
        local p f
        p=${counts%% passed*}; f=${counts##*, }; f=${f%% failed}
        [ "$status" -ne 0 ] && [ "$f" -eq 0 ] && f=1
        add "$p" "$f"
    elif [ "$status" -eq 0 ]; then
        add 1 0
    else
        add 0 1
    fi
    [ "$status" -eq 0 ] || echo "   FAILED: $name (log: $log)"
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

run_suite unit ctest_counts
for script in tests/assets/test_*.py; do
    [ -e "$script" ] || continue
    name=$(basename "$script" .py)
    if [ "$name" = test_art ]; then
        run_suite "$name" python3 "$script" --review "$build/review-sheet.png"
    else
        run_suite "$name" python3 "$script"
    fi
done
[ -e tests/assets/check_resources.py ] && run_suite resources-win64 python3 tests/assets/check_resources.py "$build/win64/wordloft.exe"
[ -e tests/assets/check_resources.py ] && run_suite resources-win32 python3 tests/assets/check_resources.py "$build/win32/wordloft.exe"
[ -x tests/wine/run.sh ] && run_suite wine tests/wine/run.sh "$build/win64/wordloft.exe" "$build/wine"
# The release: the zip and installers built and checked, the 64-bit
# installer installed and removed under Wine.
[ -e tests/dist/test_dist.py ] && run_suite dist \
    timeout 300 scripts/with-display.sh python3 tests/dist/test_dist.py "$build"

echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
