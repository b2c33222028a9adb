#!/bin/sh
# Rebuilds the embedded OLE Automation library from its IDL. Needs widl
# (Debian: wine64-tools); the build itself uses the committed stdole2.tlb.
set -eu
cd "$(dirname "$0")"
widl --win32 -t -o stdole2.tlb stdole2.idl
