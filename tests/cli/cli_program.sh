#!/usr/bin/env bash
# varnex-cli as a program: its bytes, exit statuses and streams; the parser's accepted and
# refused command lines; lost output; the exports read back by other programs (Python's csv
# and icalendar, jq, awk); named zones against the C library's reading of the tz database.
# Usage: cli_program.sh VARNEX_CLI SOURCE_DIR VERSION
set -uo pipefail
cli=$1 source=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1  # refused command lines must write nothing here either
failures=0
python=/usr/bin/python3  # Debian's, with python3-icalendar
[ -x "$python" ] || python=python3
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# run ARGS...: sets status, out (a file) and err
run() { "$cli" "$@" >"$work/out" 2>"$work/err"; status=$?; err=$(cat "$work/err"); }
expect_out() {  # expect_out WHAT EXPECTED-BYTES (printf format) ARGS...
    local what=$1 expected=$2; shift 2
    run "$@"
    cmp -s <(printf "$expected") "$work/out" || fail "$what: got $(od -c "$work/out" | head -3)"
    [ "$status" = 0 ] && [ -z "$err" ] || fail "$what: status $status, err $err"
}

# The window's lines, LF by default and CR LF with --crlf; 22:45 UT is USNO's March equinox of 2015.
expect_out "a line, LF" 'Spring (March) equinox ........ 2015-03-20 CE 22:45 GMT\n' 2015 --events march
expect_out "--crlf" 'Spring (March) equinox ........ 2015-03-20 CE 22:45 GMT\r\n' 2015 --events=march --crlf
expect_out "zone, weekday" 'Spring (March) equinox ........ 2015-03-21 CE 04:15 GMT+05:30, Saturday\n' \
    +2015 --zone +05:30 --weekday --events MARCH
run --from 1999 --to 2000 --events june
cmp -s "$work/out" <("$cli" 1999 --events june; echo --------------------; "$cli" 2000 --events june) ||
    fail "a range of years, separated as requests in the output box"
run 800 --calendar Julian --events ' Lammas , ' --method TRUE
[[ $(cat "$work/out") == "Lughnassad (true sun) ......... 800-08-0"?" JC "??:??" GMT" ]] || fail "Julian, an alias: $(cat "$work/out")"
run 2015; [ "$(wc -l <"$work/out")" = 12 ] && ! grep -q $'\r' "$work/out" || fail "twelve LF lines"
run 2015 --all --hemisphere south --crlf
[ "$(grep -c $'\r$' "$work/out")" = 27 ] && head -1 "$work/out" | grep -q '^Lughnassad' || fail "the summary's 27 lines"
run -- -5; [ "$status" = 2 ] && [[ $err == *"between 1 and 3000"* ]] || fail "-- -5 reaches the year check: $err"
for flag in -h --help -V --version; do
    run "$flag"; [ "$status" = 0 ] && [ -s "$work/out" ] || fail "$flag"
done
run -V; [ "$(cat "$work/out")" = "varnex-cli $version" ] || fail "-V: $(cat "$work/out")"
mkdir "$work/alone" && cp "$cli" "$work/alone/"  # without the program text
"$work/alone/varnex-cli" --help >/dev/null 2>&1 || fail "--help needs the program text"
"$work/alone/varnex-cli" 2015 >/dev/null 2>&1; [ $? = 1 ] || fail "no program text is not status 1"

# Refused: status 2, nothing on standard output, and on standard error one message in one style,
# "varnex-cli: WHAT: what was wrong; what is accepted", then "Try 'varnex-cli --help'.": every
# refusal of the program, the window's year messages without their titles, the parser's errors
# in words of the program, every option that cannot change the output.
while IFS='|' read -r args message; do
    eval "set -- $args"
    run "$@"
    [ "$status" = 2 ] && [ ! -s "$work/out" ] && [ "$err" = "$message"$'\n'"Try 'varnex-cli --help'." ] ||
        fail "refused $args: status $status, err $err"
    [[ $message =~ ^varnex-cli:\ [^:]+:\ [^\;]+\;\ .+$ ]] || fail "refused $args: not in the one style: $message"
