#!/usr/bin/env bash
# Runs a command with an X display. When DISPLAY is already set the command
# simply runs on it. Otherwise a private Xvfb server is started on a free
# display number (Xvfb picks it and reports it through -displayfd), the
# command runs with DISPLAY pointing at it, and the server is stopped
# afterwards. The command's exit code is returned. The private screen is
# 1024 x 768 pixels unless WORDLOFT_SCREEN gives another size (WIDTHxHEIGHT).
#
#   scripts/with-display.sh COMMAND [ARGS...]
set -u

if [ $# -eq 0 ]; then
    echo "usage: $0 COMMAND [ARGS...]" >&2
    exit 2
fi

if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi

if ! command -v Xvfb >/dev/null 2>&1; then
    echo "$0: Xvfb is not installed (Debian package xvfb)" >&2
    exit 2
fi

workdir=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkfifo "$workdir/displayfd"
Xvfb -displayfd 3 -screen 0 "${WORDLOFT_SCREEN:-1024x768}x24" -nolisten tcp \
    3>"$workdir/displayfd" >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!

# The server writes its display number once it accepts connections.
number=
if read -r -t 20 number <"$workdir/displayfd"; then :; fi
if [ -z "$number" ]; then
    echo "$0: Xvfb did not start:" >&2
    cat "$workdir/xvfb.log" >&2
    exit 2
fi

DISPLAY=":$number" "$@"
status=$?
exit $status
