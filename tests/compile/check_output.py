#!/usr/bin/env python3
"""check_output.py QORVIX LIBRARY [NAME]

Generates the copy file and the class files of a type library with
`qorvix -id`, compiles the copy file with GnuCOBOL inside a minimal program
(cobc -fsyntax-only -std=mf -fixed), and checks every generated file with a
fixed-format lint. GnuCOBOL has no OO classes, so class files get the lint
only. Exit status: 0 when nothing turns up but the allowed errors listed
below, 1 otherwise, 77 (skipped) when cobc or the library is missing.

GnuCOBOL differs from the dialect the output is written for in a few places;
the harness adapts for them, never the output:
  - the type names that the output leaves to the user (LONG, BSTR, VARIANT,
    ...) are declared in harness_types.cpy;
  - it wants USAGE before a typedef name: the harness puts USAGE on a line of
    its own before such a name (so that no line grows past column 72);
  - it reserves VARIANT, and knows DATA-POINTER and BLOB as words it does not
    support; the harness takes these out of its reserved words;
  - a typedef whose field is a pointer cannot be nested twice in others
    ("cannot have PICTURE clause"); the harness spells a pointer field (the
    usage POINTER, or a typedef of it such as LPWSTR) as PIC X(8).
Each change goes on a line of its own, so no line grows past column 72, and
errors are reported on the lines of the copy file as generated.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

# Errors that stay, each with its reason: (check, message, source line,
# reason). The message and source patterns are regular expressions.
ALLOWED = [
    ("order", r"is declared later", r"",
     "a typedef refers to one written later: the copy file keeps its order of kinds, and the "
     "library's order within a kind"),
    ("comment-only", r"", r"",
     "a typedef refers to a dispinterface that the copy file documents in comments, so its "
     "pointer typedef is a comment too"),
    ("lint", r"not a COBOL word or literal: SAFEARRAY\(", r"",
     "SAFEARRAY(...) stands for a safe array as the output has always written it"),
    ("cobc", r"unknown USAGE: SAFEARRAY$", r"SAFEARRAY\(",
     "SAFEARRAY(...) stands for a safe array as the output has always written it"),
    ("lint", r"not a COBOL word or literal: (<GetRefTypeInfo|failed>)",
     r"<GetRefTypeInfo|^ +failed>",
     "the failure text in place of a type whose reference cannot be resolved"),
    ("cobc", r"^syntax error, unexpected <$", r"<GetRefTypeInfo failed>",
     "the failure text in place of a type whose reference cannot be resolved"),
    ("lint", r"not a COBOL word or literal: (ITypeInfo::GetDocumentation|failed|in|"
     r"TYPEDESCToString)", r"ITypeInfo::GetDocumentation\(\) failed",
     "the failure text in place of a type whose name cannot be read"),
]

LAST_CODE_COLUMN = 72
NAME_LIMIT = 31

DATA_KEYWORDS = {
    "typedef", "pic", "picture", "pointer", "comp-1", "comp-2", "comp-3", "comp-5", "binary",
    "occurs", "redefines", "usage", "value", "external", "global",
}


class Problem:
    def __init__(self, check, file, line, message, source):
        self.check, self.file, self.line = check, file, line
        self.message, self.source = message, source

    def reason(self):
        for check, message, source, why in ALLOWED:
            if (check == self.check and re.search(message, self.message)
                    and re.search(source, self.source)):
                return why
        return None

    def __str__(self):
        return "%s:%d: %s: %s\n    | %s" % (self.file, self.line, self.check, self.message,
                                           self.source.rstrip())


# ---- Fixed format -------------------------------------------------------------

def split_comment(line):
    """The code of a line and where a floating comment starts (None without
    one), and whether a literal was left open."""
    in_literal = False
    i = 0
    while i < len(line):
        c = line[i]
        if in_literal:
            if c == '"':
                if line.startswith('""', i):
                    i += 2
                    continue
                in_literal = False
        elif c == '"':
            in_literal = True
        elif line.startswith("*>", i):
            return line[:i], i, False
        i += 1
    return line, None, in_literal


def tokens(code):
    """(column, text) of each blank-separated token; literals keep their blanks."""
    result = []
    i = 0
    while i < len(code):
        if code[i] == " ":
            i += 1
            continue
        start = i
        in_literal = False
        while i < len(code) and (in_literal or code[i] != " "):
            if code[i] == '"':
                if in_literal and code.startswith('""', i):
                    i += 1
                else:
                    in_literal = not in_literal
            i += 1
        result.append((start + 1, code[start:i]))
    return result


WORD = re.compile(r"[A-Za-z0-9\x80-\xff_-]+\Z")
NUMBER = re.compile(r"[+-]?(\d+(\.\d+)?|\.\d+)([Ee][+-]?\d+)?\Z")
LITERAL = re.compile(r'([xXzZ]?)"((?:[^"]|"")*)"\Z')


def token_problem(text, previous, limit):
    """What is wrong with one token of a code line, or None."""
    if text.endswith(".") and len(text) > 1:
        text = text[:-1]
    if text in ("&", "."):
        return None
    if previous.lower() in ("pic", "picture"):
        return None  # a picture string
    literal = LITERAL.match(text)
    if literal:
        if literal.group(1) in "xX" and literal.group(1) and (
                len(literal.group(2)) % 2 or not re.fullmatch(r"[0-9A-Fa-f]*", literal.group(2))):
            return "not a hexadecimal literal: %s" % text
        return None
    number = NUMBER.match(text)
    if number:
        if number.group(3) and not number.group(2):
            return "a floating-point literal needs a decimal point: %s" % text
        return None
    if not WORD.match(text):
        return "not a COBOL word or literal: %s" % text
    if text.startswith("-") or text.endswith("-"):
        return "a word starts or ends with a hyphen: %s" % text
    if len(text.encode("latin-1")) > limit:
        return "a word longer than %d characters: %s" % (limit, text)
    return None


def lint_lines(path, name):
    """Problems of the file's lines as fixed-format COBOL, and its code lines
    as (line number, text) for the checks of entries."""
    problems = []
    data = open(path, "rb").read()
    if data and not data.endswith(b"\r\n"):
        problems.append(Problem("lint", name, 0, "the last line has no CR LF", ""))
    raw_lines = data.split(b"\r\n")
    if raw_lines and raw_lines[-1] == b"":
        raw_lines.pop()
    code_lines = []
    for number, raw in enumerate(raw_lines, 1):
        line = raw.decode("latin-1")  # one character per byte: columns count bytes
        if any(b < 0x20 or b == 0x7F for b in raw):
            problems.append(Problem("lint", name, number, "a control byte in a line", repr(raw)))
            continue
        if not line.strip():
            continue
        if line[:6].strip():
            problems.append(Problem("lint", name, number, "text in columns 1-6", line))
            continue
        if line[6:8] == "*>" or line[6:7] == "$":
            continue  # a comment line or a directive
        if line[6:7] != " ":
            problems.append(Problem("lint", name, number, "text in the indicator column", line))
            continue
        code, _, open_literal = split_comment(line)
        code = code.rstrip()
        if open_literal:
            problems.append(Problem("lint", name, number, "a literal not closed on its line",
                                    line))
        if len(code) > LAST_CODE_COLUMN:
            problems.append(Problem("lint", name, number, "code past column 72", line))
        if code.strip():
            code_lines.append((number, code))
    return problems, code_lines


def statements(code_lines):
    """Sentences of the code as lists of (line, column, token), each ended by
    a token that ends in a period."""
    sentence = []
    for number, code in code_lines:
        for column, text in tokens(code):
            sentence.append((number, column, text))
            # A literal token keeps its quotes, so a final period is outside.
            if text.endswith("."):
                yield sentence
                sentence = []
    if sentence:
        yield sentence


def word(token):
    return token[2].rstrip(".")


def check_tokens(sentences, name, sources):
    problems = []
    for sentence in sentences:
        previous = ""
        for number, _, text in sentence:
            problem = token_problem(text, previous, NAME_LIMIT)
            if problem:
                problems.append(Problem("lint", name, number, problem, sources[number]))
            previous = text
    return problems


class Linted:
    """A file's lint problems so far, its code lines and its sentences."""

    def __init__(self, path, name):
        self.name = name
        self.problems, code_lines = lint_lines(path, name)
        self.sources = dict(code_lines)
        self.sentences = list(statements(code_lines))
        self.problems += check_tokens(self.sentences, name, self.sources)

    def problem(self, number, message):
        self.problems.append(Problem("lint", self.name, number, message, self.sources[number]))

    def once(self, seen, word_, number, what):
        """Records a word of a scope; a second one is a problem."""
        key = word_.upper()
        if key in seen:
            self.problem(number, "%s used before on line %d" % (what, seen[key]))
        seen.setdefault(key, number)


