#!/usr/bin/env bash
# Idle CPU of the player beside a peer players already have: the player on
# the demo game's title and the ScummVM launcher, each in a 640 x 480 window
# on the same Xvfb display, side by side. Each process's CPU (all threads)
# is read from /proc/<pid>/stat over the measuring window.
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
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
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

sleep "$settle_s"
ticks() {  # utime + stime of the whole process, in clock ticks
  awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null
}
p0=$(ticks "$player_pid")
s0=$(ticks "$scummvm_pid")
sleep "$measure_s"
p1=$(ticks "$player_pid")
s1=$(ticks "$scummvm_pid")
[ -n "$p0" ] && [ -n "$p1" ] || { echo "bench-idle: the player exited:"; cat "$work/player.log"; exit 1; }
[ -n "$s0" ] && [ -n "$s1" ] || { echo "bench-idle: scummvm exited:"; cat "$work/scummvm.log"; exit 1; }

hz=$(getconf CLK_TCK)
awk -v p=$((p1 - p0)) -v s=$((s1 - s0)) -v hz="$hz" -v t="$measure_s" 'BEGIN {
  player = 100 * p / hz / t
  peer = 100 * s / hz / t
  printf "| path | project | peer | ratio | goal |\n|---|---|---|---|---|\n"
  if (peer > 0) {
    ratio = player / peer
    printf "| idle, 640x480 window on Xvfb | %.1f %% of a core | %.1f %% (scummvm launcher) | %.2fx | <= 0.25x %s |\n",
      player, peer, ratio, ratio <= 0.25 ? "met" : "NOT met"
  } else {
    printf "| idle, 640x480 window on Xvfb | %.1f %% of a core | %.1f %% (scummvm launcher) | - | <= 0.25x |\n", player, peer
  }
}'
