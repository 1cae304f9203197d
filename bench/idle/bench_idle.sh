#!/usr/bin/env bash
# Idle CPU of the player beside a peer players already have: the player on
# the demo game's title and the ScummVM launcher, each in a 640 x 480 window
# on the same Xvfb display, side by side. Each process's CPU (all threads)
# is read from /proc/<pid>/stat over the measuring window, first on the
# title, then (where xdotool can click) on the first page once its line is
# fully shown.
#
#   bench_idle.sh <build dir> [settle seconds] [measure seconds]
set -uo pipefail

build=${1:-build}
settle_s=${2:-6}
measure_s=${3:-10}
player="$build/aoat-player"
game="$build/demo-game"
scummvm=$(command -v scummvm || { [ -x /usr/games/scummvm ] && echo /usr/games/scummvm; })

skip() {
  echo "bench-idle: skipped: $1"
  exit 0
}
command -v Xvfb >/dev/null || skip "Xvfb is not installed (apt-get install xvfb)"
[ -n "$scummvm" ] || skip "scummvm is not installed (apt-get install scummvm)"
[ -x "$player" ] || skip "$player is missing (make build)"
[ -f "$game/data.aoat" ] || skip "$game is missing (make demo)"

work=$(mktemp -d)
pids=()
# The players first, the display last; a player that asks before it quits
# is not waited for.
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null
    for _ in $(seq 20); do
      kill -0 "${pids[i]}" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "${pids[i]}" 2>/dev/null
  done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done
export DISPLAY=":$display"
# Both without a sound device, so neither pays for a mixer the other lacks.
export SDL_AUDIODRIVER=dummy

HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
  "$player" --window --scale 1 "$game" >"$work/player.log" 2>&1 &
player_pid=$!
pids+=("$player_pid")
HOME="$work" "$scummvm" -c "$work/scummvm.ini" --no-fullscreen --window-size=640,480 \
  >"$work/scummvm.log" 2>&1 &
scummvm_pid=$!
pids+=("$scummvm_pid")

ticks() {  # utime + stime of the whole process, in clock ticks
  awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null
}
alive() {
  [ -n "$(ticks "$player_pid")" ] || { echo "bench-idle: the player exited:"; cat "$work/player.log"; exit 1; }
  [ -n "$(ticks "$scummvm_pid")" ] || { echo "bench-idle: scummvm exited:"; cat "$work/scummvm.log"; exit 1; }
}
hz=$(getconf CLK_TCK)
# One row of the table: both processes over the measuring window.
measure() {
  alive
  local p0 s0 p1 s1
  p0=$(ticks "$player_pid")
  s0=$(ticks "$scummvm_pid")
  sleep "$measure_s"
  alive
  p1=$(ticks "$player_pid")
  s1=$(ticks "$scummvm_pid")
  awk -v what="$1" -v p=$((p1 - p0)) -v s=$((s1 - s0)) -v hz="$hz" -v t="$measure_s" 'BEGIN {
    player = 100 * p / hz / t
    peer = 100 * s / hz / t
    ratio = peer > 0 ? sprintf("%.2fx", player / peer) : "-"
    met = peer > 0 && player / peer <= 0.25 ? "met" : "NOT met"
    printf "| idle, %s | %.1f %% of a core | %.1f %% (scummvm launcher) | %s | <= 0.25x %s |\n",
      what, player, peer, ratio, met
  }'
}

# Both windows open centred; side by side, the click below reaches the
# player's (xdotool does both).
window=""
if command -v xdotool >/dev/null; then
  window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$player_pid" 2>/dev/null | head -1)
  peer_window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$scummvm_pid" 2>/dev/null | head -1)
  [ -n "$window" ] && xdotool windowmove "$window" 640 0
  [ -n "$peer_window" ] && xdotool windowmove "$peer_window" 0 0
fi

echo "| path | project | peer | ratio | goal |"
echo "|---|---|---|---|---|"
sleep "$settle_s"
measure "title waiting for a click"
# A click on the scene starts the story; its first line is typed out, then
# the page waits, fully shown.
if [ -n "$window" ]; then
  xdotool mousemove --window "$window" 300 100
  sleep 0.2
  xdotool click 1
  sleep "$settle_s"
  measure "first page fully shown"
else
  echo "(xdotool is not installed or found no window: the page row is skipped)"
fi
