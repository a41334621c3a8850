#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# The game under KWin, whose defaults hide an application's utility windows
# while it is inactive and mark windows shown without activation as
# demanding attention: while another program holds the focus, every game
# window is shown, demands no attention, stays above, off the taskbar and
# the pager, declares zero frame extents (compositors then draw no shadow
# into its cut-away parts), and the focus stays where it was. Under fluxbox
# the taskbar gains no button while the game plays and the About box gives
# the keyboard back; under mutter no shadow falls around the start dialog.
source "$(dirname "$0")/lib.sh" "$@"

start_xvfb
# A throwaway home: the window managers read and write their settings there.
export HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/home/.config" XDG_CACHE_HOME="$E2E_TMP/home/.cache"
export XDG_RUNTIME_DIR="$E2E_TMP/run"
mkdir -p "$HOME/.fluxbox" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
start_wm KWin env KWIN_COMPOSE=N kwin_x11 --replace
open_typing_window

check_window() {  # what w h
  local id view
  read -r id _ _ _ _ < <(wait_window "$2" "$3" 30) || fail "$1 not shown"
  sleep 0.3  # a state KWin sets on mapping is settled by now
  view=$(xprop -id "$id" _NET_WM_STATE _GTK_FRAME_EXTENTS | tr '\n' ' ')
  for want in SKIP_TASKBAR SKIP_PAGER ABOVE; do
    grep -q "_NET_WM_STATE_$want" <<<"$view" || fail "$1 lacks $want: $view"
  done
  ! grep -qE "_NET_WM_STATE_(HIDDEN|DEMANDS_ATTENTION)" <<<"$view" || fail "$1 is hidden or demands attention: $view"
  grep -q "_GTK_FRAME_EXTENTS(CARDINAL) = 0, 0, 0, 0" <<<"$view" || fail "$1 declares no zero frame extents"
}
start_dialog
check_window "the start dialog" 81 30
click_at $((sx + 10)) $((sy + 14))
check_window "the balloon" 8 18
read -r _ lx ly _ _ < <(wait_window $LANE_W $LANE_H) || fail "lane not shown"
check_window "the lane" $LANE_W $LANE_H
check_window "the pin board" 24 28
wait_aiming || fail "start marker not running"
open_sheet
check_window "the score sheet" 321 45
is_active "$typing" || fail "a game window took the focus"
screenshot kwin
kill -TERM "$GAME_PID"
game_ended "SIGTERM under KWin" && stop_wm

# fluxbox with a toolbar of only its taskbar and no wallpaper (setting one
# fails here with a message window): the taskbar looks the same before the
# game starts and with its windows up.
printf 'session.screen0.toolbar.tools: iconbar\nsession.styleOverlay: %s\n' "$HOME/.fluxbox/overlay" >"$HOME/.fluxbox/init"
echo "background: none" >"$HOME/.fluxbox/overlay"
start_wm Fluxbox fluxbox
timeout 10 xdotool windowactivate --sync "$typing" || fail "fluxbox did not activate the window to type in"
sleep 0.5
# The toolbar is what fluxbox keeps off the work area at the screen's bottom.
bar_h=$((SCREEN_H - $(xprop -root _NET_WORKAREA | awk -F', ' '{print $4}')))
[ "$bar_h" -gt 0 ] || fail "fluxbox shows no toolbar"
taskbar() { import -window root -crop "${SCREEN_W}x$bar_h+0+$((SCREEN_H - bar_h))" +repage "$E2E_OUT/$1.png"; }
taskbar taskbar-before
# fluxbox gives the keyboard to no window when a box goes: the box gives it
# back.
start_dialog
open_about
is_active "$about" || fail "the About box has not the keyboard under fluxbox"
xdotool key Return
titled_gone "$ABOUT_TITLE" || fail "Enter left the About box up"
sleep 0.5
is_active "$typing" || fail "under fluxbox the keyboard went to $(active), not back to the window that had it"
start_playing
open_sheet
xdotool mousemove $((SCREEN_W / 2)) $((SCREEN_H / 2))
sleep 0.5
taskbar taskbar-during
screenshot fluxbox
changed=$(compare -metric AE "$E2E_OUT/taskbar-before.png" "$E2E_OUT/taskbar-during.png" null: 2>&1 || true)
[ "${changed%% *}" = 0 ] || fail "fluxbox's taskbar changed in $changed pixels while the game plays"
kill -TERM "$GAME_PID"
game_ended "SIGTERM under fluxbox" && stop_wm

# mutter composites on Xvfb: over a white window, the strips right of and
# above the start dialog stay white.
start_wm Mutter env -u DBUS_SESSION_BUS_ADDRESS mutter --x11 --replace
convert -size "${SCREEN_W}x$SCREEN_H" xc:white "$E2E_TMP/white.png"
display -geometry +0+0 "$E2E_TMP/white.png" >/dev/null 2>&1 &
XM_PID="$XM_PID $!"
sleep 1
start_dialog
sleep 1
screenshot mutter
for strip in "20x30+$((sx + 81))+$sy" "81x10+$sx+$((sy - 10))"; do
  shaded=$(import -window root -crop "$strip" png:- | convert png:- -fill black +opaque white -format '%[fx:round((1-mean)*w*h)]' info:)
  [ "$shaded" = 0 ] || fail "mutter shades $shaded pixels of $strip beside the start dialog"
done
echo "PASS"
