#!/bin/sh
# Collects the texts of ui/ into qorvix_de.ts (lupdate from qt6-l10n-tools)
# and fills in their German from german.py.
set -e
cd "$(dirname "$0")/../.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -I . -no-obsolete -locations none -source-language en -target-language de_DE ui \
    -ts resources/translations/qorvix_de.ts
python3 resources/translations/german.py
