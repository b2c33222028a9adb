#!/usr/bin/env python3
"""The satellites' translations: one table per language (german.py,
french.py, ...; LANGUAGES below), each with its glossary at the top.

    translate.py            fill every qorvix_<code>.ts from its table (update.sh
                            runs lupdate first, so new source texts are in them)
    translate.py --check LUPDATE
                            change nothing; fail when a source text of ui/ has no
                            translation in some language, when a .ts file is not
                            what its table makes, or when a translation breaks a
                            rule of check_text(); the manuals and the desktop
                            files must have every language too
    translate.py --codes    the .ts codes, one a line (for update.sh)
"""
import importlib
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
sys.path.insert(0, str(HERE))
sys.dont_write_bytecode = True  # nothing left behind in the source tree

LANGUAGES = ["german", "spanish", "french", "italian", "japanese", "korean",
             "chinese_simplified", "chinese_traditional"]
PRODUCT_NAMES = ["qorvix", "Pellarine", "Orbanel", "QORVIX"]

# An accelerator marker is a single "&" ("&&" is a literal ampersand).
MARKER = re.compile(r"(?<!&)&(?!&)")
# Where the letter comes in brackets after the text: "生成(&G)", "参照(&B)...".
BRACKETED = re.compile(r"\(&[A-Z0-9]\)(\.\.\.|:|：)?$")


def load(name):
    return importlib.import_module(name)


def ts_path(language):
    return HERE / f"qorvix_{language.CODE}.ts"


def messages(tree):
    """(context, source, translation element) of every message."""
    for context in tree.getroot().iter("context"):
        name = context.find("name").text
        for message in context.iter("message"):
            yield name, message.find("source").text, message.find("translation")


def fill(language):
    path = ts_path(language)
    tree = ET.parse(path)
    missing = []
    for _, source, translation in messages(tree):
        if source in language.TEXTS:
            translation.text = language.TEXTS[source]
            translation.attrib.pop("type", None)
        else:
            missing.append(source)
    ET.indent(tree, space="    ")
    with open(path, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
        out.write(b"\n")
    for source in missing:
        print(f"{language.__name__}: no text for {source!r}", file=sys.stderr)
    return not missing


def check_text(language, source, text):
    """What a translation must keep of its source; the faults found."""
    faults = []
    def same(what, pattern):
        if sorted(re.findall(pattern, source)) != sorted(re.findall(pattern, text)):
            faults.append(what)
    same("placeholders", r"%\d")
    same("line breaks", r"\n")
    same("file patterns", r"\*\.[\w*]+")
    for name in PRODUCT_NAMES:
        same(name, rf"(?<![A-Za-z]){name}(?![A-Za-z])")
    markers = MARKER.findall(source)
    if len(MARKER.findall(text)) != len(markers):
        faults.append("accelerator marker")
    elif markers and language.BRACKETED and not BRACKETED.search(text):
        faults.append("accelerator not as (&X) at the end")
    elif markers and not language.BRACKETED and not re.search(r"(?<!&)&\w", text):
        faults.append("accelerator not on a letter")
    # The glossary: a text that says an English term ("type library", also
    # "type libraries") says one of the term's forms.
    plain, plainText = MARKER.sub("", source).lower(), MARKER.sub("", text).lower()
    for english, forms in language.GLOSSARY.items():
        forms = (forms,) if isinstance(forms, str) else forms
        if english.rstrip("y") in plain and not any(f.lower() in plainText for f in forms):
            faults.append(f"glossary: {english} -> {forms[0]}")
    return faults


def source_texts(lupdate):
    """(context, source) of every text that ui/ asks to translate."""
    with tempfile.TemporaryDirectory() as folder:
        ts = Path(folder) / "sources.ts"
        subprocess.run([lupdate, "-silent", "-I", ".", "-no-obsolete", "-locations", "none",
                        "-source-language", "en", "ui", "-ts", str(ts)], cwd=ROOT, check=True)
        return {(context, source) for context, source, _ in messages(ET.parse(ts))}


def check(lupdate):
    sources = source_texts(lupdate)
    english_manual = (ROOT / "resources/help/qorvix.html").read_text(encoding="utf-8")
    desktop = (ROOT / "resources/desktop/qorvix.desktop").read_text(encoding="utf-8")
    mime = (ROOT / "resources/desktop/qorvix-mime.xml").read_text(encoding="utf-8")
    sections = re.findall(r'\bid="([^"]+)"', english_manual)
    faults = []
    for name in LANGUAGES:
        language = load(name)
        def fault(what):
            faults.append(f"{name}: {what}")
        found = set()
        for context, source, translation in messages(ET.parse(ts_path(language))):
            found.add((context, source))
            if source not in language.TEXTS:
                fault(f"no text for {source!r}")
                continue
            if translation.get("type") or translation.text != language.TEXTS[source]:
                fault(f"{ts_path(language).name} not filled for {source!r} (run update.sh)")
            for what in check_text(language, source, language.TEXTS[source]):
                fault(f"{what}: {source!r} -> {language.TEXTS[source]!r}")
        for context, source in sorted(sources - found):
            fault(f"{ts_path(language).name} lacks {context}: {source!r} (run update.sh)")
        manual = HERE.parent / "help" / f"qorvix_{language.CODE}.html"
        if not manual.exists():
            fault(f"no manual {manual.name}")
        elif re.findall(r'\bid="([^"]+)"', manual.read_text(encoding="utf-8")) != sections:
            fault(f"{manual.name} has not the sections of the English manual: {sections}")
        for key in ("GenericName", "Comment"):
            if f"\n{key}[{language.CODE}]=" not in desktop:
                fault(f"qorvix.desktop has no {key}[{language.CODE}]")
        if f'xml:lang="{language.CODE}"' not in mime:
            fault(f"qorvix-mime.xml has no comment in {language.CODE}")
    for line in faults:
        print(line, file=sys.stderr)
    return not faults


def main(args):
    if args[:1] == ["--codes"]:
        for name in LANGUAGES:
            print(load(name).CODE)
        return 0
    if args[:1] == ["--check"] and len(args) == 2:
        return 0 if check(args[1]) else 1
    if args:
        print(__doc__, file=sys.stderr)
        return 2
    results = [fill(load(name)) for name in LANGUAGES]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
