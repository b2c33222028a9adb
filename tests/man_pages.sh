#!/bin/bash
# man_pages.sh SOURCE-DIR MAN-DIR: the manual pages render without warnings
# (when man is installed), qorvix(1) names every environment variable the
# program reads, and each page names every switch its program's usage shows.
set -u
source_dir=$1
man_dir=$2
failed=0
complain() {
    echo "$*" >&2
    failed=1
}
# A page's source with roff's escaped hyphens and quotes as plain ones.
page_text() {
    sed -e 's/\\-/-/g' -e 's/\\(dq/"/g' "$man_dir/$1.1"
}

if command -v man >/dev/null; then
    for page in qorvix tlbdump tlblist; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
            "$man_dir/$page.1" 2>&1 >/dev/null)
        [ -z "$warnings" ] || complain "$page.1: $warnings"
    done
else
    echo "man is not installed: the pages are not rendered"
fi

# Environment variables the program reads (HOME only for the default prefix).
variables=$(cd "$source_dir" &&
    grep -rhoE '(getenv|Set)\("[A-Z_]+"\)|variable : \{[^}]*\}' app ui platform cobolgen naming \
        typelib browser | grep -oE '"[A-Z_]+"' | tr -d '"' | sort -u | grep -vx HOME)
[ -n "$variables" ] || complain "found no environment variables in the sources"
environment=$(page_text qorvix | sed -n '/^\.SH ENVIRONMENT/,/^\.SH /p')
for variable in $variables; do
    grep -q "^\.\(B\|BR\) .*$variable" <<<"$environment" ||
        complain "qorvix.1 does not name $variable under ENVIRONMENT"
done

# Switches of the usage texts, in bold in the page.
check_switches() {  # PAGE USAGE
    local text switch
    text=$(page_text "$1")
    for switch in $(grep -oE -- '-[-a-z?]+' <<<"$2" | sort -u); do
        grep -qF -- "$switch" <<<"$(grep -E '^\.(B|BR|BI|RB) ' <<<"$text")" ||
            complain "$1.1 does not name $switch"
    done
}
usage=$(grep -hoE '"Usage: qorvix[^;]*' "$source_dir/resources/string_table.cpp" | tr -d '"')
[ -n "$usage" ] || complain "found no usage text for qorvix"
check_switches qorvix "$usage"
for tool in tlbdump tlblist; do
    usage=$(grep -hoE "usage: $tool[^\"]*" "$source_dir/tools/$tool/main.cpp")
    [ -n "$usage" ] || complain "found no usage text for $tool"
    check_switches "$tool" "$usage -h --help"
done
exit $failed
