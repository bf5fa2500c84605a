#!/usr/bin/env python3
"""Writes NotifySound.wav, the alarm chime: two soft bell tones, then quiet.

The alarm plays it in a loop, so it starts and ends at silence and has no
click at the seam. Only the standard library is used and the output is the
same bytes on every run.
"""
import math
import struct
import sys
import wave

RATE = 22050
LENGTH_S = 1.6

# (start time s, fundamental Hz, level): a falling major third, E6 then C6.
NOTES = [(0.00, 1318.51, 0.55), (0.40, 1046.50, 0.60)]
# Bell-like partials: (frequency ratio, relative level, decay per second).
PARTIALS = [(1.0, 1.00, 4.0), (2.0, 0.30, 7.0), (3.0, 0.12, 10.0), (4.2, 0.05, 14.0)]
ATTACK_S = 0.004
FADE_S = 0.05


def sample(t):
    value = 0.0
    for start, freq, level in NOTES:
        dt = t - start
        if dt < 0:
            continue
        attack = min(1.0, dt / ATTACK_S)
        for ratio, part, decay in PARTIALS:
            value += level * part * attack * math.exp(-decay * dt) * math.sin(2 * math.pi * freq * ratio * dt)
    return value


def samples():
    count = int(RATE * LENGTH_S)
    fade_from = count - int(RATE * FADE_S)
    out = []
    for i in range(count):
        v = sample(i / RATE)
        if i >= fade_from:  # the tail reaches exact silence for a clean loop
            v *= (count - 1 - i) / (count - 1 - fade_from)
        out.append(v)
    return out


def write(path):
    values = samples()
    peak = max(abs(v) for v in values)
    scale = 0.7 * 32767 / peak
    frames = b"".join(struct.pack("<h", int(round(v * scale))) for v in values)
    with wave.open(path, "wb") as wav:
        wav.setnchannels(1)
        wav.setsampwidth(2)
        wav.setframerate(RATE)
        wav.writeframes(frames)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_notify_sound.py OUTPUT.wav")
    write(sys.argv[1])
