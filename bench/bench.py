#!/usr/bin/env python3
"""Times duvox against cp of the longer input on large generated inputs.

For every size and for 16-bit and 8-bit samples it writes a pair of stereo
PCM WAV files into a scratch folder (the first of the given size, the second
about 60% of it), runs each command once to warm up, then times both over
several runs that alternate between them. The output is removed before
every run, outside the timing, so each run writes a fresh file. Peak memory
comes from GNU time (%M, maximum resident set in KiB) in separate runs.

Usually started by bench/run.sh, which builds duvox first.
"""

import argparse
import os
import random
import re
import statistics
import struct
import subprocess
import sys
import time

GIB = 1 << 30
CHUNK = 1 << 20
UNITS = {"": 1, "K": 1 << 10, "M": 1 << 20, "G": 1 << 30}


def parse_size(text):
    m = re.fullmatch(r"(\d+)([KMG]?)(?:i?B)?", text.strip(), re.IGNORECASE)
    if not m:
        raise argparse.ArgumentTypeError(f"bad size: {text!r} (e.g. 100M, 1G)")
    size = int(m.group(1)) * UNITS[m.group(2).upper()]
    if not 1 << 10 <= size < 4 * GIB - 64:
        raise argparse.ArgumentTypeError(f"size out of range: {text!r}")
    return size


def human(size):
    for unit, factor in (("G", GIB), ("M", 1 << 20), ("K", 1 << 10)):
        if size % factor == 0:
            return f"{size // factor}{unit}"
    return str(size)


def wav_header(bits, data_size, rate=44100):
    block_align = 2 * bits // 8
    return struct.pack(
        "<4sI4s4sIHHIIHH4sI",
        b"RIFF", 36 + data_size, b"WAVE",
        b"fmt ", 16, 1, 2, rate, rate * block_align, block_align, bits,
        b"data", data_size)


def write_wav(path, bits, data_size, seed):
    """A canonical 44-byte header, then data_size bytes of noise."""
    noise = random.Random(seed).randbytes(CHUNK)
    with open(path, "wb") as f:
        f.write(wav_header(bits, data_size))
        left = data_size
        while left >= CHUNK:
            f.write(noise)
            left -= CHUNK
        f.write(noise[:left])


def make_pair(folder, bits, size):
    """Writes the pair for one width and size; returns (longer, shorter)."""
    frame = 2 * bits // 8
    first_data = (size - 44) // frame * frame
    second_data = first_data * 3 // 5 // frame * frame
    a = os.path.join(folder, f"a{bits}.wav")
    b = os.path.join(folder, f"b{bits}.wav")
    write_wav(a, bits, first_data, seed=bits)
    write_wav(b, bits, second_data, seed=bits + 1)
    return a, b


def run(cmd):
    proc = subprocess.run(cmd, stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE)
    if proc.returncode != 0:
        # duvox's own messages are Shift_JIS: pass the bytes through.
        sys.stderr.buffer.write(proc.stderr)
        sys.exit(f"failed ({proc.returncode}): {' '.join(cmd)}")


def fresh(out):
    """Removes the output and lets the file system settle, untimed."""
    try:
        os.remove(out)
    except FileNotFoundError:
        pass
    os.sync()


def timed(cmd, out):
    fresh(out)
    start = time.perf_counter()
    run(cmd)
    return time.perf_counter() - start


def peak_rss_kib(cmd, folder, out, runs=3):
    """The largest maximum resident set GNU time reports over a few runs."""
    report = os.path.join(folder, "time.txt")
    peak = 0
    for _ in range(runs):
        fresh(out)
        run(["/usr/bin/time", "-f", "%M", "-o", report] + cmd)
        with open(report) as f:
            peak = max(peak, int(f.read().split()[-1]))
    os.remove(report)
    return peak


def bench_one(duvox, folder, bits, size, runs):
    a, b = make_pair(folder, bits, size)
    out = os.path.join(folder, "out.wav")
    commands = {
        "duvox": [duvox, a, b, out],
        "cp": ["cp", a, out],
    }
    # Sanity: the merge succeeds and writes exactly the longer input's size.
    fresh(out)
    run(commands["duvox"])
    if os.path.getsize(out) != os.path.getsize(a):
        sys.exit(f"unexpected output size for {human(size)} {bits}-bit")

    for cmd in commands.values():  # warm-up, untimed
        timed(cmd, out)
    times = {name: [] for name in commands}
    order = list(commands)
    for i in range(runs):
        # Alternate, and swap the order every round so neither command
        # always runs right after the other.
        for name in (order if i % 2 == 0 else order[::-1]):
            times[name].append(timed(commands[name], out))
    rss = {name: peak_rss_kib(cmd, folder, out) for name, cmd in commands.items()}
    out_gib = os.path.getsize(a) / GIB
    for path in (a, b, out):
        os.remove(path)

    med = {name: statistics.median(t) for name, t in times.items()}
    return {
        "bits": bits, "size": size, "out_gib": out_gib,
        "duvox": med["duvox"], "cp": med["cp"],
        "duvox_min": min(times["duvox"]), "cp_min": min(times["cp"]),
        "ratio": med["duvox"] / med["cp"],
        "duvox_rss": rss["duvox"], "cp_rss": rss["cp"],
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--duvox", required=True, help="the duvox binary")
    parser.add_argument("--dir", required=True, help="scratch folder")
    parser.add_argument("--runs", type=int, default=7,
                        help="timed runs per command (default 7)")
    parser.add_argument("--bits", default="16,8",
                        help="sample widths to run (default 16,8)")
    parser.add_argument("sizes", nargs="*", type=parse_size,
                        default=[parse_size(s) for s in ("100M", "400M", "1G")])
    args = parser.parse_args()
    widths = [int(w) for w in args.bits.split(",")]
    if any(w not in (8, 16) for w in widths) or args.runs < 1:
        parser.error("--bits takes 8 and/or 16, --runs at least 1")

    print(f"duvox: {args.duvox}\nscratch: {args.dir}\n"
          f"{args.runs} alternating runs per command after one warm-up; "
          f"second input ~60% of the first; medians in seconds; "
          f"s/GiB per GiB of output; RSS = GNU time %M in KiB\n")
    header = (f"{'bits':>4} {'size':>6} {'duvox s':>8} {'cp s':>7} "
              f"{'ratio':>6} {'duvox s/GiB':>11} {'cp s/GiB':>9} "
              f"{'duvox RSS':>9} {'cp RSS':>7}")
    print(header)
    print("-" * len(header))
    sys.stdout.flush()
    for bits in widths:
        for size in args.sizes:
            r = bench_one(args.duvox, args.dir, bits, size, args.runs)
            print(f"{bits:>4} {human(size):>6} {r['duvox']:>8.3f} "
                  f"{r['cp']:>7.3f} {r['ratio']:>6.2f} "
                  f"{r['duvox'] / r['out_gib']:>11.3f} "
                  f"{r['cp'] / r['out_gib']:>9.3f} "
                  f"{r['duvox_rss']:>9} {r['cp_rss']:>7}")
            sys.stdout.flush()


if __name__ == "__main__":
    main()
