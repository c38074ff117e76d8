#!/usr/bin/env bash
# Installs every Debian package that building and testing Wordloft needs.
# Quiet and quick when everything is present; never asks a question; never
# adds a foreign architecture (the 64-bit Wine is the one that runs here).
set -euo pipefail

packages=(
    cmake make g++ python3
    googletest libgtest-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine wine64 xvfb xauth x11-utils
    fonts-liberation fonts-wine
    espeak-ng sox
    nsis
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
