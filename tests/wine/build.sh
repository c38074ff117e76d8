#!/usr/bin/env bash
# Builds the Wine test driver and its probe DLL with the 64-bit MinGW-w64
# compiler into the given folder (default build/wine).
#
#   tests/wine/build.sh [OUTPUT-FOLDER]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=$(realpath -m "${1:-build/wine}")
mkdir -p "$out/obj"

cxx=x86_64-w64-mingw32-g++
flags=(-std=c++17 -O1 -Wall -Wextra -Werror -static -static-libgcc -static-libstdc++)

# The probe lives in the program's process; it needs nothing but user32
# and gdi32.
$cxx "${flags[@]}" -shared -o "$out/wordloft_probe.dll" \
    "$here/probe/probe_hook.cpp" -luser32 -lgdi32

objects=()
for source in "$here"/driver/*.cpp; do
    object="$out/obj/$(basename "${source%.cpp}").o"
    if [ ! -e "$object" ] || [ "$source" -nt "$object" ] ||
       [ -n "$(find "$here/driver" "$here/probe" -name '*.h' -newer "$object" 2>/dev/null)" ]; then
        $cxx "${flags[@]}" -c -o "$object" "$source" &
    fi
    objects+=("$object")
    # Two compilers at a time.
    while [ "$(jobs -rp | wc -l)" -ge 2 ]; do wait -n; done
done
while [ "$(jobs -rp | wc -l)" -gt 0 ]; do wait -n || exit 1; done
$cxx "${flags[@]}" -o "$out/wordloft_driver.exe" "${objects[@]}" -luser32 -lgdi32
