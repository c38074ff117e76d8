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
    g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine wine64 xvfb xauth x11-utils
    fonts-liberation fonts-wine
    espeak-ng sox
    pulseaudio
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
# A mirror in the middle of a sync serves an index of the wrong size for
# a few minutes. Ask again a few times; if one index still fails, the rest
# is used and the install below says whether anything is missing.
for attempt in 1 2 3; do
    $SUDO apt-get update -qq && break
    [ "$attempt" -lt 3 ] || break
    echo "apt-get update failed (attempt $attempt); trying again" >&2
    sleep $((attempt * 15))
done
install() { $SUDO apt-get install -y -qq "$@" "${missing[@]}" >/dev/null; }
# Where one architecture's security index could not be read, the 32-bit
# libraries of the release cannot match the 64-bit ones of its security
# archive; taking both from the release's own archive keeps them in step.
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
if ! install; then
    echo "apt-get install failed; trying again with the packages of $release itself" >&2
    install -t "$release"
fi
