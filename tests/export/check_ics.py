#!/usr/bin/python3
"""Checks an iCalendar file written by varnex-cli with an independent reader (python3-icalendar).

Usage: check_ics.py FILE EXPECTED_COUNT [ALARMS]

Checks that the file parses and holds EXPECTED_COUNT VEVENTs, each with a UID (all distinct),
a SUMMARY, a DTSTAMP and a SEQUENCE, and either a DTSTART in UTC lasting one second (an
instant) or a DTSTART date with DTEND the next day (a whole day); with ALARMS, that each event
has that many display alarms, each before the start, naming the event. Prints one line per
event, "UID DTSTART" (as written), and exits 0; otherwise prints one line saying what is
wrong and exits 1 (2 for wrong arguments).
"""
import sys
from datetime import date, datetime, timedelta

from icalendar import Calendar


def fail(reason):
    print(f"check_ics: {reason}")
    sys.exit(1)


def check_times(event):
    """The reason the event's start and end are neither an instant nor a whole day, or None."""
    start = event.decoded("DTSTART")
    if isinstance(start, datetime):
        # A floating time or a time in another zone is not the UTC instant we write.
        if start.tzinfo is None or start.utcoffset() != timedelta(0):
            return f"DTSTART {start!r} is not a date-time in UTC"
        if "DTEND" in event or event.decoded("DURATION", None) != timedelta(seconds=1):
            return "an instant without DURATION:PT1S"
    elif not isinstance(start, date) or event.decoded("DTEND", None) != start + timedelta(days=1):
        return f"DTSTART {start!r} is no whole day ending the next day"
    return None


def check_alarms(event, alarms):
    """The reason the event's alarms are wrong, or None."""
    found = event.walk("VALARM")
    if len(found) != alarms:
        return f"{len(found)} alarms, expected {alarms}"
    for alarm in found:
        trigger = alarm.decoded("TRIGGER")
        if str(alarm["ACTION"]) != "DISPLAY" or str(alarm["DESCRIPTION"]) != str(event["SUMMARY"]) or \
                not trigger < timedelta(0):
            return f"alarm {alarm.to_ical()[:120]!r}"
    return None


def check_event(number, event, uids, alarms):
    """The reason event `number` (from 1) is wrong, or None; records its UID in `uids`."""
    if event.errors:
        return f"VEVENT {number}: unreadable {event.errors[0]}"
    for name in ("UID", "DTSTART", "SUMMARY", "DTSTAMP", "SEQUENCE"):
        if name not in event:
            return f"VEVENT {number} has no {name}"
    uid = str(event["UID"])
    if uid in uids:
        return f"VEVENT {number}: UID {uid} repeated"
    uids.add(uid)
    reason = check_times(event) or (check_alarms(event, alarms) if alarms is not None else None)
    return f"VEVENT {number} ({uid}): {reason}" if reason else None


def main(argv):
    if len(argv) not in (3, 4) or not all(a.isdigit() for a in argv[2:]):
        print("usage: check_ics.py FILE EXPECTED_COUNT [ALARMS]")
        sys.exit(2)
    path, expected = argv[1], int(argv[2])
    alarms = int(argv[3]) if len(argv) == 4 else None
    try:
        with open(path, "rb") as file:
            calendar = Calendar.from_ical(file.read())
    except (OSError, ValueError) as error:
        fail(f"{path}: {str(error)[:200]}")  # the parser's message can quote the whole file
    events = calendar.walk("VEVENT")
    if len(events) != expected:
        fail(f"{len(events)} VEVENTs, expected {expected}")
    if "X-WR-CALNAME" not in calendar or "REFRESH-INTERVAL" not in calendar:
        fail("no X-WR-CALNAME or REFRESH-INTERVAL")
    uids = set()
    for number, event in enumerate(events, start=1):
        reason = check_event(number, event, uids, alarms)
        if reason:
            fail(reason)
        print(event["UID"], event["DTSTART"].to_ical().decode())


if __name__ == "__main__":
    main(sys.argv)
