// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "sheetplace.h"

#include "windowshaper.h"

#include "game/game.h"
#include "score/frmScore.h"
#include "score/sheetposition.h"
#include "settings/settings.h"

SheetPlace::SheetPlace(const Game &game, Settings &settings, const WindowShaper &shaper,
                       std::function<TwipsRect()> lanePlace)
    : game_(game), settings_(settings), shaper_(shaper), lanePlace_(std::move(lanePlace))
{
}

void SheetPlace::load(frmScore &sheet)
{
    shaper_.ApplyRegion(sheet, kShapeScoreSheet);
    QObject::connect(&sheet, &frmScore::closing, [this, &sheet] { store(sheet); });
    const TwipsRect size = sheet.geometryTwips();
    QPoint place;
    const auto stored = StoredSheetPosition(settings_.ReadIniValue(kSheetSection, kSheetLeftKey),
                                            settings_.ReadIniValue(kSheetSection, kSheetTopKey));
    if (stored && ShowsGrabbablePart(
                      sheet.mask().translated(TwipsToPixels(stored->x()), TwipsToPixels(stored->y())))) {
        place = *stored;
    } else {
        const TwipsRect laneAt = lanePlace_();
        place = QPoint(laneAt.left, laneAt.top - size.height);
    }
    write(place);
    if (game_.ScoreSheetOnly)
        sheet.moveTwips(0, ScreenHeightTwips() - size.height);
    else
        sheet.moveTwips(place.x(), place.y());
}

// The sheet-only mode places the sheet in the corner itself and keeps no
// place of its own, so the player's place for ordinary games survives it.
void SheetPlace::store(const frmScore &sheet)
{
    if (game_.ScoreSheetOnly)
        return;
    const TwipsRect at = sheet.geometryTwips();
    write(QPoint(at.left, at.top));
}

void SheetPlace::write(const QPoint &twips)
{
    settings_.WriteIniValue(kSheetSection, kSheetLeftKey, QString::number(twips.x()));
    settings_.WriteIniValue(kSheetSection, kSheetTopKey, QString::number(twips.y()));
}
