#!/usr/bin/env bash
# Says whether this machine can run the 32-bit Windows program, the one
# players download, under Wine:
#
#   scripts/win32-support.sh kernel   the kernel runs 32-bit x86 code
#   scripts/win32-support.sh wine     ... and Debian's 32-bit Wine is installed
#
# Exits 0 when it can. When it cannot, prints one line saying why and
# exits 1. The kernel is asked by running a 32-bit program of 96 bytes
# that only exits with status 42: nothing else tells for certain, since a
# kernel can be built, or started, without its 32-bit support.
set -u

kernel_runs_32bit() {
    local probe status
    probe=$(mktemp) || return 1
    # ELF header (32-bit, little-endian, i386 executable, entry 0x08048054),
    # one loadable segment holding the whole file, then the code:
    # mov eax, 1 (exit); mov ebx, 42; int 0x80.
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'\
'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'\
'\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00'\
'\x00\x00\x00\x00'\
'\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'\
'\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'\
'\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    status=$?
    rm -f "$probe"
    [ "$status" -eq 42 ]
}

wine32_installed() {
    [ "$(dpkg-query -W -f='${db:Status-Status}' wine32:i386 2>/dev/null)" = installed ]
}

# WORDLOFT_32BIT=no treats the machine as one that cannot: the 32-bit runs
# are then reported skipped, as on such a machine.
if [ "${WORDLOFT_32BIT:-}" = no ]; then
    echo "32-bit runs are switched off (WORDLOFT_32BIT=no): the 32-bit Wordloft is not tested."
    exit 1
fi

case "${1:-wine}" in
    kernel)
        kernel_runs_32bit && exit 0
        echo "This machine's kernel does not run 32-bit programs: the 32-bit Wordloft cannot be tested here."
        exit 1 ;;
    wine)
        if ! kernel_runs_32bit; then
            echo "This machine's kernel does not run 32-bit programs: the 32-bit Wordloft cannot be tested here."
            exit 1
        fi
        wine32_installed && exit 0
        echo "The 32-bit Wine (Debian's wine32:i386) is not installed: the 32-bit Wordloft cannot be tested here."
        exit 1 ;;
    *)
        echo "usage: $0 [kernel|wine]" >&2
        exit 2 ;;
esac
