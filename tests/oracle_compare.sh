#!/bin/sh
# oracle_compare.sh TLBDUMP SHARED_DIR NAME: dumps corpus file NAME with our
# reader and compares it with the platform's dump. Exit 77 (skip) when the
# shared material is not there.
set -u
tlbdump=$1 shared=$2 name=$3
corpus="$shared/corpus/$name" oracle="$shared/oracle/$name.json"
if [ ! -f "$corpus" ] || [ ! -f "$oracle" ] || [ ! -f "$shared/oracle/compare.py" ]; then
    echo "skipped: the shared corpus and oracle are not on this machine ($shared)"
    exit 77
fi
out=$(mktemp) || exit 1
trap 'rm -f "$out"' EXIT
"$tlbdump" "$corpus" > "$out"
status=$?
if [ $status -ne 0 ] && [ $status -ne 2 ]; then
    echo "tlbdump failed with status $status"
    exit 1
fi
python3 "$shared/oracle/compare.py" "$oracle" "$out"
