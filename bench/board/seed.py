"""Seeds a bid board's SQLite file with bidders who each posted one bid, all with the password
hash of one real account (hashing 10,000 passwords would take minutes), and writes wrk's
sessions file for the posting benchmark.
Usage: seed.py BOARD.sqlite BIDDERS"""
import random
import sqlite3
import sys

from bidcode import code

db = sqlite3.connect(sys.argv[1])
bidders = int(sys.argv[2])
hash_, = db.execute("SELECT password_hash FROM accounts ORDER BY id LIMIT 1").fetchone()
round_, = db.execute("SELECT id FROM rounds WHERE closed_at IS NULL").fetchone()
rng = random.Random(1)
with db:
    for i in range(bidders):
        name = f"Bidder {i:05d}"
        account = db.execute(
            "INSERT INTO accounts (name, name_key, password_hash, created_at) VALUES (?, ?, ?, 0)",
            (name, name.lower(), hash_)).lastrowid
        score = rng.randrange(-50000, 5000000)
        bid = db.execute(
            "INSERT INTO bids (round_id, account_id, code, score, posted_at) VALUES (?, ?, ?, ?, 0)",
            (round_, account, code(score, rng), score)).lastrowid
        db.execute("INSERT INTO best (round_id, account_id, score, bid_id) VALUES (?, ?, ?, ?)",
                   (round_, account, score, bid))
