#!/usr/bin/python3
"""Checks what the board gave other programs: each JSON file against its definition in the
schema in docs/, and the Atom feed with feedparser, which reads feeds as feed readers do.

Usage: check_data.py SCHEMA FEED EXPECTED_ENTRIES DEFINITION=FILE...
Prints what is wrong and exits 1, or exits 0."""
import json
import sys

import feedparser
import jsonschema

schema_path, feed_path, entries, *checks = sys.argv[1:]
with open(schema_path, encoding="utf-8") as f:
    schema = json.load(f)
wrong = []
for check in checks:
    definition, path = check.split("=", 1)
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    validator = jsonschema.Draft202012Validator({**schema, "$ref": f"#/$defs/{definition}"})
    wrong += [f"{definition}: {error.message}" for error in validator.iter_errors(data)]
feed = feedparser.parse(feed_path)
if feed.bozo:
    wrong.append(f"feed: {feed.bozo_exception}")
if feed.version != "atom10":
    wrong.append(f"feed: read as {feed.version!r}, not Atom 1.0")
if len(feed.entries) != int(entries):
    wrong.append(f"feed: {len(feed.entries)} entries, not {entries}")
for entry in feed.entries:
    if not (entry.get("title") and entry.get("link") and entry.get("updated")):
        wrong.append(f"feed: an entry without title, link or time: {entry}")
print("\n".join(wrong))
sys.exit(1 if wrong else 0)
