#!/usr/bin/env python3
"""Writes the two example inputs: 16-bit stereo tones at 8000 Hz, one of
3 seconds (440 Hz left, 660 Hz right) and one of 1 second (330 Hz left,
550 Hz right)."""
import math
import os
import struct
import wave


def tone(path, seconds, left_hz, right_hz, rate=8000, amp=8000):
    frames = bytearray()
    for i in range(int(seconds * rate)):
        t = i / rate
        frames += struct.pack("<hh",
                              int(amp * math.sin(2 * math.pi * left_hz * t)),
                              int(amp * math.sin(2 * math.pi * right_hz * t)))
    with wave.open(path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


here = os.path.dirname(os.path.abspath(__file__))
tone(os.path.join(here, "long.wav"), 3, 440, 660)
tone(os.path.join(here, "short.wav"), 1, 330, 550)
