#!/usr/bin/python3
"""Checks an iCalendar file written by varnex-cli with an independent reader (python3-icalendar).

Usage: check_ics.py FILE EXPECTED_COUNT

Exits 0 silently when the file parses, holds EXPECTED_COUNT VEVENTs, each with a UID (all
distinct), a DTSTART that is a date-time in UTC, a SUMMARY and a DTSTAMP; otherwise prints
one line saying what is wrong and exits 1 (2 for wrong arguments).
"""
import sys
from datetime import datetime, timedelta

from icalendar import Calendar


def fail(reason):
    print(f"check_ics: {reason}")
    sys.exit(1)


def check_event(number, event, uids):
    """The reason event `number` (from 1) is wrong, or None; records its UID in `uids`."""
    if event.errors:
        return f"VEVENT {number}: unreadable {event.errors[0]}"
    for name in ("UID", "DTSTART", "SUMMARY", "DTSTAMP"):
        if name not in event:
            return f"VEVENT {number} has no {name}"
    uid = str(event["UID"])
    if uid in uids:
        return f"VEVENT {number}: UID {uid} repeated"
    uids.add(uid)
    start = event.decoded("DTSTART")
    # A date alone, a floating time or a time in another zone is not the UTC instant we write.
    if not isinstance(start, datetime) or start.tzinfo is None or start.utcoffset() != timedelta(0):
        return f"VEVENT {number} ({uid}): DTSTART {start!r} is not a date-time in UTC"
    return None


def main(argv):
    if len(argv) != 3 or not argv[2].isdigit():
        print("usage: check_ics.py FILE EXPECTED_COUNT")
        sys.exit(2)
    path, expected = argv[1], int(argv[2])
    try:
        with open(path, "rb") as file:
            calendar = Calendar.from_ical(file.read())
    except (OSError, ValueError) as error:
        fail(f"{path}: {str(error)[:200]}")  # the parser's message can quote the whole file
    events = calendar.walk("VEVENT")
    if len(events) != expected:
        fail(f"{len(events)} VEVENTs, expected {expected}")
    uids = set()
    for number, event in enumerate(events, start=1):
        reason = check_event(number, event, uids)
        if reason:
            fail(reason)


if __name__ == "__main__":
    main(sys.argv)
