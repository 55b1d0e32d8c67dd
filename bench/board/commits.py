"""SQLite's own rate of durable single-row commits on a file (WAL, synchronous = FULL), the
ceiling a board that commits once per post would have. Usage: commits.py FILE SECONDS"""
import sqlite3
import sys
import time

path, seconds = sys.argv[1], float(sys.argv[2])
db = sqlite3.connect(path, isolation_level=None)
db.execute("PRAGMA journal_mode = WAL")
db.execute("PRAGMA synchronous = FULL")
db.execute("CREATE TABLE IF NOT EXISTS t (id INTEGER PRIMARY KEY, code TEXT NOT NULL)")
count, start = 0, time.monotonic()
while time.monotonic() - start < seconds:
    db.execute("BEGIN IMMEDIATE")
    db.execute("INSERT INTO t (code) VALUES (?)", ("x" * 224,))
    db.execute("COMMIT")
    count += 1
print(f"SQLite single-row durable commits: {count / (time.monotonic() - start):.0f}/s")
