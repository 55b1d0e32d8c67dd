# Plays the real game on an X display of its own with xdotool. Sourced by tools/tutorial-shots
# and tests/browser/game-to-board, which set:
#   game   the quillmere program          work   a temporary folder of their own
# and may set `scale` (the size the game is played at, QT_SCALE_FACTOR), `language` and the
# window captions below for a game in another language, and `on_screen NAME WINDOW`, called at
# the screens worth a picture (start, message, pursuit, cars).
# shellcheck shell=bash disable=SC2034,SC2154

scale=${scale:-1}
language=${language:-}
boxes=${boxes:-'Information|Error|Confirm|Warning'}
chase_title=${chase_title:-'Choose Your Destiny'}
cars_title=${cars_title:-'Car Dealer'}
guns_title=${guns_title:-'Gun Dealer'}
end_title=${end_title:-'Your time has come\.'}
declare -F on_screen >/dev/null || on_screen() { :; }

# A display of our own: Xvfb picks a free number and tells it (or XVFB_DISPLAY's number).
start_display() {
  if [[ -n ${XVFB_DISPLAY:-} ]]; then
    echo "$XVFB_DISPLAY" >"$work/display"
    Xvfb ":$XVFB_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset 2>/dev/null &
    sleep 0.5
  else
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
  fi
  xvfb=$!
  for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
  [[ -s $work/display ]] || { echo "Xvfb did not start" >&2; return 1; }
  DISPLAY=":$(head -n1 "$work/display")"
  export DISPLAY
}

# The game sees nothing of this machine's settings, data or running board: its own home, XDG
# folders and no website, so it starts a board of its own and keeps that board's data here.
hermetic_game() {
  local home=$work/home
  mkdir -p "$home"/{config,config-dirs,data,cache}
  mkdir -m 700 "$home/run"
  export HOME=$home XDG_CONFIG_HOME=$home/config XDG_CONFIG_DIRS=$home/config-dirs
  export XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/run
  unset QUILLMERE_WEBSITE QUILLMERE_BOARD_DATABASE QUILLMERE_BOARD_LISTEN
  unset QUILLMERE_BOARD_PUBLIC_URL SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
}

# The game's windows, found by their captions.
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1; }
# What is on the display, for a failure's message.
showing() {
  local w names=()
  for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    names+=("'$(xdotool getwindowname "$w" 2>/dev/null)'")
  done
  echo "windows up: ${names[*]:-none}; the game is $([[ -n ${player:-} ]] && kill -0 "$player" 2>/dev/null && echo running || echo gone)"
}
waitfor() {
  local w
  for _ in $(seq 200); do
    w=$(window "$1") && [[ -n $w ]] && { echo "$w"; return 0; }
    sleep 0.05
  done
  echo "no window '$1' came up; $(showing)" >&2
  return 1
}
waitgone() {
  for _ in $(seq 100); do [[ -z $(window "$1") ]] && return 0; sleep 0.05; done
  echo "the window '$1' stayed up" >&2
  return 1
}
# Points are given at the game's own size.
click() { xdotool mousemove --window "$1" $(($2 * scale)) $(($3 * scale)) click 1; sleep 0.15; }

# Answers every message box that is up with its default button (OK, or Yes); counts them.
answered=0
answer() {
  local w
  while w=$(xdotool search --onlyvisible --name "^($boxes)\$" | head -1) && [[ -n $w ]]; do
    answered=$((answered + 1))
    on_screen message "$w"
    xdotool windowfocus --sync "$w" 2>/dev/null || true
    xdotool key Return
    sleep 0.15
  done
}

# The main screen's controls, by their centres in the client area under the menu bar.
main=
top=0
at() { click "$main" "$1" $(($2 + top)); }
market_row() { at 53 $((23 + 18 * $1 + 9)); }
possession_row() { at 239 $((207 + 18 * $1 + 9)); }
buy() { at 382 27; }
sell() { at 382 75; }
withdraw() { at 478 52; }
deposit() { at 478 92; }
tony_some() { at 478 124; }
tony_all() { at 478 140; }
car_dealer() { at 451 171; }
gun_dealer() { at 451 325; }
hospital() { at 501 302; }
san_diego() { at 161 381; }
las_vegas() { at 261 381; }

# Starts the game in a process group of its own, types the player's name and waits for the
# main screen.
start_game() {
  LANGUAGE=${language:-en} QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb setsid "$game" &
  player=$!
  local splash
  splash=$(waitfor quillmere)
  xdotool type --delay 20 "$1"
  on_screen start "$splash"
  xdotool key Return
  sleep 0.5
  answer
  main=$(waitfor quillmere)
  answer
  top=$((($(xdotool getwindowgeometry --shell "$main" | awk -F= '$1 == "HEIGHT" {print $2}') - 418 * scale) / scale))
}