done <<'TABLE'
3001|varnex-cli: YEAR: The year must lie between 1 and 3000 ('3001'); a whole number from 1 to 3000
--from 0 --to 5|varnex-cli: --from: The year must lie between 1 and 3000 ('0'); a whole number from 1 to 3000
2026.5|varnex-cli: YEAR: Invalid input for year ('2026.5'); a whole number from 1 to 3000
''|varnex-cli: YEAR: Year must be specified; a whole number from 1 to 3000
--events ,|varnex-cli: --events: At least one event must be selected; the events and turning points --help lists under Events
--from 5 --to 3|varnex-cli: --from: '5' comes after --to '3'; --from Y1 --to Y2 with Y1 not after Y2
--from 5|varnex-cli: --from: needs --to; a range is --from Y1 --to Y2
2015 2016|varnex-cli: '2016': one argument too many; one YEAR (or --from and --to) and the options --help lists
2015 --from 1 --to 2|varnex-cli: YEAR: given with --from and --to; either YEAR or a range
--zone +14:15|varnex-cli: --zone: unknown time zone '+14:15'; GMT-12:00 to GMT+14:00 in quarter hours (GMT+05:30, +05:45, -1, 5.5), a zone of the tz database (Europe/London), local, or lmt: or solar: and a longitude from -180 to 180 (lmt:9.99)
--zone Mars/Olympus|varnex-cli: --zone: unknown time zone 'Mars/Olympus'; GMT-12:00 to GMT+14:00 in quarter hours (GMT+05:30, +05:45, -1, 5.5), a zone of the tz database (Europe/London), local, or lmt: or solar: and a longitude from -180 to 180 (lmt:9.99)
--zone|varnex-cli: --zone: a value is needed; GMT-12:00 to GMT+14:00 in quarter hours (GMT+05:30, +05:45, -1, 5.5), a zone of the tz database (Europe/London), local, or lmt: or solar: and a longitude from -180 to 180 (lmt:9.99)
--zone EST|varnex-cli: --zone: 'EST' is the tz database's fixed offset, without summer time; for the clock of a place give its zone (America/New_York), or the offset itself (GMT-05:00)
--zone hst|varnex-cli: --zone: 'hst' is the tz database's fixed offset, without summer time; for the clock of a place give its zone (Pacific/Honolulu), or the offset itself (GMT-10:00)
--events march,midsummer|varnex-cli: --events: unknown event 'midsummer'; the events and turning points --help lists under Events
--calendar x|varnex-cli: --calendar: unknown calendar 'x'; gregorian, julian, rome, britain, russia, greece, or reform:YYYY-MM-DD (the first Gregorian day, 0200-03-01 to 3000-12-31)
--calendar reform:1752-02-30|varnex-cli: --calendar: 'reform:1752-02-30' names no Gregorian date; gregorian, julian, rome, britain, russia, greece, or reform:YYYY-MM-DD (the first Gregorian day, 0200-03-01 to 3000-12-31)
--calendar reform:0100-01-01|varnex-cli: --calendar: 'reform:0100-01-01' comes before 0200-03-01, while the Julian calendar is ahead of the Gregorian, so the reform would date two days alike; gregorian, julian, rome, britain, russia, greece, or reform:YYYY-MM-DD (the first Gregorian day, 0200-03-01 to 3000-12-31)
--remind 1d --format ics --remind 0d|varnex-cli: --remind: '0d' is no reminder; a whole number of minutes, hours, days or weeks before the event, up to a year (30m, 2h, 1d, 1w)
--remind 1y --format ics|varnex-cli: --remind: '1y' is no reminder; a whole number of minutes, hours, days or weeks before the event, up to a year (30m, 2h, 1d, 1w)
--remind 53w --format ics|varnex-cli: --remind: '53w' is no reminder; a whole number of minutes, hours, days or weeks before the event, up to a year (30m, 2h, 1d, 1w)
--remind 1d|varnex-cli: --remind: only for iCalendar; --format ics with it
--all-day --csv|varnex-cli: --all-day: only for iCalendar; --format ics with it
--dual-dates --format ics|varnex-cli: --dual-dates: only for the text lines and for CSV and JSON; leave out --dual-dates
--all --dual-dates|varnex-cli: --dual-dates: the summary (--all) is the window's, without it; leave out --dual-dates, or --all
2026 --dual-dates|varnex-cli: --dual-dates: has no effect: it dates the years 1582 to 1923 in both calendars; a year of those, or leave out --dual-dates
--method all|varnex-cli: --method: unknown method 'all'; a comma-separated list of true, mean and fixed, or both (true,mean)
--method ' , '|varnex-cli: --method: no method; a comma-separated list of true, mean and fixed, or both (true,mean)
--longitude 360|varnex-cli: --longitude: '360' is no longitude; a solar longitude in degrees from 0 to 360 (not 360 itself)
--longitude -0.0001|varnex-cli: --longitude: '-0.0001' is no longitude; a solar longitude in degrees from 0 to 360 (not 360 itself)
--longitude 1e999|varnex-cli: --longitude: '1e999' is no longitude; a solar longitude in degrees from 0 to 360 (not 360 itself)
--events perihelion,midsummer|varnex-cli: --events: unknown event 'midsummer'; the events and turning points --help lists under Events
--all --seconds|varnex-cli: --seconds: the summary (--all) is the window's, without it; leave out --seconds, or --all
--all --events aphelion|varnex-cli: --events: has no effect: the summary (--all) holds the year's eight events; leave out --events, or --all
--all --method fixed|varnex-cli: --method: has no effect: the summary (--all) gives the true and the mean sun; leave out --method, or --all
--all --weekday|varnex-cli: --weekday: has no effect: the summary (--all) has no weekdays; leave out --weekday, or --all
--all --longitude 100|varnex-cli: --longitude: has no effect: the summary (--all) holds the eight events only; leave out --longitude, or --all
--all --equinox-method true|varnex-cli: --equinox-method: has no effect: the summary (--all) is the window's, by Meeus's method; leave out one of them
--equinox-method mean|varnex-cli: --equinox-method: unknown equinox method 'mean'; meeus or true
--format xml|varnex-cli: --format: unknown format 'xml'; text, csv, json, ics or svg
--calendar julian --calendar gregorian|varnex-cli: --calendar: given more than once; give it once
--jobs 0|varnex-cli: --jobs: '0' is not a number of threads; a whole number from 1 to 256
--jobs two|varnex-cli: --jobs: 'two' is not a number of threads; a whole number from 1 to 256
--csv --all|varnex-cli: --all: the summary is text only, not csv; leave out --format and --csv, or --all
--csv --format json|varnex-cli: --format: not with --csv; --csv is --format csv: give one
--all --format json|varnex-cli: --all: the summary is text only, not json; leave out --format and --csv, or --all
--from 2000 --to 2001 --format svg|varnex-cli: --from: the wheel (svg) draws one year; YEAR alone
--format svg --method fixed|varnex-cli: --method: has no effect: the wheel (svg) draws the true and the mean sun; leave out --method
--format svg --events perihelion|varnex-cli: --events: has no effect: the wheel (svg) draws every event by both methods; --events solar-terms for the terms' ticks, meteorological for the seasons' first days
--format svg --longitude 100|varnex-cli: --longitude: has no effect: the wheel (svg) draws no longitude; leave out --longitude
--format svg --seconds|varnex-cli: --seconds: has no effect: the wheel (svg) gives its times to the minute; leave out --seconds
--format svg --weekday|varnex-cli: --weekday: has no effect: iCalendar and the wheel (svg) name no weekdays; leave out --weekday
--format svg --crlf|varnex-cli: --crlf: has no effect: SVG lines end in LF and iCalendar lines in CR LF always; leave out --crlf
--format ics --crlf|varnex-cli: --crlf: has no effect: SVG lines end in LF and iCalendar lines in CR LF always; leave out --crlf
--format ics --seconds|varnex-cli: --seconds: has no effect: CSV, JSON and iCalendar have the second always; leave out --seconds
--format ics --weekday|varnex-cli: --weekday: has no effect: iCalendar and the wheel (svg) name no weekdays; leave out --weekday
--format ics --zone Asia/Tokyo|varnex-cli: --zone: has no effect: a timed iCalendar file gives each instant in UTC, which calendar programs show in their reader's zone; --all-day for the days of that zone, or leave out --zone
--csv --weekday|varnex-cli: --weekday: has no effect: CSV and JSON have the weekday column always; leave out --weekday
--format json --seconds|varnex-cli: --seconds: has no effect: CSV, JSON and iCalendar have the second always; leave out --seconds
--events march --method mean|varnex-cli: --method: has no effect: no cross-quarter day is among the events; add one to --events, or leave out --method
--events imbolc --equinox-method true|varnex-cli: --equinox-method: has no effect: no equinox or solstice is among the events; add one to --events, or leave out --equinox-method
--events perihelion --hemisphere south|varnex-cli: --hemisphere: has no effect: the turning points are the same in both hemispheres; leave out --hemisphere
--events perihelion --names de --csv|varnex-cli: --names: has no effect: the turning points' names are English in every language; leave out --names
--weekday=maybe|varnex-cli: --weekday: takes no value; the option alone
--qmljsdebugger 1999|varnex-cli: --qmljsdebugger: unknown option; one YEAR (or --from and --to) and the options --help lists
2026 --Calendar julian|varnex-cli: --Calendar: unknown option; one YEAR (or --from and --to) and the options --help lists
2026 --foo --bar|varnex-cli: --foo: unknown option; one YEAR (or --from and --to) and the options --help lists
--output ''|varnex-cli: --output: an empty file name; a file name, or - for standard output
--csv --output= notes.txt|varnex-cli: --output: an empty value after '='; a file name, or - for standard output
--from= --help|varnex-cli: --from: an empty value after '='; a year from 1 to 3000, and --to
--zone= local|varnex-cli: --zone: an empty value after '='; GMT-12:00 to GMT+14:00 in quarter hours (GMT+05:30, +05:45, -1, 5.5), a zone of the tz database (Europe/London), local, or lmt: or solar: and a longitude from -180 to 180 (lmt:9.99)
--now 2026-03-01|varnex-cli: --now: has no effect: it is the moment --next counts from; add --next, or leave out --now
--next --now 2026-02-30|varnex-cli: --now: '2026-02-30' is no time; an ISO 8601 time of the years 1 to 3000, in UTC or with its offset: 2026-03-01T00:00:00Z, 2026-03-01T09:30+05:30, 2026-03-01 (midnight UTC)
2026 --next 3|varnex-cli: YEAR: given with --next, which counts from now (or --now); either --next or years
--rule nowruz --zone Europe/Berlin|varnex-cli: --zone: has no effect with --rule: nowruz and naw-ruz are reckoned in Iran Standard Time (UTC+03:30); leave out --zone, or before:HH:MM
--rule before:24:00|varnex-cli: --rule: unknown rule 'before:24:00'; nowruz, nowruz-true-noon, naw-ruz, or before:HH:MM (00:01 to 23:59)
--events meteorological --round|varnex-cli: --round: has no effect: the events chosen are whole days; leave out --round
--events met-june --zone Europe/London|varnex-cli: --zone: has no effect: the events chosen are whole days, the same in every zone; leave out --zone
--events meteorological --format ics --all-day|varnex-cli: --all-day: has no effect: the events chosen are whole days already; leave out --all-day
TABLE

