#!/usr/bin/env bash
# Starts an installed velmor the way a player would, stops it with SIGTERM, and checks that its
# settings went to the player's XDG folder and that nothing was written beside the installed data.
# Used by install-test.sh and package-test.sh. Usage: scripts/run-installed-game.sh PREFIX
# Run as root, the game runs as "nobody": root may write anywhere, a player may not, and the
# shared data folder must then be read-only to it.
set -euo pipefail
prefix=$(realpath "${1:?usage: scripts/run-installed-game.sh PREFIX}")
game=$prefix/games/velmor
share=$prefix/share/velmor
startup_s=3
stop_s=20

fail() {
  echo "run-installed-game: $*" >&2
  if [ -s "$work/game.log" ]; then
    echo "--- game output" >&2
    cat "$work/game.log" >&2
  fi
  exit 1
}
# A child that has exited stays a zombie until waited for, and kill -0 still finds it.
running() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [[ $state != Z* ]]
}
listing() { (cd "$1" && find . -printf '%p %s %m %T@\n' | sort); }

work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ] && running "$pid"; then kill -KILL "$pid" 2>/dev/null || true; fi
  if [ -n "${made_readonly:-}" ]; then chmod -R u+w "$share"; fi
  rm -rf "$work"
}
trap cleanup EXIT

[ -x "$game" ] || fail "no program at $game"
[ -d "$share/Layouts" ] || fail "no data at $share"

home=$work/home
config=$home/config-home
data=$home/data-home
mkdir -p "$home"
as_player=()
if [ "$(id -u)" -eq 0 ]; then
  chmod 755 "$work"
  chown -R nobody:nogroup "$home"
  as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
  # nobody must reach the program through every folder above it.
  "${as_player[@]}" test -x "$game" || fail "$game cannot be run by nobody (a folder above it is closed)"
elif [ -w "$share" ]; then
  # A temporary prefix owned by the tester: make it as read-only as an installed one.
  chmod -R a-w "$share"
  made_readonly=1
fi

before=$(listing "$share")
env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  HOME="$home" XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$data" \
  "${as_player[@]}" "$game" >"$work/game.log" 2>&1 &
pid=$!
sleep "$startup_s"
running "$pid" || { wait "$pid" && status=0 || status=$?; pid=; fail "the game ended by itself during start-up (exit status $status)"; }

kill -TERM "$pid"
for ((tenth = 0; tenth < stop_s * 10; ++tenth)); do
  running "$pid" || break
  sleep 0.1
done
if running "$pid"; then
  fail "the game was still running ${stop_s} s after SIGTERM"
fi
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "the game's exit status after SIGTERM was $status, not 0"

[ -s "$config/velmor/Velmor.ini" ] || fail "no Velmor.ini in \$XDG_CONFIG_HOME/velmor/ ($(find "$home" -name '*.ini' | tr '\n' ' '))"
[ "$(listing "$share")" = "$before" ] || fail "the game changed $share: $(diff <(echo "$before") <(listing "$share") | head -5)"
for name in Velmor.ini Hallfame.ini; do
  [ ! -e "$prefix/games/$name" ] || fail "the game wrote $prefix/games/$name"
done
echo "run-installed-game: $game started as $(if ((${#as_player[@]})); then echo nobody; else id -un; fi)," \
  "stopped by SIGTERM with status 0, settings in \$XDG_CONFIG_HOME/velmor/"
