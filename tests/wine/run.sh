#!/usr/bin/env bash
# Runs the Wine tests of Wordloft against one program, the 32-bit or the
# 64-bit build: with the test driver and its probe that the same build put
# beside the program (a hook DLL goes only into a process of its own
# bitness), in a fresh Wine prefix under Xvfb (or the display in DISPLAY).
# Prints one line per scenario, "PASS name" or "FAIL name" with the
# reasons, then "N passed, M failed". Exits non-zero when a scenario
# failed. Where this machine cannot run a 32-bit program, a 32-bit one's
# scenarios are each reported "SKIP name". Screenshots are left in OUTPUT/screenshots, Wine's
# messages in OUTPUT/wine.log.
#
#   tests/wine/run.sh PROGRAM OUTPUT-FOLDER [SCENARIO...]
set -u

if [ $# -lt 2 ]; then
    echo "usage: $0 PROGRAM OUTPUT-FOLDER [SCENARIO...]" >&2
    exit 2
fi
program=$(realpath -m "$1")
out=$(realpath -m "$2")
shift 2
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
started=$(date +%s)

# Every scenario, in the driver's order, with the screen it runs on and,
# for a scenario of another language, the locale the programs start in
# ("1024x768 de_DE.UTF-8"): the one list that the driver is built from
# (driver/scenario_list.h).
declare -a all_names=()
declare -A screen_of=()
entry='^WORDLOFT_SCENARIO\("([a-z0-9-]+)", *[A-Za-z0-9_]+, *"([0-9]+x[0-9]+( [a-z]{2}_[A-Z]{2}\.UTF-8)?)"\)$'
malformed=()
while IFS= read -r line; do
    if [[ $line =~ $entry ]]; then
        all_names+=("${BASH_REMATCH[1]}")
        screen_of[${BASH_REMATCH[1]}]=${BASH_REMATCH[2]}
    elif [[ $line == WORDLOFT_SCENARIO* ]]; then
        malformed+=("$line")
    fi
done <"$here/driver/scenario_list.h"

# A sound server of the run's own for the scenarios that play with a sound
# device (the prefix itself has none): PulseAudio with a sink that plays
# into nothing at the real pace. Without it those scenarios say so.
pulse_pid=
start_sound_server() {
    command -v pulseaudio >/dev/null || return 0
    local dir="$out/pulse"
    rm -rf "$dir" && mkdir -p "$dir"
    XDG_RUNTIME_DIR="$dir" HOME="$dir" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        --use-pid-file=no --disable-shm=yes --load="module-null-sink sink_name=nullsink" \
        --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" >"$dir/log" 2>&1 &
    pulse_pid=$!
    for _ in $(seq 50); do [ -S "$dir/native" ] && break; sleep 0.1; done
    [ -S "$dir/native" ] && export PULSE_SERVER="unix:$dir/native"
}
stop_sound_server() {
    [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null && wait "$pulse_pid" 2>/dev/null
}
finish() {  # passed failed
    stop_sound_server
    local checks
    checks=$(sed -n 's/^\(PASS\|FAIL\) .* (\([0-9]*\) checks)$/\2/p' "$out/driver.out" 2>/dev/null |
             awk '{n += $1} END {print n + 0}')
    echo "wine tests took $(( $(date +%s) - started )) s, $checks checks"
    echo "$1 passed, $2 failed"
    [ "$2" -eq 0 ]
    exit $?
}

if [ ${#malformed[@]} -gt 0 ]; then
    echo "FAIL scenario-list"
    printf '    not in the form WORDLOFT_SCENARIO("name", Function, "WIDTHxHEIGHT"): %s\n' "${malformed[@]}"
    finish 0 1
fi
if [ ! -f "$program" ]; then
    echo "FAIL program"
    echo "    $program does not exist"
    finish 0 1
fi
mkdir -p "$out"

# PE machine 0x014C: a 32-bit program. Where this machine cannot run one,
# every scenario is reported skipped, by name, instead of failing.
machine=$(od -An -tx2 -j $(( $(od -An -tu4 -j 60 -N 4 "$program") + 4 )) -N 2 "$program" | tr -d ' ')
if [ "$machine" = 014c ] && ! reason=$("$root/scripts/win32-support.sh" wine); then
    for name in "${all_names[@]}"; do echo "SKIP $name"; done
    echo "$reason"
    echo "0 passed, 0 failed, ${#all_names[@]} skipped"
    exit 0
fi

driver=$(dirname "$program")/wordloft_driver.exe
probe=$(dirname "$program")/wordloft_probe.dll
if [ ! -f "$driver" ] || [ ! -f "$probe" ]; then
    echo "FAIL driver"
    echo "    $driver or $probe is missing (built with the program)"
    finish 0 1
fi

# One prefix per run, copied from a template that the runs of the same
# build folder share.
template="$(dirname "$out")/wine-prefix-template"
if ! "$root/scripts/wine-template.sh" "$template" >"$out/prefix.log" 2>&1; then
    echo "FAIL wine-prefix"
    sed 's/^/    /' "$out/prefix.log" | tail -30
    finish 0 1
fi
rm -rf "$out/prefix" "$out/screenshots"
cp -a "$template" "$out/prefix"
mkdir -p "$out/screenshots"

start_sound_server

export WINEPREFIX="$out/prefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
windows_path() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }

# The soak scenario plays for WORDLOFT_SOAK_MINUTES (default 1) on top of
# the other scenarios' time, which on a machine busy with both programs'
# runs at once comes to nearly 300 s. Wine's own processes are ended while
# the display is still there. Each run of the driver has one screen: the
# scenarios of each screen run together, in the driver's order. A program
# speaks the language of the locale its starter runs in (Wine takes the
# user interface language from the Unix side, LC_ALL): the scenarios of a
# locale run in a driver of their own.
export limit=$((400 + 60 * ${WORDLOFT_SOAK_MINUTES:-1}))
run_driver() {  # "SCREEN[ LOCALE]" SCENARIO...
    local screen=${1%% *} locale=
    [[ $1 == *" "* ]] && locale=${1#* }
    shift
    WORDLOFT_SCREEN=$screen WORDLOFT_LOCALE=$locale "$root/scripts/with-display.sh" bash -c \
        '[ -n "$WORDLOFT_LOCALE" ] && export LC_ALL=$WORDLOFT_LOCALE
         timeout "$limit" wine "$@"; status=$?; wineserver -k; exit $status' driver \
        "$driver" "$(windows_path "$program")" \
        "$(windows_path "$probe")" "$(windows_path "$out/screenshots")" "$@" \
        2>>"$out/wine.log" | tr -d '\r' | tee -a "$out/driver.out"
    return "${PIPESTATUS[0]}"
}
: >"$out/driver.out"
: >"$out/wine.log"
scenarios=("$@")
[ ${#scenarios[@]} -gt 0 ] || scenarios=("${all_names[@]}")
declare -A wanted=()
for name in "${scenarios[@]}"; do
    if [ -n "${screen_of[$name]:-}" ]; then
        wanted[$name]=1
    else
        printf 'FAIL %s\n    no such scenario in tests/wine/driver/scenario_list.h\n' "$name" |
            tee -a "$out/driver.out"
    fi
done
status=0
screens=()
declare -A listed=()
for name in "${all_names[@]}"; do
    [ -n "${listed[${screen_of[$name]}]:-}" ] || screens+=("${screen_of[$name]}")
    listed[${screen_of[$name]}]=1
done
for screen in "${screens[@]}"; do
    chosen=()
    for name in "${all_names[@]}"; do
        [ -n "${wanted[$name]:-}" ] && [ "${screen_of[$name]}" = "$screen" ] && chosen+=("$name")
    done
    if [ ${#chosen[@]} -gt 0 ]; then
        run_driver "$screen" "${chosen[@]}" || status=$((status + $?))
    fi
done
python3 "$here/bmp_to_png.py" "$out/screenshots"

passed=$(grep -c '^PASS ' "$out/driver.out")
failed=$(grep -c '^FAIL ' "$out/driver.out")
if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then
    echo "FAIL driver"
    echo "    the driver ended with status $status (124: out of time); see $out/wine.log"
    failed=$((failed + 1))
fi
finish "$passed" "$failed"
