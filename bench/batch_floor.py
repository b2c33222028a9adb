#!/usr/bin/env python3
"""batch_floor.py [--runs N] [--folder DIR] [--prefix DIR]... QORVIX [LIBRARY]

A whole-process batch run, `qorvix -id -oOut.cpy LIBRARY`, beside the I/O
floor of the same job: reading the library (cat) and copying the finished
output folder into a fresh one (cp -r). The two alternate, N times each
(default 21), after one run of each that is not counted; the medians of
wall time and of CPU time (user and system) are printed with their ratios.

LIBRARY defaults to the largest library of the shared corpus
(../shared/corpus beside the source tree). The runs write under DIR
(default: $TMPDIR or /tmp); the file system of DIR is printed, because
creating a few hundred files costs far more, and varies far more, on a disk
than on tmpfs. Each --prefix runs the comparison with WINEPREFIX set to that
folder (a stock prefix made by wineboot, or a folder without one); without
it, the caller's WINEPREFIX stands.
"""
import argparse
import os
import resource
import shutil
import statistics
import subprocess
import tempfile
import time


def timed(argv, cwd, env):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(argv, cwd=cwd, env=env, check=True, stdout=subprocess.DEVNULL)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return (wall, after.ru_utime - before.ru_utime, after.ru_stime - before.ru_stime)


def file_system(folder):
    """The type of the file system that holds `folder` (/proc/mounts)."""
    best, kind = "", "unknown"
    path = os.path.realpath(folder)
    with open("/proc/mounts") as mounts:
        for line in mounts:
            fields = line.split()
            point = fields[1].replace("\\040", " ")
            if (path == point or path.startswith(point.rstrip("/") + "/")) and len(point) > len(best):
                best, kind = point, fields[2]
    return kind


def largest_corpus_library():
    corpus = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "shared", "corpus")
    if not os.path.isdir(corpus):
        return None
    files = [os.path.join(corpus, name) for name in os.listdir(corpus) if not name.endswith(".md")]
    return max(files, key=os.path.getsize) if files else None


def compare(qorvix, library, runs, folder, env):
    work = tempfile.mkdtemp(prefix="batch-floor-", dir=folder)
    command = [qorvix, "-id", "-oOut.cpy", library]
    copy = 'cat "$1" >/dev/null && cp -r "$2" "$3"'
    try:
        finished = os.path.join(work, "finished")
        os.mkdir(finished)
        subprocess.run(command, cwd=finished, env=env, check=True, stdout=subprocess.DEVNULL)
        files = len(os.listdir(finished))
        program, floor = [], []
        # The first round warms the caches and is not counted.
        for i in range(runs + 1):
            out = os.path.join(work, "run%d" % i)
            os.mkdir(out)
            measured = timed(command, out, env)
            target = os.path.join(work, "copy%d" % i)
            floored = timed(["sh", "-c", copy, "sh", library, finished, target], work, env)
            if i > 0:
                program.append(measured)
                floor.append(floored)
            shutil.rmtree(out)
            shutil.rmtree(target)
    finally:
        shutil.rmtree(work)
    return files, program, floor


def main():
    parser = argparse.ArgumentParser(usage=__doc__.splitlines()[0].replace("batch_floor.py ", "%(prog)s "))
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--folder", default=tempfile.gettempdir())
    parser.add_argument("--prefix", action="append", default=[])
    parser.add_argument("qorvix")
    parser.add_argument("library", nargs="?")
    args = parser.parse_args()
    library = args.library or largest_corpus_library()
    if not library:
        parser.error("no LIBRARY given, and the shared corpus is not beside the source tree")
    qorvix, library = os.path.abspath(args.qorvix), os.path.abspath(library)
    print("library: %s" % library)
    print("folder:  %s (%s)" % (args.folder, file_system(args.folder)))
    for prefix in args.prefix or [None]:
        env = dict(os.environ)
        if prefix is not None:
            env["WINEPREFIX"] = prefix
        files, program, floor = compare(qorvix, library, args.runs, args.folder, env)
        med = lambda values, k: statistics.median(v[k] for v in values) * 1000
        cpu = lambda values: statistics.median(v[1] + v[2] for v in values) * 1000
        print()
        print("WINEPREFIX: %s; %d files written; medians of %d runs"
              % (env.get("WINEPREFIX", "(unset: ~/.wine)"), files, args.runs))
        print("%-8s %9s %9s %9s %9s" % ("", "wall ms", "cpu ms", "user ms", "sys ms"))
        for name, values in (("qorvix", program), ("floor", floor)):
            print("%-8s %9.1f %9.1f %9.1f %9.1f"
                  % (name, med(values, 0), cpu(values), med(values, 1), med(values, 2)))
        print("%-8s %9.2f %9.2f" % ("ratio", med(program, 0) / med(floor, 0), cpu(program) / cpu(floor)))


if __name__ == "__main__":
    main()