def lint_copy_file(path, name):
    linted = Linted(path, name)
    entries = {}
    conditions = {}
    for sentence in linted.sentences:
        if len(sentence) < 2 or not re.fullmatch(r"\d\d", sentence[0][2]):
            continue
        level, number, entry = sentence[0][2], sentence[1][0], word(sentence[1])
        if level in ("01", "78"):
            linted.once(entries, entry, number, "level-%s name" % level)
            if level == "01":
                conditions = {}
        elif level == "88":
            linted.once(conditions, entry, number, "condition name in its entry")
    return linted.problems


def lint_class_file(path, name):
    linted = Linted(path, name)
    methods = {}
    current = None
    linkage = {}
    naming = False  # the sentence after "method-id." names the method
    for sentence in linted.sentences:
        words = [word(t).lower() for t in sentence]
        number = sentence[0][0]
        if words == ["method-id"]:
            naming = True
            continue
        if naming:
            naming = False
            current = word(sentence[0])
            linted.once(methods, current, number, "method-id")
            linkage = {}
        elif words[:2] == ["end", "method"]:
            if len(sentence) < 3 or current is None or word(sentence[2]) != current:
                linted.problem(number, "end method does not name the method")
        elif words[:1] == ["01"] and current is not None and len(sentence) > 1:
            linted.once(linkage, word(sentence[1]), number, "linkage name")
        elif words[:2] == ["procedure", "division"]:
            if words.count("returning") > 1:
                linted.problem(number, "more than one returning phrase")
            if "using" in words and "returning" in words and (
                    words.index("returning") < words.index("using")):
                linted.problem(number, "returning before using")
            elif "returning" in words and "using" not in words and (
                    words.index("returning") != 2):
                linted.problem(number, "parameters after returning")
    return linted.problems


