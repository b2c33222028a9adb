#!/usr/bin/env python3
"""check_layout.py QORVIX TLBDUMP LIBRARY

Generates the copy file of a type library with `qorvix -id`, compiles a
program with GnuCOBOL that DISPLAYs LENGTH OF an item of every record and
union typedef, runs it, and compares each length with the size the library
gives the type (cbSizeInstance, as `tlbdump` reads it). A program that hands
such an item to a component must hand over the library's layout. Exit
status: 0 when every length matches, 1 otherwise, 77 (skipped) when cobc or
the library is missing.

The harness adapts the copy file as check_output.py does (USAGE before a
typedef name, the typedefs in the order their uses need, GnuCOBOL's
reserved words), and further, never changing a field:
  - the type names that the output leaves to the user are declared at the
    sizes of the types they stand for in the library's layout (its pointer
    size by SYSKIND: BSTR, VARIANT, BLOB, ...); wchar-t is the output's name
    for a DECIMAL, so it is declared with a DECIMAL's 16 bytes;
  - a pointer field (the usage POINTER, or a typedef of it) is spelled as
    PIC X(N) of the library's pointer size, since GnuCOBOL's pointer has the
    size of the machine it runs on, and cannot be nested twice in typedefs;
  - the head's OLEDATE (comp-2) cannot be nested in typedefs either: the
    harness declares it as PIC X(8) and defines OLEDATE for the compiler, so
    that the head's "$if OLEDATE not defined" leaves its own out;
  - SAFEARRAY(...), which the output writes for a safe array, is an object
    reference: it is spelled as a typedef name of pointer size;
  - the typedefs of dispinterfaces that the copy file documents in comments
    only ("*> 01 NAME pointer typedef.") are declared, at pointer size;
  - a record or union with a field whose type the library cannot follow
    (its type text is "<GetRefTypeInfo failed>") has no size to compare:
    its typedef is made a comment and it is left out of the comparison.
"""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

import check_output

TKIND_RECORD, TKIND_UNION = 1, 7
SYS_WIN64 = 3


def user_types(pointer):
    """The declarations of the names the output leaves to the user, at the
    sizes of what they stand for, by name."""
    sizes = {
        "SHORT": "pic s9(4) comp-5", "USHORT": "pic 9(4) comp-5",
        "LONG": "pic s9(9) comp-5", "ULONG": "pic 9(9) comp-5",
        "INT": "pic s9(9) comp-5", "UINT": "pic 9(9) comp-5",
        "UCHAR": "pic 9(2) comp-5", "BOOL": "pic s9(4) comp-5",
        "SCODE": "pic s9(9) comp-5", "CURRENCYTYPE": "pic s9(18) comp-5",
        "wchar-t": "pic x(16)", "CLSID": "pic x(16)", "FILETIME": "pic x(8)",
        "VARIANT": "pic x(%d)" % (24 if pointer == 8 else 16),
        "BLOB": "pic x(%d)" % (2 * pointer),
        "void": "pic x", "BAD-VARTYPE": "pic x", "OLEDATE": "pic x(8)",
    }
    for name in ("BSTR", "data-pointer", "CARRAY", "USERDEFINED", "STREAM", "STORAGE",
                 "STREAMED-OBJECT", "STORED-OBJECT", "BLOB-OBJECT", "SAFEARRAY-REF"):
        sizes[name] = "pic x(%d)" % pointer
    return sizes


GUID = """\
       01 GUID               typedef.
          03 Data1           pic 9(9) comp-5.
          03 Data2           pic 9(4) comp-5.
          03 Data3           pic 9(4) comp-5.
          03 Data4           pic x(8).
"""


def library_sizes(tlbdump, library):
    """The pointer size of the library, and the sizes of its unions, then of
    its records, each in the library's order: the order of the copy file."""
    run = subprocess.run([tlbdump, "--no-registry", library], capture_output=True, text=True,
                         errors="replace")
    dump = json.loads(run.stdout)
    pointer = 8 if dump["lib"]["syskind"] == SYS_WIN64 else 4
    types = dump["types"]
    sizes = [(t["name"], t["cbSizeInstance"]) for kind in (TKIND_UNION, TKIND_RECORD)
             for t in types if t.get("typekind") == kind]
    return pointer, sizes


def record_typedefs(path):
    """The names of the copy file's record and union typedefs ("01 NAME
    typedef." with fields after it), in the file's order, after the head
    (whose int64 and uint64 have the same form)."""
    lines = open(path, "rb").read().decode("latin-1").split("\r\n")
    head = lines.index("      *> = Type library contents: =")
    _, code_lines = check_output.lint_lines(path, "")
    names = []
    for sentence in check_output.statements(code_lines):
        words = [check_output.word(t) for t in sentence]
        if (sentence[0][0] > head and len(words) == 3 and words[0] == "01"
                and words[2].lower() == "typedef"):
            names.append(words[1])
    return names