# TZ for --zone local: a zone's name, or the path of a zone file anywhere, made normal first; a
# pipe is never opened, and a run for a given year never reads the local zone.
cp /usr/share/zoneinfo/Europe/London "$work/london.tzif" && mkfifo "$work/tz-pipe"
while IFS=';' read -r tz expected; do
    got=$(TZ=$tz timeout 10 "$cli" 2015 --events june --zone local --format csv 2>/dev/null | sed -n 2p | cut -d, -f11)
    [ "$got" = "$expected" ] || fail "TZ=$tz: '$got', expected '$expected'"
done <<TABLE
Asia/Kolkata;+05:30
:/usr/share/zoneinfo/Europe/London;+01:00
/usr/share/zoneinfo//Europe/London;+01:00
/usr/share/zoneinfo/../zoneinfo/Europe/London;+01:00
$work/london.tzif;+01:00
/usr/share/zoneinfo|Asia/Kolkata;
$work/tz-pipe;
TABLE
TZ=$work/tz-pipe timeout 10 "$cli" 2015 --zone GMT >/dev/null || fail "a given year reads the local zone (TZ a pipe)"
# --names de with the turning points alone: refused in CSV, taken where a line says "(Tag unsicher)".
"$cli" 55 --events perihelion --seconds --names de | grep -q 'Tag unsicher' || fail "--names de with --seconds"
# A copy of a zone's file is named for the zone, not for a link with the same bytes (Europe/Belfast).
[ "$(TZ=$work/london.tzif "$cli" 2015 --events june --zone local --csv | sed -n 2p | cut -d, -f5)" = Europe/London ] ||
    fail "a copy of London's zone file named for another zone"

