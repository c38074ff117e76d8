"""Reading and writing the one WAVE form the game stores: RIFF, PCM,
one channel, 8 bits per sample (unsigned, silence at 128)."""

import struct
import wave


def to_bytes(signal):
    """Quantize a -1..1 signal to unsigned 8-bit samples centred at 128."""
    out = bytearray(len(signal))
    for i, v in enumerate(signal):
        q = 128 + int(v * 127.0 + 32768.5) - 32768   # round half up
        out[i] = min(255, max(0, q))
    return bytes(out)


def wav_image(rate, data):
    """A complete RIFF WAVE file image: header chunks then the samples."""
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate, 1, 8)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(data)) + data
    if len(data) % 2:
        body += b"\x00"                     # chunks are word-aligned
    return b"RIFF" + struct.pack("<I", len(body)) + body


def write(path, rate, data):
    with open(path, "wb") as f:
        f.write(wav_image(rate, data))


def read_pcm8(path):
    """Rate and raw samples of an 8-bit mono PCM WAVE file."""
    with wave.open(str(path), "rb") as w:
        if w.getnchannels() != 1 or w.getsampwidth() != 1:
            raise ValueError(f"{path}: not 8-bit mono")
        return w.getframerate(), w.readframes(w.getnframes())
