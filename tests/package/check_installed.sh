#!/bin/bash
# check_installed.sh PACKAGE BUILT-PROGRAM: installs the Debian package with
# apt-get, checks what it put on the machine, and removes it again.
#   - qorvix, tlbdump and tlblist are on the PATH and run; the installed
#     qorvix writes the same files for the bundled sample as the built one,
#     finds its translations and their manuals beside itself, and loads
#     its windows' module only for a window;
#   - man shows the three manual pages, also where dpkg leaves out
#     /usr/share/man;
#   - the desktop knows the MIME type and opens it with qorvix;
#   - /usr/share/doc/qorvix/copyright is in Debian's machine-readable format.
set -euo pipefail
package=$(realpath "$1")
built=$(realpath "$2")
root=$(cd "$(dirname "$0")/../.." && pwd)
sample="$root/tests/fixtures/shapes.tlb"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
fail() {
    echo "package check: $*" >&2
    exit 1
}
manual_shows() {  # PAGE TEXT
    MANWIDTH=80 man -P cat "$1" 2>/dev/null | grep -q "$2" || fail "man $1 does not show '$2'"
}

echo "== Installing $package"
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$package" >/dev/null

for program in qorvix tlbdump tlblist; do
    [ "$(command -v "$program")" = "/usr/bin/$program" ] || fail "$program is not /usr/bin/$program"
done

echo "== The installed qorvix on the bundled sample"
mkdir -p "$work/installed" "$work/built"
qorvix -id "-o$work/installed/Shapes.cpy" "$sample" </dev/null || fail "qorvix failed: $?"
"$built" -id "-o$work/built/Shapes.cpy" "$sample" </dev/null
[ -s "$work/installed/Shapes.cpy" ] || fail "no copy file"
diff -r "$work/built" "$work/installed" || fail "the installed program wrote other files"
ls "$work/installed"

status=0
LC_ALL=de_DE.UTF-8 LANGUAGE=de qorvix -x 2>"$work/german.txt" || status=$?
[ "$status" -eq 2 ] || fail "a bad switch ended with status $status"
grep -q "keine gültige Option" "$work/german.txt" || fail "no German message: $(cat "$work/german.txt")"
for extension in chs cht deu esp fra ita jpn kor; do
    for file in "qorvix.$extension" "qorvix.$extension.html"; do
        [ -f "/usr/lib/qorvix/$file" ] || fail "no $file beside the program"
    done
done
LC_ALL=fr_FR.UTF-8 LANGUAGE=fr qorvix -x 2>"$work/french.txt" || true
grep -q "n'est pas une option valide" "$work/french.txt" || fail "no French message: $(cat "$work/french.txt")"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM qorvix 2>"$work/display.txt" || status=$?
[ "$status" -eq 1 ] && grep -q "cannot show the dialogs" "$work/display.txt" ||
    fail "without a display: status $status, $(cat "$work/display.txt")"
# The windows are a module of their own: the program without a window
# loads no Qt library.
[ -f /usr/lib/qorvix/qorvix-desktop.so ] || fail "no qorvix-desktop.so beside the program"
! LD_DEBUG=libs qorvix -? 2>&1 >/dev/null | grep -q "libQt6" || fail "qorvix -? loads Qt"

tlbdump "$sample" >"$work/shapes.json" || fail "tlbdump failed: $?"
grep -q '^{"file":"shapes.tlb","hr":"0x00000000"' "$work/shapes.json" || fail "tlbdump's JSON"
tlbdump --help | grep -q "^usage: tlbdump" || fail "tlbdump --help"
mkdir -p "$work/prefix"
WINEPREFIX="$work/prefix" tlblist 2>/dev/null && fail "tlblist took a folder without a registry for a prefix"
: >"$work/prefix/system.reg"
WINEPREFIX="$work/prefix" tlblist | grep -q "^0 libraries, 0 not loaded" || fail "tlblist"
head -n 1 /usr/share/doc/qorvix/copyright | grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
    fail "no copyright file in Debian's format"

# Recommended with the package: Qt's own texts (file dialogs) in the
# satellites' languages, and a font for Chinese, Japanese and Korean.
[ -f /usr/share/qt6/translations/qtbase_de.qm ] || fail "Qt's translations are not installed"
fc-list :lang=ja | grep -q . || fail "no font for Japanese"

echo "== Manual pages"
for page in qorvix tlbdump tlblist; do
    manual_shows "$page" "^NAME"
done
manual_shows qorvix "QORVIX_IDE_TIMEOUT_MS"

echo "== Desktop integration"
grep -q "application/x-com-type-library:\*\.tlb" /usr/share/mime/globs2 || fail "no glob for .tlb"
grep -q "application/x-com-type-library:\*\.olb" /usr/share/mime/globs2 || fail "no glob for .olb"
grep -q 'xml:lang="zh_TW"' /usr/share/mime/application/x-com-type-library.xml ||
    fail "the MIME type has no comment in Traditional Chinese"
grep -q "^application/x-com-type-library=.*qorvix.desktop" /usr/share/applications/mimeinfo.cache ||
    fail "qorvix.desktop does not open type libraries"
if command -v xdg-mime >/dev/null; then
    [ "$(xdg-mime query default application/x-com-type-library)" = qorvix.desktop ] ||
        fail "xdg-mime names another program for type libraries"
fi

echo "== Where dpkg leaves out /usr/share/man"
as_root dpkg --path-exclude='/usr/share/man/*' -i "$package" >/dev/null
[ "$(readlink /usr/share/man/man1/qorvix.1.gz)" = ../../qorvix/man/man1/qorvix.1.gz ] ||
    fail "no link to the package's own manual page"
manual_shows qorvix "^NAME"
manual_shows tlblist "^NAME"

echo "== Removing the package"
as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq qorvix >/dev/null
for leftover in /usr/bin/qorvix /usr/lib/qorvix /usr/share/man/man1/qorvix.1.gz; do
    [ ! -e "$leftover" ] && [ ! -L "$leftover" ] || fail "$leftover is still there"
done
echo "The package installs, runs and removes cleanly."
