#!/usr/bin/env bash
# The bash completion of varnex-cli, checked against the program itself.
#
#   completion_test.sh COMPLETION_FILE VARNEX_CLI
#
# Sources the completion in this (non-interactive) bash, after bash-completion itself when
# BASH_COMPLETION_SCRIPT names it (the lazy-loading main script), and
# simulates Tab presses by setting COMP_WORDS, COMP_CWORD, COMP_LINE and COMP_POINT.
set -euo pipefail

if (($# != 2)); then
    echo "usage: $0 COMPLETION_FILE VARNEX_CLI" >&2
    exit 2
fi
completion_file=$1
cli=$2
failures=0

fail() {
    printf 'FAIL: %s\n' "$*" >&2
    failures=$((failures + 1))
}

# shellcheck source=/dev/null
[[ -n ${BASH_COMPLETION_SCRIPT-} ]] && source "$BASH_COMPLETION_SCRIPT"
# shellcheck source=/dev/null
source "$completion_file"

# Sets `replies` to the completions, sorted, of "varnex-cli ARGS" with the cursor at the end.
complete_line() {
    COMP_LINE="varnex-cli $1"
    COMP_POINT=${#COMP_LINE}
    read -ra COMP_WORDS <<<"$COMP_LINE"
    if [[ $COMP_LINE == *' ' ]]; then
        COMP_WORDS+=("")
    fi
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _varnex_cli varnex-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    replies=()
    if ((${#COMPREPLY[@]} > 0)); then
        mapfile -t replies < <(printf '%s\n' "${COMPREPLY[@]}" | sort)
    fi
}

# expect ARGS WANTED...: the completions of ARGS are exactly WANTED (in any order).
expect() {
    local args=$1 got want
    shift
    complete_line "$args"
    got=${replies[*]-}
    want=$(printf '%s\n' "$@" | sort | tr '\n' ' ')
    want=${want% }
    if [[ $got != "$want" ]]; then
        fail "'varnex-cli $args<TAB>' gives [$got], expected [$want]"
    fi
}

expect "--cal" --calendar
expect "--calendar " gregorian julian rome britain russia greece reform:
expect "--calendar=j" julian
expect "--zone GMT+05" GMT+05:00 GMT+05:30 GMT+05:45
expect "--zone GMT+05:3" 30 # bash replaces only the text after the ':'
expect "--events imbolc,s" imbolc,samhain imbolc,september imbolc,shuangjiang imbolc,solar-terms
expect "--events=imbolc,june,j" imbolc,june,jingzhe # june is given already
expect "--from "
expect "2026 "

expect "--format " csv ics json svg text
expect "--format=j" json
expect "--zone l" local
expect "--zone GMT+05" GMT+05:00 GMT+05:30 GMT+05:45 # no name of the tz database begins so

# Every value offered is accepted by the program.
complete_line "--zone "
if ((${#replies[@]} != 56)); then
    fail "${#replies[@]} zones offered, expected 56 (55 fixed and local): ${replies[*]-}"
fi
for zone in "${replies[@]}"; do
    if ! out=$("$cli" 2026 --zone "$zone" --events march 2>&1); then
        fail "varnex-cli 2026 --zone $zone: $out"
    elif [[ $zone != local && $out != *" $zone" ]]; then
        # The program writes a fixed zone at the end of the line, exactly as in its list
        # (local gives the system's zone, whatever it is).
        fail "varnex-cli 2026 --zone $zone writes the zone otherwise: $out"
    fi
done

# The zones of the tz database, a folder at a time.
if [[ -d /usr/share/zoneinfo ]]; then
    expect "--zone Europe/Lo" Europe/London
    expect "--zone=Europe/Lo" Europe/London
    expect "--zone Amer" America/
    expect "--zone Etc/GMT+1" Etc/GMT+1 Etc/GMT+10 Etc/GMT+11 Etc/GMT+12
    expect "--zone posix/Eur" # a copy of the database, not offered
    complete_line "--zone Europe/Lo"
    for zone in "${replies[@]}"; do
        if ! out=$("$cli" 2026 --zone "$zone" --events march 2>&1 >/dev/null); then
            fail "varnex-cli 2026 --zone $zone: $out"
        fi
    done
fi

check_values() {  # check_values OPTION [ARGUMENT...]: the values offered after OPTION work
    local option=$1 value out
    shift
    complete_line "$option "
    if ((${#replies[@]} == 0)); then
        fail "no values offered after $option"
    fi
    for value in "${replies[@]}"; do
        [[ $value == *: ]] && continue  # a prefix to go on typing after (reform:)
        if ! out=$("$cli" 2026 "$@" "$option" "$value" 2>&1 >/dev/null); then
            fail "varnex-cli 2026${*:+ $*} $option $value: $out"
        fi
    done
}
check_values --calendar
check_values --method
check_values --equinox-method
check_values --hemisphere --all
check_values --events
check_values --format
check_values --remind --format ics
# Lists and prefixes go on: the methods after a comma, the reform days after reform:, the terms' ids.
expect "--method true," "true,mean" "true,fixed" "true,both"
expect "--calendar ref" "reform:"
# (bash replaces only what follows the ':', so the replies drop "reform:")
expect "--calendar reform:" "1582-10-15" "1752-09-14" "1918-02-14" "1923-03-01"
complete_line "--events term-"
[[ ${#replies[@]} == 24 && ${replies[0]} == term-000 && ${replies[23]} == term-345 ]] ||
    fail "--events term- offers [${replies[*]-}]"
for value in "${replies[@]}"; do "$cli" 2026 --events "$value" >/dev/null || fail "--events $value"; done

# The options offered are those of --help: the first one of each of its option lines
# ("  --zone ZONE ...", "  -h, --help ..."), not those named in its prose.
complete_line "--"
offered=${replies[*]-}
help_options=$("$cli" --help | grep -oE -- '^ +(-[[:alnum:]], )?--[a-z][a-z-]*' |
    grep -oE -- '--[a-z][a-z-]*' | sort -u | tr '\n' ' ')
help_options=${help_options% }
if [[ $offered != "$help_options" ]]; then
    fail "options offered [$offered] differ from those of --help [$help_options]"
fi

if ((failures > 0)); then
    echo "completion_test: $failures failure(s)" >&2
    exit 1
fi
echo "completion_test: ok"
