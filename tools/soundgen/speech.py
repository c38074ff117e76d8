"""The spoken numbers that confirm a new MaxGuesses: made by the speech
synthesiser through speak_number.sh, then stored in the common form."""

import pathlib
import subprocess
import tempfile

import wavefile

SCRIPT = pathlib.Path(__file__).with_name("speak_number.sh")


def speak(word, rate):
    """Samples of the spoken word at the given rate, as 8-bit bytes."""
    with tempfile.TemporaryDirectory() as tmp:
        out = pathlib.Path(tmp) / "word.wav"
        subprocess.run(["sh", str(SCRIPT), word, str(rate), str(out)],
                       check=True)
        got_rate, data = wavefile.read_pcm8(out)
    if got_rate != rate:
        raise ValueError(f"{word}: spoken at {got_rate} Hz, wanted {rate}")
    return data
