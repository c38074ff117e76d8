#!/usr/bin/env bash
# Installs every Debian package that building and testing Wordloft needs.
# Quiet and quick when everything is present; never asks a question.
#
# The players' program is 32-bit. Where the kernel runs 32-bit code, the
# i386 architecture is added and Debian's 32-bit Wine (wine32:i386) is
# installed beside the 64-bit one, so that one 64-bit Wine prefix runs
# both programs. Where it does not, one line says so and the rest is
# installed as usual; the tests then report the 32-bit runs as skipped.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

packages=(
    cmake make g++ python3
    googletest libgtest-dev
    clang libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine wine64 xvfb xauth x11-utils
    fonts-liberation fonts-wine
    espeak-ng sox
    nsis
)

if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
export DEBIAN_FRONTEND=noninteractive

win32=no
if "$here/win32-support.sh" kernel; then
    win32=yes
    packages+=(wine32:i386)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$win32" = yes ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
