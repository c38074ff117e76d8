"""Generates every sound cue of Wordloft as an 8-bit mono WAVE file.

    python3 tools/soundgen/generate.py --out DIR [--rc FILE]

writes DIR/NAME.wav for each of the 38 sound resources and, with --rc,
the resource script lines that link them into the program. The output
depends only on this source (and, for the spoken numbers, on espeak-ng
and sox), never on the time or on chance.
"""

import argparse
import pathlib
import sys

sys.dont_write_bytecode = True     # keep the source folder clean
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

import chimes      # noqa: E402
import effects     # noqa: E402
import endings     # noqa: E402
import misses      # noqa: E402
import speech      # noqa: E402
import wavefile    # noqa: E402


def variants(base, count, make):
    """NAME, NAME2, NAME3 ... as the game names a cue's recordings."""
    return [(base if v == 1 else f"{base}{v}", 11025,
             lambda rate, v=v: make(v, rate)) for v in range(1, count + 1)]


def spoken(name, rate):
    return (name, rate, lambda r: speech.speak(name.lower(), r))


# Every sound resource in the order of the list of sound cues in
# game/sound_cues.h (the build checks this table against it); each entry is
# (resource name, sample rate, function of the rate giving the samples).
CUES = (
    variants("GOTLETTER", 6, chimes.got_letter)
    + variants("MISSLETTER", 10, misses.miss_letter)
    + variants("WINGAME", 2, endings.win_game)
    + variants("LOSEGAME", 4, endings.lose_game)
    + [("SHOWLETTER", 22254, effects.show_letter),
       spoken("FOUR", 11025),
       spoken("SIX", 11025),
       spoken("EIGHT", 11127),
       spoken("TEN", 11025),
       spoken("TWELVE", 11025),
       ("GASP", 11025, effects.gasp),
       ("SCOREIN", 11025, lambda r: effects.swish(r, True)),
       ("SCOREOUT", 11025, lambda r: effects.swish(r, False)),
       ("UP", 11025, lambda r: effects.blip(r, True)),
       ("DOWN", 11025, lambda r: effects.blip(r, False)),
       ("GUESSCLICK", 11025, effects.boop),
       ("FACECLICK", 11025, effects.boing),
       ("GETNAME", 11025, chimes.get_name),
       ("FLASHCLICK", 22254, effects.flash_click),
       ("DOORDROP", 22255, effects.door_drop)]
)


def render(make, rate):
    data = make(rate)
    return data if isinstance(data, bytes) else wavefile.to_bytes(data)


def resource_script():
    lines = [f'{name} WAV "sounds/{name}.wav"' for name, _, _ in CUES]
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, type=pathlib.Path,
                        help="folder for the NAME.wav files")
    parser.add_argument("--rc", type=pathlib.Path,
                        help="also write the resource script lines here")
    args = parser.parse_args()
    args.out.mkdir(parents=True, exist_ok=True)
    for name, rate, make in CUES:
        wavefile.write(args.out / f"{name}.wav", rate, render(make, rate))
    if args.rc:
        args.rc.write_text(resource_script(), newline="\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
