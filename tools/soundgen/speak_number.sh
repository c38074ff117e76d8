#!/bin/sh
# Speaks one word with espeak-ng and stores it as an 8-bit mono WAVE file
# at the given sample rate, trimmed of leading and trailing silence,
# normalised to -1 dB and faded at both ends.
#
#   speak_number.sh WORD RATE OUT.wav
#
# Neither program uses randomness here (sox's dither is off), so the same
# word always gives the same bytes.
set -eu

if [ $# -ne 3 ]; then
    echo "usage: $0 WORD RATE OUT.wav" >&2
    exit 2
fi
word=$1
rate=$2
out=$3

voice=$(mktemp --suffix=.wav)
trap 'rm -f "$voice"' EXIT

espeak-ng -v en-us -s 135 -p 42 -w "$voice" "$word"

sox -D -R "$voice" -c 1 -r "$rate" -b 8 -e unsigned-integer "$out" \
    highpass 70 \
    silence 1 0.01 0.5% reverse silence 1 0.01 0.5% fade t 0.04 reverse \
    fade t 0.005 \
    norm -1 \
    pad 0.01 0.01
