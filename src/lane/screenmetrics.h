#pragma once

// Height of the usable screen area in twips: the game's windows stand on
// this line, above any bottom panel.
int ScreenHeightTwips();
