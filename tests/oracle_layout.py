#!/usr/bin/env python3
"""Compare the vtable layout of a type-library dump with the platform's dump.

usage: oracle_layout.py ORACLE.json OURS.json     exit 0 when they agree, 1 otherwise

The shared compare.py leaves out the layout fields. On a 64-bit system the
platform lays every vtable out in 8-byte slots, whatever the library was
built for, and that is what users of our dump compare against: so oVft and
cbSizeVft are compared here, wherever compare.py compares the rest (not
under an item the platform failed on, and only where both dumps hold the
item, since compare.py reports missing ones).
"""
import json
import sys

LAYOUT = ("oVft", "cbSizeVft")


def differences(oracle, ours, path="$"):
    if isinstance(oracle, dict) and isinstance(ours, dict):
        if set(oracle) == {"error"}:
            return
        for key in LAYOUT:
            if key in oracle and oracle[key] != ours.get(key):
                yield f"{path}.{key}: expected {oracle[key]}, got {json.dumps(ours.get(key))}"
        for key, value in oracle.items():
            if key in ours:
                yield from differences(value, ours[key], f"{path}.{key}")
    elif isinstance(oracle, list) and isinstance(ours, list):
        for i, (a, b) in enumerate(zip(oracle, ours)):
            yield from differences(a, b, f"{path}[{i}]")


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip().splitlines()[2])
        return 2
    with open(sys.argv[1], encoding="utf-8") as f:
        oracle = json.load(f)
    with open(sys.argv[2], encoding="utf-8") as f:
        ours = json.load(f)
    found = list(differences(oracle, ours))
    if found:
        print(f"{found[0]} ({len(found)} layout fields differ)")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
