#!/bin/sh
# Makes reserved_words.txt, the words the reserved-word service reports,
# from GnuCOBOL's list for its "mf" dialect (Debian: gnucobol3):
#   cobc -std=mf --list-reserved > cobc-mf-reserved.txt
# Kept: every reserved word that is reserved everywhere (not only in some
# context), and the special registers (RETURN-CODE, TALLY, ...), which
# clash with data names just the same.
set -eu
cd "$(dirname "$0")"
{
    awk 'NR > 2 && NF == 0 { exit } NR > 2 && $0 !~ /Context sensitive/ { print $1 }' cobc-mf-reserved.txt
    awk '/^Internal registers/ { on = 1; next } on && NF && $1 !~ /^\x27/ { print $1 }' cobc-mf-reserved.txt
} | LC_ALL=C sort -u > reserved_words.txt
