# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Shared helpers of the end-to-end tests: a private Xvfb, window managers, the
# real game in a fresh settings directory, window lookup, clicks and pixels.
# Usage in a test: source lib.sh "$@"  (arguments: marvolt binary, output dir)
set -euo pipefail

MARVOLT_BIN="$1"
E2E_OUT="$2/$(basename "$0" .sh)${MARVOLT_E2E_VARIANT:+-$MARVOLT_E2E_VARIANT}"
mkdir -p "$E2E_OUT"
E2E_TMP="$(mktemp -d)"
export MARVOLT_INI_DIR="$E2E_TMP"
INI="$E2E_TMP/KVZ.ini"
HISTORY="$E2E_TMP/history.sqlite"
SCREEN_W=1024 SCREEN_H=768
GAME_PID="" XVFB_PID="" WM_PID="" XM_PID=""

fail() {
  echo "FAIL: $*" >&2
  [ ! -s "$E2E_OUT/game.log" ] || { echo "-- the game printed:" >&2; tail -n 30 "$E2E_OUT/game.log" >&2; }
  exit 1
}

# fluxbox may linger on SIGTERM.
stop_wm() { [ -z "$WM_PID" ] || { kill -KILL "$WM_PID" 2>/dev/null; wait "$WM_PID" 2>/dev/null; WM_PID=""; } || true; }
cleanup() {
  kill $XM_PID $GAME_PID $XVFB_PID 2>/dev/null || true
  stop_wm
  wait || true  # for the server to be gone, not only signalled: the next test starts on a quiet machine
  rm -rf "$E2E_TMP"
}
trap cleanup EXIT

# The game speaks Japanese in the C locale, English on an English desktop.
export LC_ALL=C.UTF-8 LANGUAGE=
ABOUT_TITLE="ﾊﾞｰｼﾞｮﾝ情報"
# MARVOLT_E2E_VARIANT=installed-english: the same test on an English desktop
# with the game installed into a scratch prefix and no MARVOLT_INI_DIR, so
# that KVZ.ini must be in $XDG_CONFIG_HOME/marvolt, the history in
# $XDG_DATA_HOME/marvolt.
if [ "${MARVOLT_E2E_VARIANT:-}" = installed-english ]; then
  cmake --install "$(dirname "$MARVOLT_BIN")" --prefix "$E2E_TMP/prefix" >/dev/null || fail "cmake --install failed"
  MARVOLT_BIN="$E2E_TMP/prefix/bin/marvolt"
  unset MARVOLT_INI_DIR
  export XDG_CONFIG_HOME="$E2E_TMP/config" XDG_DATA_HOME="$E2E_TMP/data" LC_ALL=en_US.UTF-8
  INI="$XDG_CONFIG_HOME/marvolt/KVZ.ini" HISTORY="$XDG_DATA_HOME/marvolt/history.sqlite"
  ABOUT_TITLE="About Marvolt"
fi

start_xvfb() {
  # Xvfb picks a free display itself and tells us which. -noreset: by default
  # the server resets whenever its last client leaves, and a reset drops every
  # connection still in its handshake; a poll (xdotool, xdpyinfo) ending just
  # as the game connects would then make the game fail to open the display.
  local fifo="$E2E_TMP/displayfd" n=""
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  read -r -t 20 n <"$fifo" || fail "could not start Xvfb"
  export DISPLAY=":$n"
  retry 50 xdpyinfo >/dev/null 2>&1 || fail "Xvfb on $DISPLAY does not answer"
}

wm_is() { wmctrl -m 2>/dev/null | grep -qi "Name: $1"; }
start_wm() {  # name (as the window manager calls itself) command...
  "${@:2}" >"$E2E_OUT/$1.log" 2>&1 &
  WM_PID=$!
  retry 100 wm_is "$1" || fail "$1 did not start"
}

start_game() {
  QT_QPA_PLATFORM=xcb "$MARVOLT_BIN" "$@" >"$E2E_OUT/game.log" 2>&1 &
  GAME_PID=$!
}
# Waits up to a second for the game to end; fails unless it ends with 0.
game_ended() {  # what
  retry 10 gone kill -0 "$GAME_PID" || fail "$1 did not end the program within a second"
  wait "$GAME_PID" || fail "$1: exit code $?"
  GAME_PID=""
}

# The desktop's active window, and whether it is the given one.
active() { xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}'; }
is_active() { [ $(($(active))) -eq $(($1)) ]; }

# A window the player types in, given the keyboard; sets typing.
open_typing_window() {
  xmessage -name typing -geometry +600+100 "typing here" >/dev/null 2>&1 &
  XM_PID="$XM_PID $!"
  typing=$(timeout 10 xdotool search --sync --onlyvisible --classname '^typing$' | head -n1)
  [ -n "$typing" ] || fail "no window to type in"
  timeout 10 xdotool windowactivate --sync "$typing" || fail "the window to type in is not active"
}

# Runs a command every 0.1 s until it succeeds, at most N times; and a
# command's failure as a success.
retry() { local n=$1; shift; for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done; return 1; }
gone() { ! "$@" >/dev/null 2>&1; }

