# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Shared helpers of the end-to-end tests: a private Xvfb, the real game in a
# fresh settings directory, window lookup, clicks and pixel reads.
# Usage in a test: source lib.sh "$@"  (arguments: marvolt binary, output dir)
set -euo pipefail

MARVOLT_BIN="$1"
E2E_OUT="$2/$(basename "$0" .sh)${MARVOLT_E2E_VARIANT:+-$MARVOLT_E2E_VARIANT}"
mkdir -p "$E2E_OUT"
E2E_TMP="$(mktemp -d)"
export MARVOLT_INI_DIR="$E2E_TMP"
INI="$E2E_TMP/KVZ.ini"
SCREEN_W=1024
SCREEN_H=768
GAME_PID=""
XVFB_PID=""

fail() {
  echo "FAIL: $*" >&2
  if [ -s "$E2E_OUT/game.log" ]; then
    echo "-- the game printed:" >&2
    tail -n 30 "$E2E_OUT/game.log" >&2
  fi
  exit 1
}
note() { echo "-- $*"; }

# Waits for the server to be gone, not only signalled, so that the next test
# starts on a quiet machine.
cleanup() {
  if [ -n "$GAME_PID" ]; then kill "$GAME_PID" 2>/dev/null || true; wait "$GAME_PID" 2>/dev/null || true; fi
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  rm -rf "$E2E_TMP"
}
trap cleanup EXIT

# The game speaks Japanese in the C locale, English on an English desktop.
export LC_ALL=C.UTF-8 LANGUAGE=
ABOUT_TITLE="ﾊﾞｰｼﾞｮﾝ情報"
# MARVOLT_E2E_VARIANT=installed-english: the same test on an English desktop
# with the game installed into a scratch prefix and no MARVOLT_INI_DIR, so
# that KVZ.ini must be in $XDG_CONFIG_HOME/marvolt.
if [ "${MARVOLT_E2E_VARIANT:-}" = installed-english ]; then
  cmake --install "$(dirname "$MARVOLT_BIN")" --prefix "$E2E_TMP/prefix" >/dev/null || fail "cmake --install failed"
  MARVOLT_BIN="$E2E_TMP/prefix/bin/marvolt"
  unset MARVOLT_INI_DIR
  export XDG_CONFIG_HOME="$E2E_TMP/config" LC_ALL=en_US.UTF-8
  INI="$XDG_CONFIG_HOME/marvolt/KVZ.ini"
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
  for _ in $(seq 50); do
    [ -S "/tmp/.X11-unix/X$n" ] && xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "Xvfb on $DISPLAY does not answer"
}

start_game() {
  QT_QPA_PLATFORM=xcb "$MARVOLT_BIN" "$@" >"$E2E_OUT/game.log" 2>&1 &
  GAME_PID=$!
}

game_running() { kill -0 "$GAME_PID" 2>/dev/null; }

# The desktop's active window, and whether it is the given one.
active() { xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}'; }
is_active() { [ $(($(active))) -eq $(($1)) ]; }

# A window the player types in, given the keyboard; sets typing and XM_PID.
open_typing_window() {
  xmessage -name typing -geometry +600+100 "typing here" >/dev/null 2>&1 &
  XM_PID=$!
  typing=$(timeout 10 xdotool search --sync --onlyvisible --classname '^typing$' | head -n1)
  [ -n "$typing" ] || fail "no window to type in"
  timeout 10 xdotool windowactivate --sync "$typing" || fail "the window to type in is not active"
}

# Prints "x y w h" of every viewable top-level window of the game.
game_windows() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$GAME_PID" "" 2>/dev/null); do
    xprop -id "$w" _NET_WM_PID 2>/dev/null | grep -q "= $GAME_PID" || continue
    xwininfo -id "$w" 2>/dev/null | awk -v id="$w" '
      /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
      /Width:/ {w=$NF} /Height:/ {h=$NF} END {print id, x, y, w, h}'
  done
}

# Waits until a window of size WxH is shown; prints "id x y w h".
wait_window() {
  local want_w=$1 want_h=$2 tries=${3:-100} line
  for _ in $(seq "$tries"); do
    line=$(game_windows | awk -v w="$want_w" -v h="$want_h" '$4 == w && $5 == h' | head -n1)
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits until no window of size WxH is shown.
wait_window_gone() {
  local want_w=$1 want_h=$2
  for _ in $(seq 100); do
    game_windows | awk -v w="$want_w" -v h="$want_h" '$4 == w && $5 == h' | grep -q . || return 0
    sleep 0.1
  done
  return 1
}

# Waits until a window whose title is exactly TITLE is shown; prints its line.
wait_titled() {
  local title=$1 w
  for _ in $(seq 100); do
    for w in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
      xwininfo -id "$w" 2>/dev/null | awk -v id="$w" '
        /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print id, x, y, w, h}'
      return 0
    done
    sleep 0.1
  done
  return 1
}

click_at() { xdotool mousemove "$1" "$2" click "${3:-1}"; }
press_at() { xdotool mousemove "$1" "$2" mousedown "${3:-1}"; }
release() { xdotool mouseup "${1:-1}"; }

screenshot() { import -window root "$E2E_OUT/$1.png"; }

# Prints "r g b" of the screen pixel at (x, y).
pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 rgb:- | od -An -tu1 | awk '{print $1, $2, $3}'
}

is_black() { [ "$(pixel "$1" "$2")" = "0 0 0" ]; }

ini_value() {  # section key
  awk -v s="[$1]" -v k="$2" -F= '
    { sub(/\r$/, "") }
    /^\[/ { insec = (tolower($0) == tolower(s)); next }
    insec && tolower($1) == tolower(k) { sub(/^[^=]*=/, ""); print; exit }' "$INI" 2>/dev/null
}

# Fraction (0..1) of dark pixels in a rectangle of the screen: x y w h.
dark_share() {
  import -window root -crop "${3}x${4}+$1+$2" png:- |
    convert png:- +repage -colorspace gray -threshold 40% -negate -format '%[fx:mean]' info:
}

# Lane controls, relative to the lane window's top-left.
LANE_W=307
LANE_H=29
THROW_X=9
THROW_Y=7
SCORE_BTN_X=9
SCORE_BTN_Y=22

# One ball aimed as a player would: press (start), press and hold (target),
# release after the hook marker has run a little.
throw_ball() {  # lane_x lane_y hold_seconds
  local bx=$(($1 + THROW_X)) by=$(($2 + THROW_Y))
  xdotool mousemove "$bx" "$by"
  sleep 0.25
  xdotool mousedown 1; sleep 0.05; xdotool mouseup 1
  sleep 0.3
  xdotool mousedown 1; sleep "${3:-0.4}"; xdotool mouseup 1
}

# Prints the id of a shown game window that is none of the game's own
# frameless windows (a message box or input box), waiting for it.
wait_box() {
  local line
  for _ in $(seq "${1:-150}"); do
    line=$(game_windows | awk '!(($4==307&&$5==29)||($4==24&&$5==28)||($4==321&&$5==45)||($4==81&&$5==30)||$5==18||$5==15)' | head -n1)
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits until the lane shows the start marker running (a pure red row in the
# start column), i.e. the game waits for the first press of a ball.
wait_aiming() {  # lane_x lane_y [tries]
  for _ in $(seq "${3:-150}"); do
    import -window root -crop "3x17+$(($1 + 25))+$(($2 + 6))" png:- |
      convert png:- txt:- | grep -qi '#FF0000' && return 0
    sleep 0.1
  done
  return 1
}
