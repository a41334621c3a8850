#pragma once

// Rewrites the five high-score captions of the menu from the settings file.
void ListHighScores();

// Replays the stored game of place index + 1 on a red score sheet laid over
// the live one, modally; nothing happens for an empty place.
void ShowHighScoreReplay(int index);
