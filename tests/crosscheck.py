#!/usr/bin/env python3
"""Merges files written by Python's wave module and reads the result back
with the same module, which nobody here wrote. Usage: crosscheck.py DUVOX"""
import os
import random
import subprocess
import sys
import tempfile
import wave


def write(path, width, rate, frames, seed):
    rng = random.Random(seed)
    data = bytes(rng.randrange(256) for _ in range(frames * 2 * width))
    with wave.open(path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(width)
        w.setframerate(rate)
        w.writeframes(data)
    return data


def expected(longer, shorter, width):
    frame = 2 * width
    out = bytearray()
    for i in range(len(longer) // frame):
        a = longer[i * frame:(i + 1) * frame]
        b = shorter[i * frame:(i + 1) * frame] if (i + 1) * frame <= len(shorter) else None
        out += a[:width] + (b[:width] if b is not None else a[width:])
    return bytes(out)


def main():
    duvox = sys.argv[1]
    failures = 0
    with tempfile.TemporaryDirectory() as tmp:
        for width, rate, n1, n2 in ((2, 44100, 30011, 90001), (1, 22050, 5000, 4999)):
            a = os.path.join(tmp, "a.wav")
            b = os.path.join(tmp, "b.wav")
            out = os.path.join(tmp, "out.wav")
            da = write(a, width, rate, n1, 1)
            db = write(b, width, rate, n2, 2)
            run = subprocess.run([duvox, a, b, out], capture_output=True)
            if run.returncode != 0:
                print(f"{width * 8}-bit: exit status {run.returncode}")
                failures += 1
                continue
            with wave.open(out, "rb") as w:
                params = (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes())
                frames = w.readframes(w.getnframes())
            longer, shorter = (da, db) if len(da) >= len(db) else (db, da)
            want_params = (2, width, rate, len(longer) // (2 * width))
            if params != want_params:
                print(f"{width * 8}-bit: parameters {params}, expected {want_params}")
                failures += 1
            elif frames != expected(longer, shorter, width):
                print(f"{width * 8}-bit: frames differ")
                failures += 1
            else:
                print(f"{width * 8}-bit: {params[3]} frames read back as expected")
    print(f"{2 - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
