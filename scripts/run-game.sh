#!/usr/bin/env bash
# Starts Wordloft under Wine in the project's own prefix (kept between runs,
# so the preference file and its statistics persist), on the current
# display or, when there is none, on a private Xvfb server.
#
#   scripts/run-game.sh PATH/TO/wordloft.exe PLAY-FOLDER
set -euo pipefail
exe=$(realpath "$1")
folder=$(realpath -m "$2")
here=$(realpath "$(dirname "$0")")

export WINEPREFIX="$folder/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ ! -e "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix in $WINEPREFIX (once)..."
    rm -rf "$WINEPREFIX"
    "$here/wine-prefix.sh" "$WINEPREFIX"
    # Players want to hear the game: give the audio driver back.
    wine reg delete 'HKEY_CURRENT_USER\Software\Wine\Drivers' /v Audio /f >/dev/null 2>&1 || true
    wineserver -w
fi

echo "Starting Wordloft (preferences: $WINEPREFIX/drive_c/windows/WWLT.DAT)"
cd "$(dirname "$exe")"
"$here/with-display.sh" wine "$exe" 2>>"$folder/wine.log"