# Lost output: status 1 and a message; a broken pipe ends quietly (--output: output_file.sh).
"$cli" 2015 >/dev/full 2>"$work/err"; [ $? = 1 ] && grep -q 'No space left' "$work/err" || fail "> /dev/full"
"$cli" --from 1 --to 3000 2>"$work/err" | head -1 >/dev/null
[ "${PIPESTATUS[0]}" = 0 ] && [ ! -s "$work/err" ] || fail "a broken pipe: ${PIPESTATUS[0]} $(cat "$work/err")"

# --next counts from the clock, whatever stamps an iCalendar file.
start=$(SOURCE_DATE_EPOCH=0 "$cli" --next --format ics | sed -n 's/^DTSTART[^:]*:\([0-9]\{8\}\).*/\1/p')
[ "${start:-0}" -ge "$(date -u +%Y%m%d)" ] || fail "--next counted from SOURCE_DATE_EPOCH ($start)"

# The years on one thread or several: the same bytes in every format.
for format in text csv json ics; do
    "$cli" --from 1990 --to 2030 --format $format --jobs 1 | grep -v '^DTSTAMP' >"$work/one" &&
        "$cli" --from 1990 --to 2030 --format $format --jobs 3 | grep -v '^DTSTAMP' >"$work/three" &&
        cmp -s "$work/one" "$work/three" || fail "--jobs 1 and --jobs 3 differ in $format"
