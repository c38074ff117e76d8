#!/usr/bin/env bash
# Runs the Wordloft bench under Wine for both programs: the 32-bit one that
# players download and the 64-bit one, each with the bench, probe, bare
# window and start-up hook built beside it (a hook DLL goes only into a
# process of its own bitness). Both run in one fresh prefix under one Xvfb (or the display in
# DISPLAY) and one wineserver, one after the other, so every ratio
# compares like with like; then their figures are printed side by side.
# Where this machine cannot run 32-bit programs, only the 64-bit program is
# measured, and the bench says why.
#
#   tests/bench/run.sh BUILD-FOLDER [RUNS]
set -u

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD-FOLDER [RUNS]" >&2
    exit 2
fi
build=$(realpath -m "$1")
runs=${2:-7}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out="$build/bench"
mkdir -p "$out"

bits=(32 64)
if ! reason=$("$root/scripts/win32-support.sh" wine); then
    echo "$reason"
    bits=(64)
fi
for b in "${bits[@]}"; do
    for file in wordloft.exe wordloft_probe.dll wordloft_bare_window.exe wordloft_startup_hook.dll \
            wordloft_bench.exe; do
        if [ ! -f "$build/win$b/$file" ]; then
            echo "$build/win$b/$file is missing: build the win$b target first" >&2
            exit 2
        fi
    done
done
i686-w64-mingw32-strip -o "$out/wordloft32-stripped.exe" "$build/win32/wordloft.exe" || exit 2
x86_64-w64-mingw32-strip -o "$out/wordloft64-stripped.exe" "$build/win64/wordloft.exe" || exit 2

template="$build/wine-prefix-template"
if ! "$root/scripts/wine-template.sh" "$template" >"$out/prefix.log" 2>&1; then
    echo "cannot make the Wine prefix; see $out/prefix.log" >&2
    exit 2
fi
rm -rf "$out/prefix"
cp -a "$template" "$out/prefix"

export WINEPREFIX="$out/prefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
windows_path() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }

# Each program's bench in turn, under the one display and wineserver; the
# rows of the B-bit program go to OUT/rows-B.txt, its log to OUT/wine-B.log.
run_benches() {  # BITS...
    local status=0 b bin
    for b in "$@"; do
        bin="$build/win$b"
        timeout 900 wine "$bin/wordloft_bench.exe" "$(windows_path "$bin/wordloft.exe")" \
            "$(windows_path "$bin/wordloft_probe.dll")" \
            "$(windows_path "$bin/wordloft_bare_window.exe")" \
            "$(windows_path "$bin/wordloft_startup_hook.dll")" \
            "$(stat -c %s "$out/wordloft$b-stripped.exe")" "$runs" \
            2>"$out/wine-$b.log" | tr -d '\r' >"$out/rows-$b.txt"
        [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
    done
    wineserver -k
    return "$status"
}
export -f run_benches windows_path
export build out runs

echo "Wordloft bench: $runs runs of each program under $(wine --version 2>/dev/null)"
# The screen holds the window at 200 %, where the repaint is measured too.
WORDLOFT_SCREEN=1600x1200 "$root/scripts/with-display.sh" bash -c 'run_benches "$@"' benches "${bits[@]}"
status=$?
columns=()
for b in "${bits[@]}"; do columns+=("$b-bit=$out/rows-$b.txt"); done
python3 "$here/side_by_side.py" "${columns[@]}" || status=1
[ "${#bits[@]}" -eq 2 ] || echo "32-bit: not run. $reason"
echo "Per-round start-up times and pauses off by more than 15 ms: $out/wine-*.log"
exit "$status"