# The board the game started, in a session of its own: the process that writes the port file
# in this game's runtime folder, which no other board shares.
game_board() {
  local cmdline args
  for cmdline in /proc/[0-9]*/cmdline; do
    { mapfile -d '' args <"$cmdline"; } 2>/dev/null || continue
    [[ " ${args[*]} " == *" --port-file $XDG_RUNTIME_DIR/quillmere-board.port "* ]] || continue
    cmdline=${cmdline#/proc/}
    echo "${cmdline%/cmdline}"
  done
  return 0
}

# The live processes of process groups (a zombie is not one: it waits only to be reaped).
group_members() {
  local stat line state pgrp p
  for stat in /proc/[0-9]*/stat; do
    { read -r line <"$stat"; } 2>/dev/null || continue
    read -r state _ pgrp _ <<<"${line##*) }"
    [[ $state != Z && " $* " == *" $pgrp "* ]] && { p=${stat#/proc/}; echo "${p%/stat}"; }
  done
  return 0
}

# Ends the game and its board, each with what it started: TERM to their process groups, KILL
# to what is left after five seconds. Fails if anything needed the KILL.
stop_game() {
  local groups=() pid left='' line pgid
  [[ -z ${player:-} ]] || groups+=("$player")
  for pid in $(game_board); do
    { read -r line <"/proc/$pid/stat"; } 2>/dev/null || continue
    read -r _ _ pgid _ <<<"${line##*) }"
    groups+=("$pgid")
  done
  ((${#groups[@]})) || return 0
  for pid in "${groups[@]}"; do kill -TERM -- "-$pid" 2>/dev/null || true; done
  for _ in $(seq 50); do
    left=$(group_members "${groups[@]}")
    [[ -z $left ]] && break
    sleep 0.1
  done
  if [[ -n $left ]]; then
    echo "outlived TERM: $left" >&2
    for pid in "${groups[@]}"; do kill -KILL -- "-$pid" 2>/dev/null || true; done
  fi
  [[ -z ${player:-} ]] || wait "$player" 2>/dev/null || true
  player=
  [[ -z $left ]]
}

# Sells the car into the bank and pays Tony off, so every trip after it can pay a doctor and
# no debt sends Tony after the player.
settle_debts() {
  local w
  car_dealer
  w=$(waitfor "$cars_title")
  on_screen cars "$w"
  click "$w" 489 92   # Sell Car
  answer
  click "$w" 489 175  # Leave
  tony_all
  answer
  deposit
}

# A game that started without a message (a mugging, or company in the car) and makes every trip
# after it quiet: the car sold, Tony paid off and guns traded at the dealer's prices until a
# pistol is held and exactly the starting 2000 is left in cash. The cops leave a player with
# the starting cash alone, no mugger tries an armed one and Tony has no claim, so no trip
# brings a chase or a box. Up to five starts.
start_quiet_game() {
  local w gun paintball='50 53' small_pistol='140 53' pistol='55 116'
  for _ in 1 2 3 4 5; do
    answered=0
    start_game "$1"
    ((answered == 0)) && break
    stop_game
  done
  ((answered == 0)) || { echo "every start brought a message" >&2; return 1; }
  settle_debts
  # 7000: a pistol (3500, worth 3000 traded in), the paintball gun (1000, 800), a pistol, a
  # small pistol (2000, 1700) and a pistol leave 2000 and a pistol.
  for gun in "$pistol" "$paintball" "$pistol" "$small_pistol" "$pistol"; do
    gun_dealer
    w=$(waitfor "$guns_title")
    # shellcheck disable=SC2086 # the gun's point, two numbers
    click "$w" $gun
    click "$w" 246 78 # Buy Gun, which closes the dealer
    waitgone "$guns_title"
  done
}

# Runs from a chase and closes it, then sees a doctor with the bank's money, in case of a wound.
chase() {
  on_screen pursuit "$1"
  click "$1" 324 105  # Run
  click "$1" 84 105   # Close
  answer
  withdraw
  hospital
  answer
  deposit
}

# Whatever the street brings after a trip, until the main screen is back.
after_trip() {
  local w
  for _ in $(seq 50); do
    answer
    if w=$(window "$chase_title") && [[ -n $w ]]; then
      chase "$w"
    elif [[ -n $(window 'quillmere') ]]; then
      return 0
    fi
    sleep 0.05
  done
  echo "the game did not come back after a trip; $(showing)" >&2
  return 1
}
trip() {
  "$1"
  sleep 0.1
  after_trip
}

# Day 1, morning, to day 31, morning: thirty pairs of trips between San Diego and Las Vegas,
# of one and two periods, no car needed.
trips_to_last_day() {
  for _ in $(seq 30); do
    trip san_diego || return 1
    trip las_vegas || return 1
  done
}

# On the last day a trip ends the game; prints the end screen's window. Should a click of the
# trips have gone astray, the trips it missed are made up here, a few at most.
end_game() {
  local place w
  for place in san_diego las_vegas san_diego las_vegas; do
    "$place"
    for _ in $(seq 60); do
      w=$(window "$end_title") && [[ -n $w ]] && { echo "$w"; return 0; }
      sleep 0.05
    done
    after_trip >&2 || return 1
  done
  echo "no end screen came up; $(showing)" >&2
  return 1
}
