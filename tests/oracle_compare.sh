#!/bin/sh
# oracle_compare.sh TLBDUMP SHARED_DIR NAME [TLBLIST]: dumps corpus file
# NAME with our reader and compares it with the platform's dump. Without
# TLBLIST, imports resolve only to the embedded stdole2 (the dump depends
# on nothing of this machine). With it, they resolve through a Wine prefix
# written here, which registers the corpus' Wine-built stdole2 the way a
# fresh prefix does; TLBLIST first checks that it loads from there.
# compare.py leaves out the vtable layout (oVft, cbSizeVft); oracle_layout.py
# beside this script compares it.
# Exit 77 (skip) when the shared material is not there.
set -u
tlbdump=$1 shared=$2 name=$3 tlblist=${4:-}
corpus="$shared/corpus/$name" oracle="$shared/oracle/$name.json"
stdole="$shared/corpus/wine-stdole2.tlb"
if [ ! -f "$corpus" ] || [ ! -f "$oracle" ] || [ ! -f "$shared/oracle/compare.py" ] ||
    { [ -n "$tlblist" ] && [ ! -f "$stdole" ]; }; then
    echo "skipped: the shared corpus and oracle are not on this machine ($shared)"
    exit 77
fi
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
out="$work/dump.json"
if [ -z "$tlblist" ]; then
    "$tlbdump" --no-registry "$corpus" > "$out"
    status=$?
else
    prefix="$work/prefix"
    mkdir -p "$prefix/drive_c/windows/system32" "$prefix/dosdevices"
    ln -s ../drive_c "$prefix/dosdevices/c:"
    cp "$stdole" "$prefix/drive_c/windows/system32/stdole2.tlb"
    key='Software\\Classes\\TypeLib\\{00020430-0000-0000-C000-000000000046}\\2.0'
    file='"\\\\?\\C:\\windows\\system32\\stdole2.tlb"'
    printf '%s\n' 'WINE REGISTRY Version 2' '' "[$key] 1700000000" '@="OLE Automation"' \
        "[$key\\\\0\\\\win32] 1700000000" "@=$file" \
        "[$key\\\\0\\\\win64] 1700000000" "@=$file" > "$prefix/system.reg"
    listed=$("$tlblist" "$prefix")
    case "$listed" in
        "ok "*"OLE Automation  $prefix/dosdevices/c:/windows/system32/stdole2.tlb"*) ;;
        *)
            echo "stdole2 does not load from the prefix:"
            echo "$listed"
            exit 1
            ;;
    esac
    WINEPREFIX="$prefix" "$tlbdump" "$corpus" > "$out"
    status=$?
fi
if [ $status -ne 0 ] && [ $status -ne 2 ]; then
    echo "tlbdump failed with status $status"
    exit 1
fi
python3 "$shared/oracle/compare.py" "$oracle" "$out" || exit 1
python3 "$(dirname "$0")/oracle_layout.py" "$oracle" "$out"
