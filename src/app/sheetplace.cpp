// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "sheetplace.h"

#include "windowshaper.h"

#include "desktop/screen.h"
#include "game/game.h"
#include "platform/screenfit.h"
#include "score/sheetposition.h"
#include "scoreview/frmScore.h"
#include "settings/settings.h"

SheetPlace::SheetPlace(const Game &game, Settings &settings, const WindowShaper &shaper,
                       std::function<QRect()> lanePlace)
    : game_(game), settings_(settings), shaper_(shaper), lanePlace_(std::move(lanePlace))
{
}

void SheetPlace::load(frmScore &sheet)
{
    shaper_.ApplyRegion(sheet, kShapeScoreSheet);
    QObject::connect(&sheet, &frmScore::closing, [this, &sheet] { store(sheet); });
    std::optional<SheetPosition> place = readSheetPosition(settings_);
    if (!place || !showsGrabbablePart(sheet.mask().translated(place->pixels())))
        place = SheetPosition::atPixels(lanePlace_().topLeft() - QPoint(0, sheet.frameGeometry().height()));
    const QRect at(place->pixels(), sheet.frameGeometry().size());
    if (const QRect fitted = fittedInto(at, availableAreaAt(at)); fitted != at)
        place = SheetPosition::atPixels(fitted.topLeft());
    writeSheetPosition(settings_, *place);
    if (game_.ScoreSheetOnly)
        sheet.moveToScreenCorner();
    else
        sheet.move(place->pixels());
}

// The sheet-only mode places the sheet in the corner itself and keeps no
// place of its own, so the player's place for ordinary games survives it.
void SheetPlace::store(const frmScore &sheet)
{
    if (game_.ScoreSheetOnly)
        return;
    writeSheetPosition(settings_, SheetPosition::atPixels(sheet.frameGeometry().topLeft()));
}
