"""Checks every copy of the list of sound cues against the list itself.

    python3 tests/assets/check_sound_list.py      (the build runs it)

The list is written once, in game/sound_cues.h: each cue with its SoundId,
the resource name of its recording and how many recordings it has (NAME,
NAME2, ...). The recordings' names, in the list's order, must be exactly
the lines of the resource script resources/sounds.rc, the cues of the
sound generator (tools/soundgen/generate.py), the names of the sound tests
(tests/assets/test_sounds.py) and those the check of the linked program
expects (tests/assets/art_tables.py), whose sample rates must be the
generator's. (The SoundId enum is checked by game/sound_cues.cpp.)
Prints one line per disagreement and exits 1; prints nothing on success.
"""

import importlib
import pathlib
import re
import sys

sys.dont_write_bytecode = True     # keep the source folders clean

ROOT = pathlib.Path(__file__).resolve().parents[2]
LIST = ROOT / "game" / "sound_cues.h"
CUE = re.compile(r'^\s*WORDLOFT_SOUND_CUE\((k[A-Za-z]+), "([A-Z0-9]+)", (\d+)\)\s*\\?$')


def listed_cues(text):
    """[(id, name, recordings)] of the list, and the lines that name a cue
    in another form."""
    cues, malformed = [], []
    for line in text.splitlines():
        if not line.lstrip().startswith("WORDLOFT_SOUND_CUE("):
            continue
        match = CUE.match(line)
        if match:
            cues.append((match[1], match[2], int(match[3])))
        else:
            malformed.append(line.strip())
    return cues, malformed


def recording_names(cues):
    return [name if v == 1 else f"{name}{v}"
            for _, name, count in cues for v in range(1, count + 1)]


def module(folder, name):
    sys.path.insert(0, str(ROOT / folder))
    try:
        return importlib.import_module(name)
    finally:
        sys.path.pop(0)


def disagreements(names, rc_text, generator, sound_tests, art_tables):
    """Each copy that disagrees with the list's recording names, described."""
    faults = []

    def compare(what, got, ordered=True):
        want = names if ordered else sorted(names)
        got = list(got) if ordered else sorted(got)
        if got != want:
            missing = [n for n in want if n not in got]
            extra = [n for n in got if n not in want]
            faults.append(f"{what} disagrees with game/sound_cues.h: "
                          + (f"missing {missing}, " if missing else "")
                          + (f"not listed {extra}, " if extra else "")
                          + ("" if missing or extra else "out of order, ")
                          + f"{len(got)} names for {len(want)}")

    rc_lines = rc_text.splitlines()
    compare("resources/sounds.rc", [line.split(" ", 1)[0] for line in rc_lines])
    odd = [line for line in rc_lines
           if line != '{0} WAV "sounds/{0}.wav"'.format(line.split(" ", 1)[0])]
    if odd:
        faults.append(f'resources/sounds.rc: not in the form NAME WAV "sounds/NAME.wav": {odd[0]}')
    compare("tools/soundgen/generate.py CUES", [cue[0] for cue in generator.CUES])
    compare("tests/assets/test_sounds.py ALL_NAMES", sound_tests.ALL_NAMES)
    compare("tests/assets/test_sounds.py LENGTHS", sound_tests.LENGTHS, ordered=False)
    compare("tests/assets/art_tables.py SOUND_RATES", art_tables.SOUND_RATES, ordered=False)
    rates = {cue[0]: cue[1] for cue in generator.CUES}
    for name, rate in sorted(art_tables.SOUND_RATES.items()):
        if name in rates and rates[name] != rate:
            faults.append(f"tests/assets/art_tables.py: {name} at {rate} Hz, "
                          f"the generator makes it at {rates[name]} Hz")
    return faults


def main():
    cues, malformed = listed_cues(LIST.read_text())
    faults = [f"game/sound_cues.h: not in the list's form: {line}" for line in malformed]
    if not cues:
        faults.append("game/sound_cues.h lists no sound cue")
    else:
        faults += disagreements(
            recording_names(cues), (ROOT / "resources" / "sounds.rc").read_text(),
            module("tools/soundgen", "generate"), module("tests/assets", "test_sounds"),
            module("tests/assets", "art_tables"))
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
