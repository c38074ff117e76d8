#!/usr/bin/env bash
# Runs the Wordloft bench under Wine: the 64-bit program, the bare window
# it is measured against, and the bench that measures both, all from the
# win64 build folder; the 32-bit program's size comes from the win32 one.
# Everything runs in one fresh prefix under one Xvfb (or the display in
# DISPLAY) and one wineserver, so every ratio compares like with like.
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
bin="$build/win64"
out="$build/bench"
mkdir -p "$out"

for file in wordloft.exe wordloft_probe.dll wordloft_bare_window.exe wordloft_bench.exe; do
    if [ ! -f "$bin/$file" ]; then
        echo "$bin/$file is missing: build the win64 target first" >&2
        exit 2
    fi
done
if [ ! -f "$build/win32/wordloft.exe" ]; then
    echo "$build/win32/wordloft.exe is missing: build the win32 target first" >&2
    exit 2
fi
i686-w64-mingw32-strip -o "$out/wordloft-stripped.exe" "$build/win32/wordloft.exe" || exit 2
stripped=$(stat -c %s "$out/wordloft-stripped.exe")

# The same prefix recipe as the Wine tests, made once and copied per run.
template="$out/prefix-template"
recipe="$(wine --version 2>/dev/null) $(sha1sum <"$root/scripts/wine-prefix.sh")"
if [ "$(cat "$template/recipe" 2>/dev/null)" != "$recipe" ]; then
    rm -rf "$template"
    if ! "$root/scripts/wine-prefix.sh" "$template" >"$out/prefix.log" 2>&1; then
        echo "cannot make the Wine prefix; see $out/prefix.log" >&2
        rm -rf "$template"
        exit 2
    fi
    echo "$recipe" >"$template/recipe"
fi
rm -rf "$out/prefix"
cp -a "$template" "$out/prefix"

export WINEPREFIX="$out/prefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
windows_path() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }

echo "Wordloft bench: $runs runs under $(wine --version 2>/dev/null)"
"$root/scripts/with-display.sh" bash -c \
    'timeout 900 wine "$@"; status=$?; wineserver -k; exit $status' bench \
    "$bin/wordloft_bench.exe" "$(windows_path "$bin/wordloft.exe")" \
    "$(windows_path "$bin/wordloft_probe.dll")" "$(windows_path "$bin/wordloft_bare_window.exe")" \
    "$stripped" "$runs" 2>"$out/wine.log" | tr -d '\r'
exit "${PIPESTATUS[0]}"
