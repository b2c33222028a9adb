#!/usr/bin/env python3
"""check_copy_statement.py QORVIX LIBRARY

Generates the class files of a type library with `qorvix -i` under copy-file
names of up to 200 bytes (blanks and characters of two bytes among them), and
compiles each class file's copy statement with GnuCOBOL (cobc -fsyntax-only
-std=mf -fixed) in a program whose copy file, under that name, declares one
item the program uses: the statement must name the copy file whole, in
columns 8 to 72. GnuCOBOL has no OO classes, so only the copy statement is
compiled. Exit status: 0 when every name compiles, 1 otherwise, 77 (skipped)
when cobc or the library is missing.
"""

import os
import shutil
import subprocess
import sys
import tempfile

import check_output

PROGRAM = """\
       identification division.
       program-id. copyname.
       data division.
       working-storage section.
%s
       procedure division.
           display length of copied-item
           goback.
"""


def names():
    """Copy-file names around the lengths where the statement breaks, and
    the longest."""
    result = ["Out.cpy"]
    for size in (54, 55, 56, 57, 58, 59, 60, 116, 117, 118, 119, 200):
        result.append("N" * (size - 4) + ".cpy")
    # Blanks where a line could end, and two-byte characters across the ends.
    result.append(("name " * 40)[:196] + ".cpy")
    result.append("x" + "\u00e9" * 97 + "x.cpy")
    return result


def copy_statement(path):
    """The lines of the class file's copy statement of the copy file (the
    second copy statement, after kzole.cpy's): its first line and the
    continuation lines after it."""
    lines = open(path, "rb").read().decode("utf-8").split("\r\n")
    start = [i for i, line in enumerate(lines) if line.startswith("         copy")][1]
    end = start + 1
    while lines[end][6:7] == "-":
        end += 1
    return lines[start:end]


def check(qorvix, library, name, work):
    """What is wrong with the copy statement for `name`, or None."""
    out = os.path.join(work, "out")
    harness = os.path.join(work, "harness")
    for folder in (out, harness):
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
    env = dict(os.environ, LC_ALL="C.UTF-8", WINEPREFIX="/nonexistent")
    run = subprocess.run([qorvix, "-i", "-o" + name, os.path.abspath(library)], cwd=out, env=env,
                         stdin=subprocess.DEVNULL, capture_output=True, text=True)
    if run.returncode != 0:
        return "qorvix failed (%d): %s" % (run.returncode, run.stderr.strip())
    classes = sorted(f for f in os.listdir(out) if f.endswith(".cbl"))
    if not classes:
        return "no class file"
    statement = copy_statement(os.path.join(out, classes[0]))
    for line in statement:
        if len(line.encode("utf-8")) > 72:
            return "past column 72: " + line
    with open(os.path.join(harness, name), "w", encoding="utf-8") as copy:
        copy.write("       01 copied-item pic x(4).\n")
    program = os.path.join(harness, "copyname.cbl")
    with open(program, "w", encoding="utf-8") as out_file:
        out_file.write(PROGRAM % "\n".join(statement))
    compiled = subprocess.run(["cobc", "-fsyntax-only", "-std=mf", "-fixed", program],
                              cwd=harness, capture_output=True, text=True, errors="replace")
    if compiled.returncode != 0:
        return "cobc: %s\n    | %s" % (compiled.stdout + compiled.stderr,
                                      "\n    | ".join(statement))
    return None


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    qorvix, library = os.path.abspath(sys.argv[1]), sys.argv[2]
    skip = check_output.missing_tool_or_library(library)
    if skip:
        print("skipped: " + skip)
        return 77
    work = tempfile.mkdtemp(prefix="qorvix-copy-")
    try:
        failed = 0
        for name in names():
            problem = check(qorvix, library, name, work)
            size = len(name.encode("utf-8"))
            print("%3d bytes: %s" % (size, problem or "compiles"))
            failed += problem is not None
        return 1 if failed else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
