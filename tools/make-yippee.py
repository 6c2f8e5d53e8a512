#!/usr/bin/env python3
"""Writes data/yippee.wav: the short rising chime the tip check plays for three hits or more.

The file is generated, not recorded, so the project owns every byte of it. Run from the
repository root: python3 tools/make-yippee.py [output]
"""
import math
import struct
import sys
import wave

RATE = 22050
# Two bell-like notes a fourth apart, the second held longer.
NOTES = [(1318.51, 0.0, 0.16), (1760.00, 0.12, 0.34)]  # frequency, start (s), length (s)
LENGTH = 0.48


def sample(t):
    value = 0.0
    for freq, start, length in NOTES:
        local = t - start
        if local < 0 or local > length:
            continue
        attack = min(1.0, local / 0.005)
        decay = math.exp(-local * 9.0)
        tone = (math.sin(2 * math.pi * freq * local) + 0.35 * math.sin(2 * math.pi * 2 * freq * local)
                + 0.15 * math.sin(2 * math.pi * 3 * freq * local))
        value += 0.45 * attack * decay * tone
    return max(-1.0, min(1.0, value))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "data/yippee.wav"
    frames = bytearray()
    for i in range(int(RATE * LENGTH)):
        frames += struct.pack("<h", int(round(sample(i / RATE) * 32000)))
    with wave.open(out, "wb") as wav:
        wav.setnchannels(1)
        wav.setsampwidth(2)
        wav.setframerate(RATE)
        wav.writeframes(bytes(frames))


if __name__ == "__main__":
    main()