# ---- The compiler -------------------------------------------------------------

PROGRAM = """\
       identification division.
       program-id. harness.
       data division.
       working-storage section.
       copy "harness_types.cpy".
       copy "%s".
       procedure division.
           goback.
"""


def pointer_typedefs(code_lines):
    """The names declared "01 NAME pointer typedef." here and in the harness."""
    names = set()
    for sentence in statements(code_lines):
        words = [word(t).lower() for t in sentence]
        if len(words) == 4 and words[0] == "01" and words[2:] == ["pointer", "typedef"]:
            names.add(words[1])
    return names | {"bstr", "data-pointer", "carray", "userdefined", "stream", "storage",
                    "streamed-object", "stored-object", "blob-object"}


def adapt_for_gnucobol(path, pointer="PIC X(8)"):
    """The copy file's lines as GnuCOBOL reads them (see the top), for each
    line the number of the line it came from, and the typedef names that are
    used before the line that declares them. `pointer` spells a pointer
    field."""
    _, code_lines = lint_lines(path, "")
    found = list(statements(code_lines))
    pointers = pointer_typedefs(code_lines)
    usages = {}    # line -> [(column, length of a token to replace, its replacement)]
    uses = []      # (line, typedef name)
    declared = {}  # entry name -> line
    entry_lines = []  # first lines of the level-01 and level-78 entries
    for sentence in found:
        if len(sentence) < 2 or not re.fullmatch(r"\d\d", sentence[0][2]):
            continue
        level = sentence[0][2]
        if level in ("01", "78"):
            declared.setdefault(word(sentence[1]).upper(), sentence[0][0])
            entry_lines.append(sentence[0][0])
        if level in ("78", "88") or len(sentence) < 3:
            continue
        usage = word(sentence[2]).lower()
        field = level != "01"
        where = usages.setdefault(sentence[2][0], [])
        if field and (usage == "pointer" or usage in pointers):
            where.append((sentence[2][1], len(word(sentence[2])), pointer))
        elif usage not in DATA_KEYWORDS:
            where.append((sentence[2][1], 0, "USAGE"))
        if usage not in DATA_KEYWORDS:
            uses.append((sentence[2][0], usage.upper()))

    raw_lines = open(path, "rb").read().split(b"\r\n")

    def adapted(number):
        line = raw_lines[number - 1].decode("latin-1")
        result = []
        start = 0
        for column, length, replacement in sorted(usages.get(number, [])):
            result.append(line[start:column - 1].rstrip())
            result.append(" " * 11 + replacement)
            start = column - 1 + length
        result.append((" " * 11 if start else "") + line[start:])
        return result

    # The entries after the head, each from its first line to the next
    # entry's, ordered so that a typedef comes before its uses: the order of
    # kinds puts some uses first, and the compiler would report every line
    # that follows from them.
    head_end = entry_lines[0] if entry_lines else len(raw_lines) + 1
    for number, code in code_lines:
        if code.strip().startswith("$end"):
            head_end = max(head_end, number + 1)
    firsts = [n for n in entry_lines if n >= head_end]
    bounds = list(zip(firsts, firsts[1:] + [len(raw_lines) + 1]))
    entry_of = {}
    for index, (first, end) in enumerate(bounds):
        for number in range(first, end):
            entry_of[number] = index
    needs = [set() for _ in bounds]
    for number, name in uses:
        if number in entry_of and name in declared and declared[name] in entry_of:
            needed = entry_of[declared[name]]
            if needed != entry_of[number]:
                needs[entry_of[number]].add(needed)
    order, placed = [], set()

    def place(index, path_):
        if index in placed or index in path_:
            return
        path_.add(index)
        for needed in sorted(needs[index]):
            place(needed, path_)
        placed.add(index)
        order.append(index)

    for index in range(len(bounds)):
        place(index, set())

    lines, origins = [], []
    numbers = list(range(1, (firsts[0] if firsts else len(raw_lines) + 1)))
    for index in order:
        numbers += list(range(*bounds[index]))
    for number in numbers:
        for line in adapted(number):
            lines.append(line)
            origins.append(number)
    forward = [(number, name) for number, name in uses
               if name in declared and declared[name] > number]
    return lines, origins, forward