done
# The same for a rule's days (sunset) and for apparent solar time (the equation of time each
# thread remembers).
for args in "--rule naw-ruz --format ics" "--zone solar:9.99 --format csv"; do
    # shellcheck disable=SC2086  # the arguments are words
    "$cli" --from 1990 --to 2030 $args --jobs 1 | grep -v '^DTSTAMP' >"$work/one" &&
        "$cli" --from 1990 --to 2030 $args --jobs 3 | grep -v '^DTSTAMP' >"$work/three" &&
        cmp -s "$work/one" "$work/three" || fail "--jobs 1 and --jobs 3 differ with $args"
done

# The exports, read back.
"$cli" --from 1 --to 3000 --format csv >"$work/all.csv" || fail "csv of 1-3000"
"$python" - "$work/all.csv" <<'PY' || fail "Python's csv"
import csv, sys
rows = list(csv.DictReader(open(sys.argv[1], newline="")))
assert len(rows) == 36000, len(rows)
march = next(r for r in rows if r["year"] == "2015" and r["event"] == "march")
assert march["utc"].startswith("2015-03-20T22:45:") and march["local_time"] == "22:45", march
assert rows[0]["local_date"] == "0001-02-03" and all("\r" not in v for r in rows[:50] for v in r.values())
PY
[ "$(awk -F, '$12=="Friday" && $2=="march"' "$work/all.csv" | wc -l)" -gt 400 ] || fail "awk finds the Friday equinoxes"
! grep -q $'\r' "$work/all.csv" || fail "a CR in the CSV"
if command -v jq >/dev/null; then
    [ "$("$cli" --from 2000 --to 2009 --format json | jq 'length')" = 120 ] || fail "jq reads the JSON"
fi
# iCalendar: the UIDs stable across calendars, other ones for all-day events; the
# December solstice of 2011 on the local day of each zone; the same bytes for the same
# SOURCE_DATE_EPOCH, and a malformed one refused.
"$cli" --from 2026 --to 2035 --format ics >"$work/events.ics" || fail "ics"
"$python" "$source/tests/export/check_ics.py" "$work/events.ics" 120 >"$work/uids" || fail "Python's icalendar: $(cat "$work/uids")"
"$cli" --from 2026 --to 2035 --format ics --calendar julian >"$work/julian.ics"
"$python" "$source/tests/export/check_ics.py" "$work/julian.ics" 120 | cmp -s - "$work/uids" || fail "UIDs and instants differ by calendar"
"$cli" --from 2026 --to 2035 --format ics --all-day --remind 1w --remind 2h --remind 1d >"$work/days.ics"
"$python" "$source/tests/export/check_ics.py" "$work/days.ics" 120 3 >"$work/days" || fail "all-day: $(cat "$work/days")"
[ -z "$(cut -d' ' -f1 "$work/uids" "$work/days" | sort | uniq -d)" ] || fail "an all-day UID is a timed one's"
for zone_day in America/Chicago:20111221 America/New_York:20111222; do
    "$cli" 2011 --events december --format ics --all-day --zone "${zone_day%:*}" >"$work/day.ics"
    [ "$("$python" "$source/tests/export/check_ics.py" "$work/day.ics" 1)" = "2011-december-allday@varnex.ostrel.example ${zone_day#*:}" ] ||
        fail "the December solstice of 2011 all-day in ${zone_day%:*}"
done
SOURCE_DATE_EPOCH=0 "$cli" --from 2026 --to 2035 --format ics >"$work/a.ics" && sleep 1 &&
    SOURCE_DATE_EPOCH=0 "$cli" --from 2026 --to 2035 --format ics >"$work/b.ics" && cmp -s "$work/a.ics" "$work/b.ics" &&
    grep -q $'^DTSTAMP:19700101T000000Z\r$' "$work/a.ics" || fail "SOURCE_DATE_EPOCH=0: not the same bytes"
