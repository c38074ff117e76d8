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

# A prefix made before the 32-bit Wine was installed has no 32-bit system
# files (syswow64) and cannot run the 32-bit program: it is made again,
# keeping the player's preference file.
preferences="$WINEPREFIX/drive_c/windows/WWLT.DAT"
if [ -e "$WINEPREFIX/system.reg" ] && "$here/win32-support.sh" wine >/dev/null &&
    [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    echo "The Wine prefix in $WINEPREFIX has no 32-bit system files: making it again."
    [ -f "$preferences" ] && cp -p "$preferences" "$folder/WWLT.DAT.kept"
    rm -rf "$WINEPREFIX"
fi
if [ ! -e "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix in $WINEPREFIX (once)..."
    rm -rf "$WINEPREFIX"
    "$here/wine-prefix.sh" "$WINEPREFIX"
    if [ -f "$folder/WWLT.DAT.kept" ]; then
        mv "$folder/WWLT.DAT.kept" "$preferences"
    fi
    # Players want to hear the game: give the audio driver back.
    wine reg delete 'HKEY_CURRENT_USER\Software\Wine\Drivers' /v Audio /f >/dev/null 2>&1 || true
    wineserver -w
fi

# The help opens as a web page (the prefix says Windows 7, which has no help
# viewer): .htm pages go to Wine's browser, which hands them to the host's.
# A prefix made without Wine's own HTML engine has no such association.
if ! grep -q '^\[Software\\\\Classes\\\\.htm\]' "$WINEPREFIX/system.reg"; then
    wine reg add 'HKEY_CLASSES_ROOT\.htm' /ve /d htmlfile /f >/dev/null 2>&1 || true
    wineserver -w
fi

echo "Starting Wordloft (preferences: $WINEPREFIX/drive_c/windows/WWLT.DAT)"
cd "$(dirname "$exe")"
"$here/with-display.sh" wine "$exe" 2>>"$folder/wine.log"
