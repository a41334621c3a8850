#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# The About box on desktops with a window manager. openbox: a drag by the
# caption moves the box by just the drag, every time it opens; the close
# button lights up under the pointer, sinks while pressed and comes up again
# when the pointer leaves it held, so that a release there keeps the box.
# fluxbox: the window that had the keyboard before the box gets it back.
source "$(dirname "$0")/lib.sh" "$@"

WM_PID=""
XM_PID=""
trap 'kill $XM_PID $WM_PID 2>/dev/null || true; cleanup' EXIT

# A window manager, a window the player types in holding the keyboard, and
# the game at its start dialog; sets typing, sx and sy.
start_desktop() {  # window manager command...
  "$@" >/dev/null 2>&1 &
  WM_PID=$!
  for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
  wmctrl -m >/dev/null 2>&1 || fail "$1 did not start"
  open_typing_window
  start_game
  read -r _ sx sy _ _ < <(wait_window 81 30) || fail "start dialog not shown"
}

# Opens the About box from the start dialog; sets about, ax, ay, aw, ah once
# it stands centred, where it puts itself after the window manager.
open_about() {
  click_at $((sx + 40)) $((sy + 15))
  for _ in $(seq 50); do
    read -r about ax ay aw ah < <(wait_titled "$ABOUT_TITLE") || fail "About box not shown"
    [ $((2 * ax + aw - SCREEN_W)) -ge -1 ] && [ $((2 * ax + aw - SCREEN_W)) -le 1 ] &&
      [ $((2 * ay + ah - SCREEN_H)) -ge -1 ] && [ $((2 * ay + ah - SCREEN_H)) -le 1 ] && return 0
    sleep 0.1
  done
  fail "About box not centred: at $ax,$ay"
}
about_gone() {
  for _ in $(seq 20); do
    xdotool search --onlyvisible --name "^$ABOUT_TITLE\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

start_xvfb
start_desktop openbox --sm-disable
# A press on the caption's title, five steps of (10, 8), a release.
for round in 1 2 3 4; do
  open_about
  xdotool mousemove $((ax + 60)) $((ay + 8)) mousedown 1
  for step in 1 2 3 4 5; do sleep 0.05; xdotool mousemove $((ax + 60 + 10 * step)) $((ay + 8 + 8 * step)); done
  sleep 0.1
  xdotool mouseup 1
  sleep 0.3
  read -r _ bx by _ _ < <(wait_titled "$ABOUT_TITLE")
  [ "$bx,$by" = "$((ax + 50)),$((ay + 40))" ] ||
    fail "drag $round moved the About box from $ax,$ay to $bx,$by, not by 50,40"
  [ "$round" = 4 ] || { xdotool key Return; about_gone || fail "Enter left the About box up"; }
done
ax=$bx ay=$by

# The close button sits at the caption's right end.
cx=$((ax + aw - 10)) cy=$((ay + 9))
button() { import -window root -crop "20x18+$((cx - 10))+$((cy - 8))" +repage "$E2E_OUT/close-$1.png"; }
differ() { [ "$(compare -metric AE "$E2E_OUT/close-$1.png" "$E2E_OUT/close-$2.png" null: 2>&1)" != 0 ]; }
xdotool mousemove $((ax + 100)) $((ay + 60)); sleep 0.3; button plain
xdotool mousemove "$cx" "$cy"; sleep 0.3; button hover
xdotool mousedown 1; sleep 0.3; button pressed
xdotool mousemove $((cx - 50)) "$cy"; sleep 0.3; button left
screenshot about-close-left
xdotool mouseup 1; sleep 0.3
differ plain hover || fail "the close button does not light up under the pointer"
differ hover pressed || fail "the close button is not drawn pressed"
differ plain left && fail "the close button stays pressed once the pointer leaves it"
wait_titled "$ABOUT_TITLE" >/dev/null || fail "a release off the close button closed the box"
click_at "$cx" "$cy"
about_gone || fail "the close button left the About box up"
game_running || fail "closing the About box ended the program"
kill "$GAME_PID" "$WM_PID" $XM_PID; wait "$GAME_PID" "$WM_PID" $XM_PID 2>/dev/null || true
GAME_PID="" WM_PID="" XM_PID=""

# fluxbox, in a home of its own, gives the keyboard to no window when a box
# goes: the box gives it back.
# The background left alone: setting one fails here with a message window.
mkdir -p "$E2E_TMP/home/.fluxbox"
echo "background: none" >"$E2E_TMP/home/.fluxbox/overlay"
echo "session.styleOverlay: $E2E_TMP/home/.fluxbox/overlay" >"$E2E_TMP/home/.fluxbox/init"
HOME="$E2E_TMP/home" start_desktop fluxbox
open_about
is_active "$about" || fail "the About box has not the keyboard under fluxbox"
xdotool key Return
about_gone || fail "Enter left the About box up"
sleep 0.5
is_active "$typing" || fail "under fluxbox the keyboard went to $(active), not back to the window that had it"
echo "PASS"