PROGRAM = """\
       identification division.
       program-id. layout.
       data division.
       working-storage section.
       copy "layout_types.cpy".
       copy "%s".
%s
       procedure division.
%s
           goback.
"""


def measure(path, name, pointer, work):
    """The LENGTH OF an item of each record and union typedef under
    GnuCOBOL, or the compiler's complaint."""
    lines, _, _ = check_output.adapt_for_gnucobol(path, "PIC X(%d)" % pointer)
    text = re.sub(r"SAFEARRAY\(\S*\)", "SAFEARRAY-REF", "\n".join(lines))
    unmeasured = set()

    def comment_out(block):
        if "<GetRefTypeInfo failed>" not in block.group(0):
            return block.group(0)
        unmeasured.add(block.group(1).upper())
        return re.sub(r"(?m)^ {7}", "      *", block.group(0))

    text = re.sub(r"(?m)^ {7}01 (\S+) +typedef\.\n(?: {8}.*\n)*", comment_out, text)
    harness = os.path.join(work, "layout")
    os.makedirs(harness, exist_ok=True)
    with open(os.path.join(harness, name), "wb") as out:
        out.write(text.encode("latin-1"))
    declared = {t.upper() for t in re.findall(r"^ {7}01 (\S+)", text, re.M)}
    sources = open(path, "rb").read().decode("latin-1")
    commented = re.findall(r"^ {6}\*> 01 (\S+) +pointer typedef\.\r$", sources, re.M)
    types = user_types(pointer)
    types.update({n: "pic x(%d)" % pointer for n in commented})
    with open(os.path.join(harness, "layout_types.cpy"), "w") as out:
        for type_name, usage in types.items():
            if type_name.upper() not in declared or type_name == "OLEDATE":
                out.write("       01 %-18s %s typedef.\n" % (type_name, usage))
        if "GUID" not in declared:
            out.write(GUID)
    typedefs = [t for t in record_typedefs(path) if t.upper() not in unmeasured]
    items = "\n".join("       01 item-%d    usage %s." % (i, t) for i, t in enumerate(typedefs))
    displays = "\n".join("           display length of item-%d" % i
                         for i in range(len(typedefs)))
    program = os.path.join(harness, "layout.cbl")
    with open(program, "w") as out:
        out.write(PROGRAM % (name, items, displays))
    binary = os.path.join(harness, "layout")
    compiled = subprocess.run(
        ["cobc", "-x", "-std=mf", "-fixed", "-D", "OLEDATE", "-fnot-reserved=VARIANT",
         "-fnot-reserved=DATA-POINTER", "-fnot-reserved=BLOB", "-I", harness, "-o", binary,
         program], cwd=harness, capture_output=True, text=True, errors="replace")
    if compiled.returncode != 0:
        return typedefs, None, compiled.stdout + compiled.stderr, unmeasured
    ran = subprocess.run([binary], cwd=harness, capture_output=True, text=True,
                         errors="replace")
    return typedefs, [int(n) for n in ran.stdout.split()], ran.stderr, unmeasured


def main():
    if len(sys.argv) != 4:
        print(__doc__)
        return 2
    qorvix, tlbdump = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    library = sys.argv[3]
    skip = check_output.missing_tool_or_library(library)
    if skip:
        print("skipped: " + skip)
        return 77
    work = tempfile.mkdtemp(prefix="qorvix-layout-")
    try:
        out = os.path.join(work, "out")
        failure = check_output.generate(qorvix, library, out)
        if failure:
            print(failure)
            return 1
        pointer, expected = library_sizes(tlbdump, library)
        typedefs, lengths, complaint, unmeasured = measure(os.path.join(out, "Out.cpy"),
                                                           "Out.cpy", pointer, work)
        # Pairs by position: the copy file keeps the library's order.
        all_typedefs = record_typedefs(os.path.join(out, "Out.cpy"))
        if len(all_typedefs) == len(expected):
            expected = [e for t, e in zip(all_typedefs, expected) if t.upper() not in unmeasured]
        if lengths is None:
            print("the layout program does not compile:\n" + complaint)
            return 1
        if len(typedefs) != len(expected) or len(lengths) != len(typedefs):
            print("%d record and union typedefs, %d in the library, %d lengths: %s" %
                  (len(typedefs), len(expected), len(lengths), complaint))
            return 1
        wrong = [(t, e, n, length) for t, (n, e), length in zip(typedefs, expected, lengths)
                 if length != e]
        print("%s: %d records and unions, %d-byte pointers%s" %
              (os.path.basename(library), len(typedefs), pointer,
               "; not measured, a field's type cannot be followed: " + ", ".join(
                   sorted(unmeasured)) if unmeasured else ""))
        for typedef, size, type_name, length in wrong:
            print("  %s (%r): %d bytes, the library's %d" % (typedef, type_name, length, size))
        if wrong:
            print("%d of the wrong size" % len(wrong))
            return 1
        return 0
    finally:
        if os.environ.get("QORVIX_KEEP_OUTPUT"):
            print("output kept in " + work)
        else:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
