#!/usr/bin/env bash
# The bid board under load, beside nginx (one worker) serving a static file of the same size,
# all on 127.0.0.1: the standings page of a board with 10,000 bidders, the same while 8 log-ins
# a second are hashed and 1,000 idle connections are held open, posting bids on SQLite (beside
# SQLite's own rate of durable single-row commits on the same disk) and on PostgreSQL, and the
# board's memory. The board runs as behind a proxy (no cap of connections per address) and
# without a cap on bids per address, since every client here is 127.0.0.1.
# Every run is bounded in time and stops by itself. Not a test: the figures go to
# docs/performance.md. Usage: bench/board-bench.sh [build folder] (default build; a Release or
# RelWithDebInfo build of quillmere-board).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
board=$build/board/quillmere-board
seconds=${QUILLMERE_BENCH_SECONDS:-10}
port=${QUILLMERE_BENCH_PORT:-18050} nginx_port=$((port + 1)) pg_port=${QUILLMERE_BENCH_POSTGRES_PORT:-54331}
[ -x "$board" ] || { echo "build $board first (cmake --build $build --target quillmere-board)"; exit 2; }

missing=()
for p in wrk nginx-light python3; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

work=$(mktemp -d)
chmod 755 "$work"  # nginx's worker and PostgreSQL run as other users
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  if [ -f "$work/pg/PG_VERSION" ]; then as_postgres "$pg_bin/pg_ctl" -D "$work/pg" -m fast stop >/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
pg_bin=/usr/lib/postgresql/15/bin
as_postgres() { if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }

start_board() {
  "$board" serve --listen 127.0.0.1:$port --database "$1" --site site \
    --connections-per-address 0 --bids-per-minute 0 >"$work/board.log" 2>&1 &
  board_pid=$!
  pids+=("$board_pid")
  for _ in $(seq 100); do curl -sf -o /dev/null "http://127.0.0.1:$port/quillmere/" && return; sleep 0.1; done
  cat "$work/board.log"; exit 1
}
stop_board() { kill "$board_pid"; wait "$board_pid" 2>/dev/null || true; }
load() { echo "-- $1"; shift; wrk -t2 -c64 -d"${seconds}s" --latency "$@" | grep -E "Requests/sec|Latency|  (50|90|99)%|Non-2xx|Socket errors|answered|Transfer/sec"; }

echo "== a board with 10,000 bidders (SQLite)"
start_board "$work/board.sqlite"
python3 bench/board/sessions.py $port 1 Seed >/dev/null
stop_board
python3 bench/board/seed.py "$work/board.sqlite" 10000
start_board "$work/board.sqlite"
curl -s "http://127.0.0.1:$port/quillmere/" >"$work/standings.html"
echo "standings page: $(stat -c %s "$work/standings.html") bytes"

mkdir -p "$work/nginx/quillmere" "$work/nginx/logs"
cp "$work/standings.html" "$work/nginx/quillmere/index.html"
cat >"$work/nginx/nginx.conf" <<CONF
worker_processes 1;
pid $work/nginx/nginx.pid;
error_log $work/nginx/logs/error.log;
events { worker_connections 1024; }
http {
  access_log off;
  keepalive_requests 1000000;
  server {
    listen 127.0.0.1:$nginx_port;
    root $work/nginx;
    location / { default_type text/html; }
  }
}
CONF
nginx -p "$work/nginx" -c "$work/nginx/nginx.conf" -g "daemon off;" &
pids+=($!)
sleep 0.5
load "nginx, one worker, the same bytes as a static file" "http://127.0.0.1:$nginx_port/quillmere/index.html"
load "the board's standings page" "http://127.0.0.1:$port/quillmere/"
grep -E "VmRSS|VmHWM" /proc/$board_pid/status

echo "-- the standings while 8 log-ins a second are hashed and 1,000 idle connections are open"
python3 bench/board/idle.py $port 1000 "$((seconds + 2))" &
idle=$!
python3 bench/board/logins.py $port "Seed 0" "benchmark password" 8 "$seconds" &
logins=$!
load "the board's standings page, with log-ins" "http://127.0.0.1:$port/quillmere/"
wait $logins
wait $idle
grep -E "VmRSS|VmHWM" /proc/$board_pid/status

echo "== SQLite on the same disk: one durable commit per row"
python3 bench/board/commits.py "$work/commits.sqlite" "$seconds"

echo "== posting bids, logged in (SQLite, every answered post committed with synchronous = FULL)"
python3 bench/board/sessions.py $port 2 Poster >"$work/sessions.lua"
before=$(python3 -c "import sqlite3,sys; print(sqlite3.connect(sys.argv[1]).execute('SELECT COUNT(*) FROM bids').fetchone()[0])" "$work/board.sqlite")
QUILLMERE_SESSIONS="$work/sessions.lua" load "posts" -s bench/board/post.lua "http://127.0.0.1:$port/"
after=$(python3 -c "import sqlite3,sys; print(sqlite3.connect(sys.argv[1]).execute('SELECT COUNT(*) FROM bids').fetchone()[0])" "$work/board.sqlite")
echo "bids stored: $((after - before))"
stop_board

echo "== posting bids, logged in (PostgreSQL 15 on 127.0.0.1, default durability)"
mkdir -p "$work/pg"
[ "$(id -u)" -ne 0 ] || chown postgres "$work/pg"

as_postgres "$pg_bin/initdb" -D "$work/pg" -U postgres -A trust >/dev/null
as_postgres "$pg_bin/pg_ctl" -D "$work/pg" -l "$work/pg/log" -w start \
  -o "-c listen_addresses=127.0.0.1 -p $pg_port -c unix_socket_directories=$work/pg" >/dev/null
start_board "postgresql://postgres@127.0.0.1:$pg_port/postgres"
python3 bench/board/sessions.py $port 2 Poster >"$work/sessions.lua"
QUILLMERE_SESSIONS="$work/sessions.lua" load "posts" -s bench/board/post.lua "http://127.0.0.1:$port/"
stop_board