geometry() {  # id: prints "id x y w h" while the window is shown (xwininfo without one waits for a click)
  [ -n "$1" ] && xwininfo -id "$1" 2>/dev/null | awk -v id=$(($1)) '
    /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF}
    /Map State:/ {m=$NF} END {if (m != "IsViewable") exit 1; print id, x, y, w, h}'
}
# Every shown top-level window of the game, read from the window tree by its
# class: KWin makes and drops windows of its own all the time, which breaks
# xdotool's window search midway.
game_windows() {
  local id
  for id in $(xwininfo -root -tree 2>/dev/null | awk '/\("marvolt" "marvolt"\)/ {print $1}'); do geometry "$id" || true; done
}
window_now() { game_windows | awk -v w="$1" -v h="$2" '$4 == w && $5 == h' | head -n1 | grep .; }
wait_window() { retry "${3:-100}" window_now "$1" "$2"; }  # w h [tries]: prints "id x y w h"
wait_window_gone() { retry 100 gone window_now "$1" "$2"; }
titled() { geometry "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)"; }
wait_titled() { retry "${2:-100}" titled "$1"; }  # title [tries]: prints "id x y w h"
titled_gone() { retry 50 gone titled "$1"; }
# The About box, opened from the start dialog at sx, sy; sets about, ax, ay,
# aw, ah once it stands centred, where it puts itself after the window manager.
about_centred() {
  read -r about ax ay aw ah < <(titled "$ABOUT_TITLE") &&
    [ $(((2 * ax + aw - SCREEN_W) ** 2 <= 1 && (2 * ay + ah - SCREEN_H) ** 2 <= 1)) = 1 ]
}
open_about() {
  click_at $((sx + 40)) $((sy + 15))
  retry 100 about_centred || fail "About box not shown centred: at ${ax:-?},${ay:-?}"
}
# Starts the game and waits for its start dialog; sets start, sx and sy.
start_dialog() {  # arguments of the game
  start_game "$@"
  read -r start sx sy _ _ < <(wait_window 81 30) || fail "start dialog not shown"
}

click_at() { xdotool mousemove "$1" "$2" click "${3:-1}"; }
screenshot() { import -window root "$E2E_OUT/$1.png"; }
pixel() {  # x y: prints "r g b"
  import -window root -crop "1x1+$1+$2" -depth 8 rgb:- | od -An -tu1 | awk '{print $1, $2, $3}'
}
ini_value() {  # section key
  awk -v s="[$1]" -v k="$2" -F= '
    { sub(/\r$/, "") }
    /^\[/ { insec = (tolower($0) == tolower(s)); next }
    insec && tolower($1) == tolower(k) { sub(/^[^=]*=/, ""); print; exit }' "$INI" 2>/dev/null
}
recent() {  # date: fails unless it is the last five minutes
  local age=$(($(date +%s) - $(date -d "$1" +%s)))
  [ "$age" -ge -5 ] && [ "$age" -le 300 ] || fail "'$1' is not the time the game ended ($age s)"
}

# Lane controls, relative to the lane window's top-left.
LANE_W=307 LANE_H=29 THROW_X=9 THROW_Y=7 SCORE_BTN_X=9 SCORE_BTN_Y=22

# From the start dialog at sx, sy into a game; sets lane, lx and ly once the
# "Game Start!!" balloon has gone and the start marker runs.
start_playing() {
  click_at $((sx + 10)) $((sy + 14))
  read -r lane lx ly _ _ < <(wait_window $LANE_W $LANE_H) || fail "lane not shown"
  wait_window 8 18 30 >/dev/null || fail "balloon not shown"
  wait_window_gone 8 18 || fail "balloon still up"
  wait_aiming || fail "start marker not running"
}
# Waits until the lane shows the start marker running (a pure red row in the
# start column), i.e. the game waits for the first press of a ball.
aiming() { import -window root -crop "3x17+$((lx + 25))+$((ly + 6))" png:- | convert png:- txt:- | grep -qi '#FF0000'; }
wait_aiming() { retry "${1:-150}" aiming; }  # [tries]
# One ball aimed as a player would: press (start), press and hold (target),
# release after the hook marker has run a little.
throw_ball() {  # hold_seconds
  xdotool mousemove $((lx + THROW_X)) $((ly + THROW_Y)) sleep 0.25 mousedown 1 sleep 0.05 mouseup 1 sleep 0.3
  xdotool mousedown 1 sleep "$1" mouseup 1
}
open_sheet() {  # from the lane; sets sheet, cx and cy
  click_at $((lx + SCORE_BTN_X)) $((ly + SCORE_BTN_Y))
  read -r sheet cx cy _ _ < <(wait_window 321 45) || fail "score sheet not shown"
}

# Prints the line of a shown game window that is none of the game's own
# frameless windows (a message box or input box), waiting for it.
box_now() {
  game_windows | awk '!(($4==307&&$5==29)||($4==24&&$5==28)||($4==321&&$5==45)||($4==81&&$5==30)||$5==18||$5==15)' |
    head -n1 | grep .
}
wait_box() { retry "${1:-150}" box_now; }  # [tries]
# Types TEXT and presses KEY over the box, again while it stands (a key can
# beat the box's focus).
answer_box() {  # id x y w h text [key]
  for _ in 1 2 3; do
    xdotool mousemove $(($2 + $4 / 2)) $(($3 + $5 / 2))
    sleep 0.1
    xdotool type -- "$6"
    [ -z "${7:-}" ] || xdotool key "$7"
    retry 50 gone geometry "$1" && return 0
  done
  fail "box $1 stays up after '$6'"
}
