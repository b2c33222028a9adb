#!/bin/sh
# golden_compare.sh QORVIX SHARED_DIR GOLDEN_DIR LIBRARY COPYFILE: generates
# the copy file and class files of a corpus library and compares them with
# the reviewed ones. Exit 77 (skip) when the corpus is not on this machine.
set -u
qorvix=$1 shared=$2 golden=$3 library=$4 copyfile=$5
if [ ! -f "$shared/corpus/$library" ]; then
    echo "skipped: the shared corpus is not on this machine ($shared)"
    exit 77
fi
out=$(mktemp -d) || exit 1
trap 'rm -rf "$out"' EXIT
# A registry with nothing in it, so that no ProgID depends on the machine.
(cd "$out" && LC_ALL=C.UTF-8 WINEPREFIX=/nonexistent "$qorvix" -id "-o$copyfile" "$shared/corpus/$library") || exit 1
diff -r "$golden/$library" "$out" && echo "identical: $(ls "$out" | wc -l) files"