SOURCE_DATE_EPOCH=32535215999 "$cli" 2026 --events march --format ics | grep -q $'^DTSTAMP:30001231T235959Z\r$' ||
    fail "SOURCE_DATE_EPOCH at the last second of 3000"
for epoch in 12x -1 ' 1' 32535216000 253402300799; do
    SOURCE_DATE_EPOCH=$epoch run 2026 --format ics
    [ "$status" = 2 ] && [ ! -s "$work/out" ] && [[ $err == *SOURCE_DATE_EPOCH* ]] || fail "SOURCE_DATE_EPOCH='$epoch': $status"
done
SOURCE_DATE_EPOCH=x run 2026 && [ "$status" = 0 ] || fail "SOURCE_DATE_EPOCH read for the text lines"
start=$(date +%s%N)
"$cli" --from 1 --to 3000 --format ics --remind 1d --remind 1w >"$work/all.ics" || fail "ics of 1-3000"
echo "ics of 1-3000 with two reminders: $((($(date +%s%N) - start) / 1000000)) ms, $(stat -c %s "$work/all.ics") bytes"
"$python" "$source/tests/export/check_ics.py" "$work/all.ics" 36000 2 >/dev/null || fail "ics of 1-3000"

# Calendars with a reform: the gap of Rome; the dual dates of 1700 in Britain, one day apart
# in the CSV; the fixed date that Russia skipped.
[[ $("$cli" 1582 --calendar rome --events september,samhain --method fixed) == *"1582-09-13 JC "*"1582-11-01 CE"* ]] ||
    fail "1582 in Rome"
"$cli" 1700 --calendar britain --dual-dates --csv >"$work/dual.csv"
"$python" - "$work/dual.csv" <<'PY' || fail "dual dates"
import csv, sys, datetime
for r in csv.DictReader(open(sys.argv[1], newline="")):
    local, other = datetime.date.fromisoformat(r["local_date"]), datetime.date.fromisoformat(r["other_date"])
    assert r["calendar"] == "julian" and (other - local).days == 11 - (local < datetime.date(1700, 3, 1)), r
    assert r["other_weekday"] == r["weekday"] == other.strftime("%A"), r
PY
[ "$("$cli" 1918 --calendar russia --events imbolc --method fixed --dual-dates)" = \
  "Imbolc (fixed date) ........... 1918-02-14 CE (Julian 1918-02-01 JC, Thursday)" ] || fail "1 Feb 1918 in Russia"

# Named zones: every event at the wall-clock second of the C library's tz reading, utc plus
# utc_offset: 1970-2037, and local mean time (offsets with seconds: Monrovia -0:44:30 until 1972,
# London -0:01:15, Berlin +0:53:28 in 1850).
for range in Europe/London:1970:2037 America/New_York:1970:2037 Australia/Sydney:1970:2037 \
             Asia/Kathmandu:1970:2037 Africa/Monrovia:1900:1971 Europe/London:1000:1020 Europe/Berlin:1850:1850 \
             Asia/Kolkata:1:3000; do
    IFS=: read -r zone from to <<<"$range"
    "$cli" --from "$from" --to "$to" --format csv --zone "$zone" >"$work/zone.csv"
    "$python" - "$work/zone.csv" "$zone" <<'PY' || fail "the zone $zone"
import csv, os, sys, time, calendar
os.environ["TZ"] = sys.argv[2]; time.tzset()
for r in csv.DictReader(open(sys.argv[1], newline="")):
    t = calendar.timegm(time.strptime(r["utc"], "%Y-%m-%dT%H:%M:%SZ"))
    local = time.localtime(t)
    want = "%04d-%02d-%02d %02d:%02d:%02d" % local[:6]  # strftime writes the year 1 as "1"
    h, m, *s = (int(part) for part in r["utc_offset"][1:].split(":"))
    got_off = (1 if r["utc_offset"][0] == "+" else -1) * (h * 3600 + m * 60 + sum(s))
    got = r["local_date"] + " " + r["local_time_seconds"]
    assert (got, got_off) == (want, local.tm_gmtoff) and got[:16] == r["local_date"] + " " + r["local_time"], (r, want)
PY
done
run 2026 --zone Europe/London --events beltane,samhain --method true
grep -q '2026-05-05 CE 12:48 GMT+01:00' "$work/out" && grep -q '2026-11-07 CE 09:52 GMT$' "$work/out" || fail "BST, then GMT"

