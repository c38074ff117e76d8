#!/usr/bin/env bash
# Makes sure a template Wine prefix is ready in the given folder, made by
# scripts/wine-prefix.sh with this machine's Wine. A template made by
# another Wine, by another version of the recipe, or before the 32-bit
# Wine was installed (it lacks the syswow64 files that 32-bit programs
# need) is made again. Tests copy the template (cp -a, under a second)
# instead of making a prefix each time (about 10 s). Callers may run at
# the same time: one makes the template, the others wait for it.
#
#   scripts/wine-template.sh TEMPLATE-FOLDER
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 TEMPLATE-FOLDER" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
template=$(realpath -m "$1")
mkdir -p "$(dirname "$template")"

if "$here/win32-support.sh" wine >/dev/null; then win32=yes; else win32=no; fi
recipe="$(wine --version 2>/dev/null) $(sha1sum <"$here/wine-prefix.sh" | cut -d' ' -f1) 32-bit:$win32"

exec 9>"$template.lock"
flock 9
if [ "$(cat "$template/recipe" 2>/dev/null)" = "$recipe" ]; then
    exit 0
fi
rm -rf "$template"
if ! "$here/wine-prefix.sh" "$template" >"$template.log" 2>&1; then
    cat "$template.log" >&2
    rm -rf "$template"
    exit 1
fi
if [ "$win32" = yes ] && [ ! -f "$template/drive_c/windows/syswow64/kernel32.dll" ]; then
    echo "$0: the new prefix has no 32-bit system files (syswow64)" >&2
    rm -rf "$template"
    exit 1
fi
echo "$recipe" >"$template/recipe"
