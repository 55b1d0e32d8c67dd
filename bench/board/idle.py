"""Holds COUNT idle connections to the board open for SECONDS seconds, as slow clients do.
Usage: idle.py PORT COUNT SECONDS"""
import resource
import socket
import sys
import time

port, count, seconds = int(sys.argv[1]), int(sys.argv[2]), float(sys.argv[3])
soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
resource.setrlimit(resource.RLIMIT_NOFILE, (min(hard, max(soft, count + 64)), hard))
held = [socket.create_connection(("127.0.0.1", port)) for _ in range(count)]
print(f"{len(held)} idle connections open", flush=True)
time.sleep(seconds)
for s in held:
    s.close()