# The turning points: a term by any of its names, after the events in the order of the instants;
# a longitude that is a term's is the term's instant.
a=$("$cli" 2026 --events qingming) b=$("$cli" 2026 --events ' Pure brightness') c=$("$cli" 2026 --events TERM-015)
[ "$a" = "$b" ] && [ "$b" = "$c" ] && [[ $a == "Qingming (Pure Brightness) .... 2026-04-0"?" CE "* ]] ||
    fail "a term by its names: $a / $b / $c"
# Every form the program prints is taken back.
for form in term-15 term-015 清明 qīngmíng QĪNGMÍNG Qingming "Qingming (Pure Brightness)" \
            "Pure Brightness (Qīngmíng, 清明)"; do
    [ "$("$cli" 2026 --events "$form")" = "$a" ] || fail "the form '$form' of Qingming"
done
for form in longitude-123.456 "Solar longitude 123.456°"; do
    [ "$("$cli" 2026 --events "$form")" = "$("$cli" 2026 --longitude 123.456)" ] || fail "the form '$form'"
done
# The southern lines' names are taken back too, naming the same month in either hemisphere.
for hemisphere in north south; do
    [ "$("$cli" 2026 --events "Autumn (March) equinox" --hemisphere $hemisphere)" = \
      "$("$cli" 2026 --events march --hemisphere $hemisphere)" ] || fail "'Autumn (March) equinox', $hemisphere"
done
# --help fits a terminal of 80 columns (a Chinese character takes two) and 80 bytes a line, without
# the parser's markers.
"$cli" --help | "$python" -c '
import sys, unicodedata
for line in sys.stdin:
    columns = sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in line.rstrip("\n"))
    assert columns <= 80 and len(line.rstrip("\n").encode()) <= 80, line
    assert not any(marker in line for marker in ("Excludes:", "Needs:", "REQUIRED", "[1 - 256]")), line
' || fail "--help wider than 80 columns, or with the parser's markers"
# --zone local is written as the zone it stands for; a timed iCalendar file names no zone in its
# sentences, an all-day one says which other day is possible.
[ "$(TZ=Europe/Berlin "$cli" 2026 --zone local --events march --csv | cut -d, -f5 | tail -1)" = Europe/Berlin ] ||
    fail "--zone local in the zone column"
"$cli" 2822 --events imbolc --method true --format ics | grep -q midnight && fail "a timed file's day sentence"
"$cli" 2822 --events imbolc --method true --format ics --all-day | tr -d '\r\n ' | grep -q 'thedayafter' ||
    fail "the all-day file's day sentence"
[ "$("$cli" 2026 --longitude 15 --format csv | cut -d, -f6 | tail -1)" = \
  "$("$cli" 2026 --events qingming --format csv | cut -d, -f6 | tail -1)" ] || fail "--longitude 15 is Qingming's instant"
"$cli" 2026 --events december,solar-terms,apsides,march --weekday >"$work/points.txt"
[ "$(wc -l <"$work/points.txt")" = 28 ] && head -2 "$work/points.txt" | grep -q '^Spring' &&
    sed -n 3p "$work/points.txt" | grep -q '^Perihelion' || fail "events, then the turning points: $(head -4 "$work/points.txt")"
tail -n +3 "$work/points.txt" | grep -o '[0-9]\{4\}-[0-9-]* CE [0-9:]*' | sort -c ||
    fail "the turning points in the order of their instants"
# The turning points of a year are those dated in it, in either calendar, every year 1-3000:
# none, one or two of each (the naval observatory lists two perihelia in 1800 and none in 1802),
# every cycle once (its UID), the apsides of the wheel those of the lines.
for calendar in gregorian julian; do
    "$cli" --from 1 --to 3000 --events apsides,solar-terms --longitude 123.456 --zone Pacific/Kiritimati \
        --calendar "$calendar" --format csv >"$work/points.csv"
    awk -F, 'NR > 1 && substr($9, 1, 4) + 0 != $1 { bad++ } END { exit bad > 0 }' "$work/points.csv" ||
        fail "a turning point dated outside its year ($calendar)"
    [ "$(awk -F, 'NR > 1 { n[$1 " " $2]++ } END { for (k in n) c[n[k]]++; print (c[1] > 0), (c[2] > 0), c[3] + 0 }' \
        "$work/points.csv")" = "1 1 0" ] || fail "none, one or two of each a year ($calendar)"
done
[ "$("$cli" 1800 --events perihelion --format csv | cut -d, -f9 | tail -n +2 | tr '\n' ' ')" = "1800-01-01 1800-12-31 " ] &&
    [ -z "$("$cli" 1802 --events perihelion)" ] || fail "the perihelia of 1800 and 1802"