def compile_copy_file(path, name, work):
    lines, origins, forward = adapt_for_gnucobol(path)
    adapted = os.path.join(work, "harness")
    os.makedirs(adapted, exist_ok=True)
    with open(os.path.join(adapted, name), "wb") as out:
        out.write("\n".join(lines).encode("latin-1"))
    # The harness declares only what the copy file does not: a library may
    # declare UINT or GUID itself.
    declared = {t.upper() for t in re.findall(r"^ {7}01 (\S+)", "\n".join(lines), re.M)}
    with open(os.path.join(HERE, "harness_types.cpy")) as types, \
            open(os.path.join(adapted, "harness_types.cpy"), "w") as out:
        skipping = False
        for line in types:
            entry = re.match(r" {7}01 (\S+)", line)
            if entry:
                skipping = entry.group(1).upper() in declared
            if not skipping:
                out.write(line)
    program = os.path.join(adapted, "harness.cbl")
    with open(program, "w") as out:
        out.write(PROGRAM % name)
    command = ["cobc", "-fsyntax-only", "-std=mf", "-fixed", "-fmax-errors=100000",
               "-fnot-reserved=VARIANT", "-fnot-reserved=DATA-POINTER", "-fnot-reserved=BLOB",
               "-I", adapted, program]
    result = subprocess.run(command, cwd=adapted, capture_output=True, text=True,
                            errors="replace")
    sources = open(path, "rb").read().decode("latin-1").split("\r\n")
    problems = [Problem("order", name, number, "%s is declared later" % typedef,
                        sources[number - 1]) for number, typedef in forward]
    commented = {n.upper() for n in re.findall(r"^ {6}\*> 01 (\S+) +pointer typedef\.$",
                                                 "\n".join(sources), re.M)}
    for message in (result.stdout + result.stderr).splitlines():
        match = re.match(r"(.*?):(\d+): (error|warning): (.*)", message)
        if not match:
            if message.strip() and "error" in message:
                problems.append(Problem("cobc", name, 0, message, ""))
            continue
        file, number, kind, text = match.groups()
        if kind != "error":
            continue
        number = int(number)
        if os.path.basename(file) == name and 0 < number <= len(origins):
            number = origins[number - 1]
            source = sources[number - 1] if number <= len(sources) else ""
            unknown = re.fullmatch(r"unknown USAGE: (\S+)", text)
            check = "cobc"
            if unknown and unknown.group(1).upper() in commented:
                check = "comment-only"
            problems.append(Problem(check, name, number, text, source))
        else:
            problems.append(Problem("cobc", os.path.basename(file), number, text, ""))
    if result.returncode != 0 and not problems:
        problems.append(Problem("cobc", name, 0, "cobc failed: " + result.stderr.strip(), ""))
    return problems


