#!/bin/sh
# sanitizer_canary.sh CANARY: in a sanitized build, each fault the canary
# commits on purpose ends the process with a report of its kind, under the
# sanitizer settings of the run (only the report folder is redirected, so a
# deliberate report does not fail the run).
set -u
canary=$1
reports=$(mktemp -d) || exit 1
trap 'rm -rf "$reports"' EXIT
failed=0
# KIND:TEXT, TEXT being what the report says (gcc's UBSan finds the
# overflow before ASan does).
for pair in "heap-buffer-overflow:heap-buffer-overflow\|insufficient space" \
    "leak:detected memory leaks" \
    "signed-integer-overflow:signed integer overflow"; do
    kind=${pair%%:*} text=${pair#*:}
    rm -f "$reports"/*
    # gcc's UBSan writes to standard error whatever log_path says.
    ASAN_OPTIONS="${ASAN_OPTIONS:-}:log_path=$reports/report" \
        UBSAN_OPTIONS="${UBSAN_OPTIONS:-}:log_path=$reports/report" \
        "$canary" "$kind" 2>"$reports/stderr"
    status=$?
    if [ $status -eq 0 ]; then
        echo "$kind: the canary ended normally"
        failed=1
    elif ! cat "$reports"/* | grep -q "$text"; then
        echo "$kind: status $status, but no report of it"
        failed=1
    else
        echo "$kind: reported, status $status"
    fi
done
exit $failed
