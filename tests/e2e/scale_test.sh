#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# The game scaled, on a bare X server. At 2 the windows are twice their size,
# the sheet's text is drawn at full resolution (not the same picture once
# halved and doubled again) and the lit lamps cover the pin board's dots
# exactly; 1.5, given per screen, rounds to 2 with every window on the screen.
source "$(dirname "$0")/lib.sh" "$@"
ASSETS="$(dirname "$0")/../../src/assets"

start_xvfb
convert "$ASSETS/denkou_bg.xpm" -sample 200% -fill black -opaque '#0000FF' -fill white +opaque black "$E2E_TMP/dots.png"
for scale in 2 1.5; do
  if [ "$scale" = 2 ]; then QT_SCALE_FACTOR=$scale start_game; else QT_SCREEN_SCALE_FACTORS="$scale" start_game; fi
  read -r _ sx sy w h < <(wait_window 162 60) || fail "start dialog not at twice its size at $scale"
  [ "$sx/$((sy + h))" = "0/$SCREEN_H" ] || fail "start dialog not at the bottom-left at $scale"
  click_at $((sx + 20)) $((sy + 28))
  read -r _ lx ly _ _ < <(wait_window $((2 * LANE_W)) $((2 * LANE_H))) || fail "lane not at twice its size at $scale"
  sleep 3  # the announcement balloon
  click_at $((lx + 2 * SCORE_BTN_X)) $((ly + 2 * SCORE_BTN_Y))
  read -r _ cx cy cw ch < <(wait_window 642 90) || fail "score sheet not at twice its size at $scale"
  while read -r _ x y w h; do
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$SCREEN_W" ] && [ $((y + h)) -le "$SCREEN_H" ] ||
      fail "a window off the screen at $scale: $x,$y ${w}x$h"
  done < <(game_windows)
  sleep 0.5
  screenshot "scale-$scale"
  # All ten lamps are lit before the first ball.
  read -r _ bx by _ _ < <(wait_window 48 56) || fail "pin board not at twice its size at $scale"
  lamps=$(import -window root -crop "48x38+$bx+$by" +repage png:- | convert png:- -fill black +opaque white png:- |
    compare -metric AE png:- "$E2E_TMP/dots.png" null: 2>&1 || true)
  [ "${lamps%% *}" = 0 ] || fail "at $scale, $lamps pixels of the lamps are off their dots"
  import -window root -crop "${cw}x${ch}+$cx+$cy" +repage "$E2E_OUT/sheet-$scale.png"
  changed=$(convert "$E2E_OUT/sheet-$scale.png" -sample 50% -sample 200% png:- |
    compare -metric AE "$E2E_OUT/sheet-$scale.png" png:- null: 2>&1 || true)
  [ "${changed%% *}" -gt 50 ] 2>/dev/null || fail "the sheet at $scale is pixel-doubled ($changed pixels differ)"
  kill -TERM "$GAME_PID"
  game_ended "SIGTERM at $scale"
  rm -f "$INI"
done
echo "PASS"
