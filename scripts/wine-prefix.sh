#!/usr/bin/env bash
# Creates a Wine prefix ready for running Wordloft in tests:
#   - a fresh 64-bit prefix (wineboot),
#   - no window manager control of Wine's windows ("Managed"="N"; without a
#     window manager every dialog close otherwise stalls),
#   - no audio device, so sounds return at once and quietly,
#   - "Times New Roman" replaced by the metric-compatible Liberation Serif,
#   - no crash dialog: a program that crashes ends instead of waiting,
#   - no menu builder: shortcuts saved in the prefix's Desktop and Start
#     Menu stay there instead of becoming entries of the Linux desktop,
#   - the user's Desktop, Documents and other folders are folders of the
#     prefix, not links into the home folder (wineboot links them there),
#     so that nothing a test writes there lands among the user's files,
#   - Wine's own fonts copied into windows/Fonts, where dialog fonts such as
#     MS Sans Serif and Tahoma are looked up.
# Needs wine, fonts-liberation and fonts-wine. wineboot needs no display.
#
#   scripts/wine-prefix.sh PREFIX-FOLDER
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 PREFIX-FOLDER" >&2
    exit 2
fi

prefix=$(realpath -m "$1")
if [ -e "$prefix" ] && [ -n "$(ls -A "$prefix" 2>/dev/null)" ]; then
    echo "$0: $prefix exists and is not empty" >&2
    exit 2
fi
mkdir -p "$prefix"

export WINEPREFIX="$prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# wineboot may try to open windows; keep it off any real display.
unset DISPLAY

log="$prefix/wine-prefix.log"
wineboot -i >"$log" 2>&1 || { cat "$log" >&2; exit 1; }

settings=$(mktemp --suffix=.reg)
trap 'rm -f "$settings"' EXIT
printf '%s\r\n' \
    'REGEDIT4' \
    '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
    '"Managed"="N"' \
    '' \
    '[HKEY_CURRENT_USER\Software\Wine\Drivers]' \
    '"Audio"=""' \
    '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"Times New Roman"="Liberation Serif"' \
    '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' \
    '"ShowCrashDialog"=dword:00000000' \
    '' \
    '[HKEY_CURRENT_USER\Software\Wine\DllOverrides]' \
    '"winemenubuilder.exe"=""' \
    '' >"$settings"
wine reg import "Z:${settings//\//\\}" >>"$log" 2>&1 \
    || { cat "$log" >&2; exit 1; }

for folder in "$prefix"/drive_c/users/*/*; do
    if [ -L "$folder" ]; then
        rm "$folder"
        mkdir "$folder"
    fi
done

fonts="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/wine/fonts/* "$fonts/"

# Let the prefix's server write the registry to disk and end, so that the
# folder can be copied as a template.
wineserver -w