# ---- Main ---------------------------------------------------------------------

def missing_tool_or_library(library):
    """Why the check cannot run on this machine (a skip), or None."""
    if not shutil.which("cobc"):
        return "GnuCOBOL (cobc) is not installed"
    if not os.path.isfile(library):
        return "%s is not on this machine" % library
    return None


def generate(qorvix, library, out):
    """`qorvix -id -oOut.cpy LIBRARY` into `out`, made first; what failed, or None."""
    os.makedirs(out)
    env = dict(os.environ, LC_ALL="C.UTF-8", WINEPREFIX="/nonexistent")
    run = subprocess.run([qorvix, "-id", "-oOut.cpy", os.path.abspath(library)], cwd=out,
                         env=env, stdin=subprocess.DEVNULL, capture_output=True, text=True)
    if run.returncode != 0:
        return "qorvix failed (%d): %s" % (run.returncode, run.stderr.strip())
    return None

def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    qorvix, library = os.path.abspath(sys.argv[1]), sys.argv[2]
    skip = missing_tool_or_library(library)
    if skip:
        print("skipped: " + skip)
        return 77
    work = tempfile.mkdtemp(prefix="qorvix-compile-")
    try:
        out = os.path.join(work, "out")
        failure = generate(qorvix, library, out)
        if failure:
            print(failure)
            return 1
        problems = []
        files = sorted(os.listdir(out))
        for file in files:
            path = os.path.join(out, file)
            if file == "Out.cpy":
                problems += lint_copy_file(path, file)
                problems += compile_copy_file(path, file, work)
            else:
                problems += lint_class_file(path, file)
        allowed = {}
        failures = []
        for problem in problems:
            why = problem.reason()
            if why:
                allowed[why] = allowed.get(why, 0) + 1
            else:
                failures.append(problem)
        print("%s: %d files" % (os.path.basename(library), len(files)))
        for why, count in sorted(allowed.items()):
            print("  allowed %4d: %s" % (count, why))
        for problem in failures:
            print(problem)
        if failures:
            print("%d problems" % len(failures))
            return 1
        return 0
    finally:
        if os.environ.get("QORVIX_KEEP_OUTPUT"):
            print("output kept in " + work)
        else:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
