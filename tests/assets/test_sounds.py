"""Checks the stored sound recordings of Wordloft.

    python3 tests/assets/test_sounds.py      (from the top of the tree)

Regenerates every recording into a temporary folder and compares it byte
for byte with resources/sounds, then checks each file's form (RIFF WAVE,
PCM, mono, 8 bits, the right sample rate), its length for the event it
accompanies, and its signal (no clipping, no DC offset, quiet edges).
"""

import pathlib
import struct
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
SOUNDS = ROOT / "resources" / "sounds"
RC_FILE = ROOT / "resources" / "sounds.rc"
GENERATOR = ROOT / "tools" / "soundgen" / "generate.py"


def names(base, count):
    return [base] + [f"{base}{v}" for v in range(2, count + 1)]


HITS = names("GOTLETTER", 6)
MISSES = names("MISSLETTER", 10)
WINS = names("WINGAME", 2)
LOSSES = names("LOSEGAME", 4)
NUMBERS = ["FOUR", "SIX", "EIGHT", "TEN", "TWELVE"]
CLICKS = ["SHOWLETTER", "FLASHCLICK"]
# In the order of the list of sound cues (game/sound_cues.h), as the
# resource script lists them; the build checks this copy against it.
ALL_NAMES = HITS + MISSES + WINS + LOSSES + ["SHOWLETTER"] + NUMBERS + [
    "GASP", "SCOREIN", "SCOREOUT", "UP", "DOWN", "GUESSCLICK", "FACECLICK",
    "GETNAME", "FLASHCLICK", "DOORDROP"]

RATES = {"EIGHT": 11127, "FLASHCLICK": 22254, "SHOWLETTER": 22254,
         "DOORDROP": 22255}

# Allowed length in seconds. The game waits for every sound, so the ones
# heard after each guess or many times per game must stay short.
LENGTHS = {name: (0.2, 0.35) for name in HITS}
LENGTHS.update({name: (0.3, 0.5) for name in MISSES})
LENGTHS.update({name: (1.0, 1.5) for name in WINS + LOSSES})
LENGTHS.update({name: (0.25, 0.8) for name in NUMBERS})
LENGTHS.update({name: (0.025, 0.06) for name in CLICKS})
LENGTHS.update({"GASP": (0.3, 0.8), "SCOREIN": (0.15, 0.4),
                "SCOREOUT": (0.15, 0.4), "UP": (0.08, 0.25),
                "DOWN": (0.08, 0.25), "GUESSCLICK": (0.05, 0.25),
                "FACECLICK": (0.05, 0.25), "GETNAME": (0.4, 1.0),
                "DOORDROP": (0.8, 1.5)})


def parse_wave(image):
    """(format fields, sample bytes) of a RIFF WAVE image; raises
    AssertionError describing the first thing that is wrong."""
    assert image[:4] == b"RIFF" and image[8:12] == b"WAVE", "not RIFF WAVE"
    size = struct.unpack_from("<I", image, 4)[0]
    assert size == len(image) - 8, f"RIFF size {size}, file {len(image)}"
    chunks = {}
    pos = 12
    while pos + 8 <= len(image):
        tag, length = image[pos:pos + 4], struct.unpack_from("<I", image,
                                                             pos + 4)[0]
        chunks[tag] = image[pos + 8:pos + 8 + length]
        assert len(chunks[tag]) == length, f"chunk {tag} cut short"
        pos += 8 + length + (length & 1)
    assert pos == len(image), "trailing bytes after the last chunk"
    assert b"fmt " in chunks and b"data" in chunks, f"chunks {list(chunks)}"
    fields = struct.unpack("<HHIIHH", chunks[b"fmt "][:16])
    return fields, chunks[b"data"]


def generate(folder):
    """Runs the generator; returns its error text, or None on success."""
    run = subprocess.run([sys.executable, str(GENERATOR), "--out",
                          str(folder), "--rc", str(folder / "sounds.rc")],
                         capture_output=True, text=True, cwd=ROOT)
    return None if run.returncode == 0 else run.stderr or run.stdout


class StoredSounds(unittest.TestCase):

    def test_names_match_the_game_and_the_resource_script(self):
        self.assertEqual(len(ALL_NAMES), 38)
        stored = sorted(p.stem for p in SOUNDS.glob("*.wav"))
        self.assertEqual(stored, sorted(ALL_NAMES))
        self.assertEqual(sorted(p.name for p in SOUNDS.iterdir()),
                         sorted(f"{n}.wav" for n in ALL_NAMES),
                         "stray files in resources/sounds")
        lines = RC_FILE.read_text().splitlines()
        self.assertEqual(lines, [f'{n} WAV "sounds/{n}.wav"'
                                 for n in ALL_NAMES])

    def test_regenerated_files_are_identical(self):
        with tempfile.TemporaryDirectory() as tmp:
            folder = pathlib.Path(tmp)
            error = generate(folder)
            self.assertIsNone(error, f"generator failed:\n{error}")
            for name in ALL_NAMES:
                fresh = (folder / f"{name}.wav").read_bytes()
                stored = (SOUNDS / f"{name}.wav").read_bytes()
                self.assertTrue(fresh == stored,
                                f"{name}.wav differs from a fresh build; "
                                "regenerate resources/sounds")
            self.assertEqual((folder / "sounds.rc").read_text(),
                             RC_FILE.read_text())

    def test_format_and_length(self):
        for name in ALL_NAMES:
            with self.subTest(name=name):
                fields, data = parse_wave((SOUNDS / f"{name}.wav")
                                          .read_bytes())
                rate = RATES.get(name, 11025)
                # PCM, mono, rate, bytes per second, block align, bits
                self.assertEqual(fields, (1, 1, rate, rate, 1, 8))
                seconds = len(data) / rate
                low, high = LENGTHS[name]
                self.assertTrue(low <= seconds <= high,
                                f"{name} lasts {seconds:.3f} s, "
                                f"wanted {low} to {high}")

    def test_signal_is_clean(self):
        for name in ALL_NAMES:
            with self.subTest(name=name):
                _, data = parse_wave((SOUNDS / f"{name}.wav").read_bytes())
                run = longest = 0
                for v in data:
                    run = run + 1 if v in (0, 255) else 0
                    longest = max(longest, run)
                self.assertLess(longest, 2, f"{name} clips")
                mean = sum(data) / len(data)
                self.assertLess(abs(mean - 128.0), 1.0,
                                f"{name} has a DC offset: mean {mean:.2f}")
                swing = max(abs(v - 128) for v in data)
                self.assertGreater(swing, 48, f"{name} is nearly silent")
                edges = (data[0], data[-1])
                self.assertTrue(all(abs(v - 128) <= 2 for v in edges),
                                f"{name} starts or ends off centre (a pop): "
                                f"{edges}")


if __name__ == "__main__":
    unittest.main()