"$cli" --from 1799 --to 1802 --events apsides --format ics | grep -o '^UID:[^@]*' | sort | uniq -d | grep . &&
    fail "a UID twice"
for year in 1 1600 1800 1802 2026; do
    [ "$("$cli" "$year" --events apsides --format csv | tail -n +2 | cut -d, -f9,10 | tr , ' ' | sort)" = \
      "$("$cli" "$year" --format svg | grep -A1 '>\(Perihelion\|Aphelion\)<' | grep -o '[0-9]\{4\}-[0-9-]* [0-9:]*' | sort)" ] ||
        fail "the wheel's apsides of $year are not the lines'"
done

# The equinoxes by the true sun: the method true, the instant within two minutes of Meeus's.
IFS=, read -r _ _ meeus_method _ _ meeus_utc _ < <("$cli" 2026 --events march --csv | tail -n 1)
IFS=, read -r _ _ true_method _ _ true_utc _ < <("$cli" 2026 --events march --csv --equinox-method TRUE | tail -n 1)
gap=$(($(date -ud "$true_utc" +%s) - $(date -ud "$meeus_utc" +%s)))
[ -z "$meeus_method" ] && [ "$true_method" = true ] && [ "$gap" != 0 ] && ((gap * gap <= 120 * 120)) ||
    fail "--equinox-method true: '$meeus_method' $meeus_utc, '$true_method' $true_utc"

# The wheel: well-formed, small, drawn by librsvg; every event once with its line's date and
# time; the marks at the angles of the lines' local times; the southern names swapped; the
# legend says what the figures inside the ring are.
"$cli" 2015 --weekday >"$work/lines.txt"
"$cli" 2015 --format svg --output "$work/wheel.svg" && "$cli" 2015 --format svg --hemisphere south >"$work/south.svg" ||
    fail "--format svg"
[ "$(stat -c %s "$work/wheel.svg")" -lt 30000 ] || fail "the wheel is not under 30 KB"
if command -v rsvg-convert >/dev/null; then rsvg-convert "$work/wheel.svg" -o "$work/wheel.png" || fail "rsvg-convert"; fi
"$cli" 2015 --events apsides >"$work/apsides.txt"
"$python" - "$work/lines.txt" "$work/wheel.svg" "$work/south.svg" "$work/apsides.txt" <<'PY' || fail "the wheel's content"
import math, re, sys, datetime
import xml.etree.ElementTree as ET
ns = {"s": "http://www.w3.org/2000/svg"}
lines = open(sys.argv[1]).read().splitlines()
def texts(path):
    return ["".join(t.itertext()) for t in ET.parse(path).getroot().iter("{http://www.w3.org/2000/svg}text")]
north, south = texts(sys.argv[2]), texts(sys.argv[3])
stamps = [re.search(r"\d+-\d\d-\d\d CE \d\d:\d\d GMT", l).group(0) for l in lines]
for stamp in stamps:
    assert sum(stamp in t for t in north) == 1, (stamp, north)
def turn_of(stamp):
    d = datetime.datetime.strptime(stamp[:10] + stamp[13:19], "%Y-%m-%d %H:%M")
    return ((d - datetime.datetime(d.year, 1, 1)).total_seconds() / 86400) / 365
root = ET.parse(sys.argv[2]).getroot()
centre_x, centre_y = 580, 450
for key, name in (("march", "Spring (March) equinox"), ("december", "Winter (December) solstice")):
    mark = root.find(".//s:*[@id='mark-%s']" % key, ns)
    angle = math.degrees(math.atan2(float(mark.get("cx")) - centre_x, centre_y - float(mark.get("cy")))) % 360
    want = 360 * turn_of(next(s for l, s in zip(lines, stamps) if l.startswith(name)))
    assert abs(angle - want) < 0.05, (key, angle, want)
imbolc_true = next(s for l, s in zip(lines, stamps) if l.startswith("Imbolc (true sun)"))
assert imbolc_true in south[south.index("Lughnassad") + 1] and "Autumn equinox" in south, south
assert any("astronomical seasons in days and hours, from each equinox or solstice to the next" in t for t in north), "legend"
for line in open(sys.argv[4]).read().splitlines():  # the apsides of the year, named inside the ring
    name, stamp = line.split()[0], re.search(r"(\d+-\d\d-\d\d) CE (\d\d:\d\d)", line)
    at = north.index(name)
    assert north[at + 1] == stamp.group(1) + " " + stamp.group(2), (line, north[at:at + 2])
    assert root.find(".//s:*[@id='mark-%s']" % name.lower(), ns) is not None, name
PY
[ "$failures" = 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
