// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "presenter.h"

#include "windowloader.h"
#include "windowshaper.h"

#include "game/game.h"
#include "lane/timing.h"
#include "menuview/frmMenu.h"
#include "platform/twips.h"

namespace {
// The point the start announcement refers to, in pixels, written as laid
// out in twips: this far from the screen's left edge and this far above the
// lane.
constexpr int kMessageX = fromTwips(130);
constexpr int kMessageAboveLane = fromTwips(80);
}  // namespace

Presenter::Presenter(Game &game, Pacer &pacer, WindowLoader &windows, const frmMenu &menu,
                     const WindowShaper &shaper)
    : game_(game), pacer_(pacer), windows_(windows), menu_(menu), shaper_(shaper)
{
}

void Presenter::Wait(int milliseconds) { ::Wait(game_, pacer_, milliseconds); }

void Presenter::playBoard(const BoardSequence &steps)
{
    for (const BoardStep &step : steps) {
        if (step.what == BoardStep::What::Lamp)
            windows_.board().setLamp(step.index, step.on);
        else if (step.what == BoardStep::What::Mark)
            windows_.board().setMarkVisible(step.index, step.on);
        if (step.pauseMs > 0)
            Wait(step.pauseMs);
    }
}

void Presenter::ShowMessageBalloon(const QString &text, int milliseconds)
{
    game_.BalloonBusy = true;
    shaper_.reportShape(
        balloon_.show(text, QPoint(kMessageX, windows_.lane().frameGeometry().top() - kMessageAboveLane),
                      Balloon::Tail::Left));
    Wait(milliseconds);
    balloon_.hide();
    game_.BalloonBusy = false;
}

void Presenter::ToggleScreenMode()
{
    const bool toSkeleton = game_.SolidLane;
    frmLane &lane = windows_.lane();
    lane.setLanePicture(menu_.Lane(toSkeleton ? 1 : 0));
    lane.setFixedSize(frmLane::kSize);
    shaper_.ApplyRegion(lane, toSkeleton ? kShapeSkeletonLane : kShapeSolidLane);
    windows_.board().applyLook(toSkeleton ? frmDenkou::Look::Dark : frmDenkou::Look::Blue);
    game_.SolidLane = !toSkeleton;
}
