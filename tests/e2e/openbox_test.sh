#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# The game under openbox. Its frameless windows never take the focus from the
# program the player types in, and a close request (Alt+F4) on each does what
# the window's own control does; SIGTERM ends the game with the sheet's place
# stored. The About box takes the focus and gives it back, stands centred and
# unframed, moves by just a drag of its caption every time it opens, and its
# close button lights up, sinks and comes up again when the pointer leaves it
# held. The statistics window gets the window manager's frame.
source "$(dirname "$0")/lib.sh" "$@"

start_xvfb
start_wm Openbox openbox --sm-disable
takes_no_focus() {
  for id in $(game_windows | cut -d' ' -f1); do xprop -id "$id" WM_HINTS | grep -q "focus: False" || fail "$id takes the focus"; done
}

start_dialog
takes_no_focus
wmctrl -i -c "$start"
game_ended "a close request on the start dialog"

open_typing_window
start_dialog
is_active "$typing" || fail "the start dialog took the focus"
# The About box: a close request shuts it as OK does and gives the focus back.
open_about
extents=$(xprop -id "$about" _NET_FRAME_EXTENTS | cut -s -d= -f2 | tr -d ' ')
[ -z "$extents" ] || [ "$extents" = 0,0,0,0 ] || fail "openbox framed the About box: $extents"
is_active "$about" || fail "the About box has not the focus"
screenshot about-box
for round in 1 2; do
  # A press on the caption's title, five steps of (10, 8), a release.
  xdotool mousemove $((ax + 60)) $((ay + 8)) mousedown 1
  for step in 1 2 3 4 5; do sleep 0.05; xdotool mousemove $((ax + 60 + 10 * step)) $((ay + 8 + 8 * step)); done
  sleep 0.1
  xdotool mouseup 1
  sleep 0.3
  read -r _ bx by _ _ < <(wait_titled "$ABOUT_TITLE")
  [ "$bx,$by" = "$((ax + 50)),$((ay + 40))" ] || fail "drag $round moved the About box from $ax,$ay to $bx,$by"
  [ "$round" = 2 ] && break
  wmctrl -i -c "$about"
  titled_gone "$ABOUT_TITLE" || fail "a close request left the About box up"
  sleep 0.5
  is_active "$typing" || fail "the About box did not give the focus back"
  open_about
done

# The close button at the caption's right end, plain, under the pointer,
# pressed, and with the pointer gone off it held.
cx=$((bx + aw - 10)) cy=$((by + 9))
button() { sleep 0.3; import -window root -crop "20x18+$((cx - 10))+$((cy - 8))" +repage "$E2E_OUT/close-$1.png"; }
differ() { [ "$(compare -metric AE "$E2E_OUT/close-$1.png" "$E2E_OUT/close-$2.png" null: 2>&1)" != 0 ]; }
xdotool mousemove $((bx + 100)) $((by + 60)) && button plain && xdotool mousemove "$cx" "$cy" && button hover
xdotool mousedown 1 && button pressed && xdotool mousemove $((cx - 50)) "$cy" && button left && xdotool mouseup 1
differ plain hover || fail "the close button does not light up under the pointer"
differ hover pressed || fail "the close button is not drawn pressed"
differ plain left && fail "the close button stays pressed once the pointer leaves it"
wait_titled "$ABOUT_TITLE" 5 >/dev/null || fail "a release off the close button closed the box"
click_at "$cx" "$cy"
titled_gone "$ABOUT_TITLE" || fail "the close button left the About box up"

# The statistics, the short menu's second item.
click_at $((sx + 40)) $((sy + 10)) 3
sleep 0.5
xdotool key Down Down Return
read -r stats _ _ _ _ < <(wait_titled "成績") || fail "the statistics window did not open"
xprop -id "$stats" _NET_FRAME_EXTENTS | grep -q '= [1-9]' || fail "the statistics window has no frame"
wmctrl -i -c "$stats"
titled_gone "成績" || fail "a close request left the statistics up"

# A game: clicks on the lane and the sheet leave the focus where it is; a
# close request on the sheet closes it as its button does, on the lane or
# the pin board ends the game.
start_playing
open_sheet
takes_no_focus
is_active "$typing" || fail "a click on the lane or the sheet took the focus"
wmctrl -i -c "$sheet"
wait_window_gone 321 45 || fail "a close request left the sheet up"
wait_window $LANE_W $LANE_H 10 >/dev/null || fail "closing the sheet closed the lane"
for what in lane board; do
  read -r board _ _ _ _ < <(wait_window 24 28) || fail "pin board not shown"
  wmctrl -i -c "${!what}"
  wait_window_gone $LANE_W $LANE_H && wait_window_gone 24 28 || fail "a close request on the $what left the game up"
  read -r _ sx sy _ _ < <(wait_window 81 30) || fail "no start dialog after the $what's close"
  start_playing
done

# SIGTERM with the sheet moved and up: the program ends within a second and
# the sheet's place is stored.
open_sheet
xdotool windowmove "$sheet" 200 300
sleep 0.5
read -r _ cx cy _ _ < <(wait_window 321 45)
kill -TERM "$GAME_PID"
game_ended "SIGTERM"
[ "$(ini_value SCOREBOARD LEFT)/$(ini_value SCOREBOARD TOP)" = "$((cx * 15))/$((cy * 15))" ] ||
  fail "sheet place $(ini_value SCOREBOARD LEFT)/$(ini_value SCOREBOARD TOP), want $((cx * 15))/$((cy * 15))"
echo "PASS"
