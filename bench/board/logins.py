"""Logs in RATE times a second for SECONDS seconds (each log-in hashes a password on the board).
Usage: logins.py PORT NAME PASSWORD RATE SECONDS"""
import re
import sys
import threading
import time
import urllib.parse
import urllib.request

port, name, password, rate, seconds = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4]), float(sys.argv[5])
base = f"http://127.0.0.1:{port}/quillmere/"
done = []


def login():
    with urllib.request.urlopen(base) as response:
        cookie = response.headers["Set-Cookie"].split(";")[0]
        csrf = re.search(r'name="csrf" value="([0-9a-f]+)"', response.read().decode()).group(1)
    form = urllib.parse.urlencode({"name": name, "password": password, "csrf": csrf}).encode()
    request = urllib.request.Request(base + "login", data=form, headers={"Cookie": cookie})
    started = time.monotonic()
    with urllib.request.urlopen(request) as response:
        assert b"Welcome back" in response.read()
    done.append(time.monotonic() - started)


start = time.monotonic()
threads = []
for i in range(int(rate * seconds)):
    time.sleep(max(0.0, start + i / rate - time.monotonic()))
    thread = threading.Thread(target=login)
    thread.start()
    threads.append(thread)
for thread in threads:
    thread.join()
done.sort()
print(f"log-ins: {len(done)} in {seconds:.0f} s, median {done[len(done) // 2] * 1000:.0f} ms, "
      f"slowest {done[-1] * 1000:.0f} ms")
