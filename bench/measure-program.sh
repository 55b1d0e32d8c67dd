#!/usr/bin/env bash
# Measures the program against a bare Qt window of the start screen's size, on an X display
# of its own: the time from process start to the first window on the screen (the median of
# several runs), and the peak memory: the bare window's once it is shown, the game's over a
# whole game played with xdotool from the start screen to "Retire" on the end screen.
#
# Then, when the build has it, the engine benchmark's whole game of ninety trips on one core.
#
# Usage: bench/measure-program.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR  a Release build with the targets quillmere and bare_window, and engine_bench
#              if Google Benchmark is installed (default build-release)
#   RUNS       start-up runs of each program (default 21)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-21}
game=$build/quillmere/quillmere
bare=$build/bench/bare_window

missing=()
for tool in Xvfb xdotool cc; do command -v "$tool" >/dev/null || missing+=("$tool"); done
echo '#include <X11/Xlib.h>' | cc -E - >/dev/null 2>&1 || missing+=("X11/Xlib.h")
if ((${#missing[@]})); then
  echo "missing: ${missing[*]}; install them with: apt-get install xvfb xdotool gcc libx11-dev" >&2
  exit 2
fi
for program in "$game" "$bare"; do
  if [[ ! -x $program ]]; then
    echo "no $program; build it with:" >&2
    echo "  cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release" >&2
    echo "  cmake --build $build --target quillmere bare_window" >&2
    exit 2
  fi
done

work=$(mktemp -d)
xvfb=
cleanup() {
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
cc -O2 -o "$work/first-map" bench/first_map.c -lX11

# A display of our own: Xvfb picks a free number and tells it.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR=$work
unset SESSION_MANAGER

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
field() { awk -v key="$1" '$1 == key {print $2}'; }

echo "== start: process start to the first window mapped, median of $runs runs each"
: >"$work/bare.ms"
: >"$work/game.ms"
# A first run of each, not counted, brings their files into the page cache.
"$work/first-map" -e 0 "$bare" >/dev/null 2>&1
"$work/first-map" -e 0 "$game" >/dev/null 2>&1
for _ in $(seq "$runs"); do
  # Taken in turns, so that whatever else the machine does weighs on both alike.
  "$work/first-map" -e 0 "$bare" 2>/dev/null | field mapped_ms >>"$work/bare.ms"
  "$work/first-map" -e 0 "$game" 2>/dev/null | field mapped_ms >>"$work/game.ms"
done
bare_ms=$(median <"$work/bare.ms")
game_ms=$(median <"$work/game.ms")
echo "   bare window: $(sort -n "$work/bare.ms" | tr '\n' ' ')"
echo "   game:        $(sort -n "$work/game.ms" | tr '\n' ' ')"

echo "== memory: the bare window one second after it is shown"
bare_kb=$("$work/first-map" -e 1 "$bare" 2>/dev/null | field maxrss_kb)

# The game's windows, found by their captions.
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Plays one game: a name, Enter, then trips round the eight places until the end screen,
# running from every pursuit and then seeing a doctor, answering every box with Return.
# Succeeds once "Retire" is pressed; says why it stopped otherwise.
play() {
  xdotool search --sync --onlyvisible --name '^quillmere$' >/dev/null
  xdotool type --delay 2 Ray
  xdotool key Return
  local trip=0 step caught=0 hurt=0 w i
  for step in $(seq 4000); do
    if w=$(window 'Your time has come\.') && [[ -n $w ]]; then
      click "$w" 192 212  # Retire
      return 0
    elif w=$(window 'Choose Your Destiny') && [[ -n $w ]]; then
      # Run, then Close. A screen that stays up through several tries has only Close Game
      # left: the player is dead and the game ends.
      if ((++caught > 6)); then
        click "$w" 164 105
        echo "   died in a pursuit on trip $trip"
        return 1
      fi
      click "$w" 324 105
      click "$w" 84 105
      hurt=1
      sleep 0.05
      continue
    elif w=$(xdotool search --onlyvisible --name '^(Information|Error|Confirm|Warning)$' |
      head -1) && [[ -n $w ]]; then
      xdotool key Return
    elif w=$(xdotool search --onlyvisible --name '^quillmere$' 2>/dev/null | tail -1) &&
      [[ -n $w ]]; then
      if ((step == 2)); then  # one visit to each dealer on the first day, leaving with Escape
        click "$w" 451 343 && sleep 0.2 && xdotool key Escape
        click "$w" 451 189 && sleep 0.2 && xdotool key Escape
      fi
      if ((hurt)); then  # "Visit a Hospital" after a pursuit, in case of a wound
        click "$w" 501 320
        hurt=0
      else
        # The eight places in turn, by their buttons' centres under the 18-pixel menu bar;
        # the city is refused once the car has lost all its value, the rest is always open.
        i=$((trip++ % 8))
        click "$w" $((61 + 100 * (i % 4))) $((371 + 28 * (i / 4)))
      fi
    else
      echo "   the program ended on trip $trip"
      return 1
    fi
    caught=0
    sleep 0.02
  done
  echo "   still playing after $step steps"
  return 1
}

echo "== memory: the game over a whole game played to the end screen"
game_kb=
for attempt in 1 2 3 4 5; do
  "$work/first-map" "$game" >"$work/played" 2>/dev/null &
  helper=$!
  if play; then
    wait "$helper"
    game_kb=$(field maxrss_kb <"$work/played")
    break
  fi
  wait "$helper" || true
done
[[ -n $game_kb ]] || { echo "no game reached the end screen" >&2; exit 1; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
verdict() { awk -v r="$1" -v t="$2" 'BEGIN {print (r <= t ? "met" : "missed") " (target " t ")"}'; }
start_ratio=$(ratio "$game_ms" "$bare_ms")
memory_ratio=$(ratio "$game_kb" "$bare_kb")
echo
printf '%-30s %12s %12s %7s  %s\n' "" "bare window" "game" "ratio" ""
printf '%-30s %12s %12s %7s  %s\n' "start to first window (ms)" "$bare_ms" "$game_ms" \
  "$start_ratio" "$(verdict "$start_ratio" 1.25)"
printf '%-30s %12s %12s %7s  %s\n' "peak memory (max RSS, kB)" "$bare_kb" "$game_kb" \
  "$memory_ratio" "$(verdict "$memory_ratio" 1.5)"

engine=$build/bench/engine_bench
if [[ -x $engine ]]; then
  echo
  echo "== engine: a whole game of ninety trips, on one core (target under 100 microseconds)"
  pin=()
  command -v taskset >/dev/null && pin=(taskset -c 0)
  "${pin[@]}" "$engine" --benchmark_filter=BM_WholeGame --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>/dev/null | grep -E 'Benchmark|WholeGame_(median|cv)'
fi
