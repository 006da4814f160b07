#!/usr/bin/env python3
"""Runs the Linux duvox and the Windows duvox.exe (through Wine) on the same
inputs, each in a fresh folder, and requires the same results byte for byte:
exit status, standard output, standard error (the Windows streams with each
CR LF turned back into LF, after checking that no LF came without its CR)
and every file left in the folder.

Usage: crosscheck_windows.py DUVOX WINE DUVOX_EXE"""
import os
import struct
import subprocess
import sys
import tempfile


def fmt(tag=1, channels=2, rate=8000, bits=16, byte_rate=None):
    align = channels * bits // 8
    if byte_rate is None:
        byte_rate = rate * align
    return struct.pack("<HHIIHH", tag, channels, rate, byte_rate, align, bits)


def chunk(cid, body, declared=None, pad=True):
    size = len(body) if declared is None else declared
    out = cid + struct.pack("<I", size) + body
    return out + b"\0" if pad and len(body) % 2 else out


def wav(*chunks):
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def samples(seed, n):
    return bytes((seed * 37 + i * 11 + (i >> 8)) & 0xFF for i in range(n))


def stereo(seed, size, bits=16, rate=8000, declared=None):
    return wav(chunk(b"fmt ", fmt(rate=rate, bits=bits)),
               chunk(b"data", samples(seed, size), declared))


# name, files to write, arguments
CASES = [
    ("16-bit, second longer", {"a.wav": stereo(1, 4003), "b.wav": stereo(2, 96000)},
     ["a.wav", "b.wav", "out.wav"]),
    ("8-bit, equal lengths", {"a.wav": stereo(3, 2002, 8), "b.wav": stereo(4, 2002, 8)},
     ["a.wav", "b.wav", "out.wav"]),
    ("other chunks, odd sizes, long fmt",
     {"a.wav": wav(chunk(b"LIST", b"L" * 26), chunk(b"odd1", b"abc"),
                   chunk(b"fmt ", fmt() + b"\0\0"), chunk(b"odd2", b"x", pad=False),
                   chunk(b"data", samples(5, 4000)), chunk(b"id3 ", b"i" * 7)),
      "b.wav": stereo(6, 1000)},
     ["a.wav", "b.wav", "out.wav"]),
    ("data declared past the end",
     {"a.wav": stereo(7, 1002, declared=4000), "b.wav": stereo(8, 400)},
     ["a.wav", "b.wav", "out.wav"]),
    ("same file twice", {"a.wav": stereo(9, 400)}, ["a.wav", "a.wav", "out.wav"]),
    ("output is an input", {"a.wav": stereo(1, 400), "b.wav": stereo(2, 200)},
     ["a.wav", "b.wav", "./b.wav"]),
    ("mono", {"a.wav": wav(chunk(b"fmt ", fmt(channels=1)), chunk(b"data", b"\1" * 64)),
              "b.wav": stereo(2, 32)},
     ["a.wav", "b.wav", "out.wav"]),
    ("rates differ", {"a.wav": stereo(1, 400), "b.wav": stereo(2, 800, rate=11025)},
     ["a.wav", "b.wav", "out.wav"]),
    ("not PCM", {"a.wav": wav(chunk(b"fmt ", fmt(tag=0x55))), "b.wav": stereo(2, 32)},
     ["a.wav", "b.wav", "out.wav"]),
    ("24 bits", {"a.wav": wav(chunk(b"fmt ", fmt(bits=24)), chunk(b"data", b"")),
                 "b.wav": stereo(2, 32)},
     ["a.wav", "b.wav", "out.wav"]),
    ("short file", {"a.wav": b"RIFF\1", "b.wav": stereo(2, 32)},
     ["a.wav", "b.wav", "out.wav"]),
    ("text file", {"a.wav": b"hello world, this is not a sound\n", "b.wav": stereo(2, 32)},
     ["a.wav", "b.wav", "out.wav"]),
    ("missing input", {"a.wav": stereo(1, 40)}, ["a.wav", "none.wav", "out.wav"]),
    ("output folder missing", {"a.wav": stereo(1, 40), "b.wav": stereo(2, 40)},
     ["a.wav", "b.wav", "nodir/out.wav"]),
    ("usage", {}, ["a.wav"]),
]


def run(command, folder, files):
    os.makedirs(folder)
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
    # Files, not pipes: a wineserver started by this run would hold a pipe
    # open, and the read would wait until it exits.
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        r = subprocess.run(command, cwd=folder, stdin=subprocess.DEVNULL,
                           stdout=out, stderr=err)
        out.seek(0)
        err.seek(0)
        status, stdout, stderr = r.returncode, out.read(), err.read()
    left = {}
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), "rb") as f:
            left[name] = f.read()
    return status, stdout, stderr, left


def from_text_stream(raw, what, problems):
    """The bytes a Windows text stream was given: each CR LF back to LF."""
    for i, byte in enumerate(raw):
        if byte == 0x0A and (i == 0 or raw[i - 1] != 0x0D):
            problems.append(f"{what}: LF without CR at byte {i}")
            return raw
    return raw.replace(b"\r\n", b"\n")


def main():
    duvox, wine, exe = (os.path.abspath(a) for a in sys.argv[1:4])
    os.environ["WINEDEBUG"] = "-all"  # no Wine messages among duvox's own
    # The first start may set up the Wine prefix and say so: not a case.
    subprocess.run([wine, exe], stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    failed = 0
    with tempfile.TemporaryDirectory() as tmp:
        for i, (what, files, args) in enumerate(CASES):
            linux = run([duvox] + args, os.path.join(tmp, f"{i}-linux"), files)
            windows = run([wine, exe] + args, os.path.join(tmp, f"{i}-windows"), files)
            problems = []
            status, out, err, left = windows
            out = from_text_stream(out, "Windows standard output", problems)
            err = from_text_stream(err, "Windows standard error", problems)
            for label, a, b in (("exit status", linux[0], status),
                                ("standard output", linux[1], out),
                                ("standard error", linux[2], err),
                                ("files left", linux[3], left)):
                if a != b:
                    if label == "files left" and a.keys() == b.keys():
                        differ = [n for n in a if a[n] != b[n]]
                        problems.append(f"files differ: {differ}")
                    else:
                        problems.append(f"{label}: Linux {a[:300]!r}, Windows {b[:300]!r}")
            if not linux[1] and not linux[2]:
                problems.append("Linux wrote nothing: the case checks nothing")
            if problems:
                failed += 1
                print(f"FAIL {what}:")
                for p in problems:
                    print(f"  {p}")
            else:
                print(f"ok   {what} (exit {status}, {len(out)}+{len(err)} text bytes, "
                      f"files {sorted(left)})")
    print(f"{len(CASES) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
