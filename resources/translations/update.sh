#!/bin/sh
# Collects the texts of ui/ into every qorvix_<code>.ts (lupdate from
# qt6-l10n-tools) and fills in their translations from the language tables
# (translate.py, which names the texts a table lacks).
set -e
cd "$(dirname "$0")/../.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
for code in $(python3 resources/translations/translate.py --codes); do
    ts=resources/translations/qorvix_$code.ts
    # A new file is told its language; an existing one keeps its own.
    language=""
    [ -f "$ts" ] || language="-target-language $code"
    "$lupdate" -silent -I . -no-obsolete -locations none -source-language en $language ui -ts "$ts"
done
python3 resources/translations/translate.py
