#!/usr/bin/env bash
# What users see, byte for byte: the output of fixed requests diffed against the files under
# tests/data/golden (iCalendar stamped with SOURCE_DATE_EPOCH=0). A change in what
# varnex-cli prints shows up here as a diff to review; after a deliberate change, run with
# VARNEX_UPDATE_GOLDEN=1 to write the files anew and commit them with the change.
# Usage: golden.sh VARNEX_CLI GOLDEN_DIR
set -uo pipefail
cli=$1 golden=$2
failures=0
while read -r name args; do
    [ -z "$name" ] || [ "${name:0:1}" = "#" ] && continue
    # shellcheck disable=SC2086  # the arguments are words
    actual=$(SOURCE_DATE_EPOCH=0 "$cli" $args; echo "status $?")
    if [ "${VARNEX_UPDATE_GOLDEN:-}" = 1 ]; then
        printf '%s\n' "$actual" >"$golden/$name"
    elif ! diff -u "$golden/$name" <(printf '%s\n' "$actual") >&2; then
        echo "FAIL: $name (varnex-cli $args) differs from its golden file" >&2
        failures=$((failures + 1))
    fi
done <"$golden/requests.txt"
[ "$failures" = 0 ] || exit 1
echo "golden: every request as committed"
