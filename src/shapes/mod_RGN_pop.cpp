#include "shapes/mod_RGN_pop.h"

#include "game/frmLane.h"
#include "game/gamevars.h"
#include "lane/timing.h"
#include "platform/pictures.h"
#include "platform/screen.h"
#include "shapes/frmC.h"
#include "shapes/frmL.h"
#include "shapes/frmR.h"
#include "shapes/mod_RGN_Proc.h"
#include "shapes/popregiondata.h"

#include <memory>

namespace {
// The point the announcement refers to: this far from the screen's left edge
// and this far above the lane, twips.
constexpr int kMessageX = 130;
constexpr int kMessageAboveLane = 80;
constexpr int kPieceHeight = 270;  // twips
constexpr int kTailWidth = 120;
constexpr int kPlainWidth = 105;
constexpr int kCentreDrop = 10;  // the centre piece sits this much lower

struct PieceLayout {
    const char *picture;
    int width;
    int shape;
};
// Left and right pieces of each style.
constexpr PieceLayout kLayouts[2][2] = {
    {{"balloon_l_tail", kTailWidth, 0}, {"balloon_r", kPlainWidth, 1}},
    {{"balloon_l", kPlainWidth, 2}, {"balloon_r_tail", kTailWidth, 3}},
};

std::unique_ptr<frmL> g_left;
std::unique_ptr<frmC> g_centre;
std::unique_ptr<frmR> g_right;

void layOut(BalloonPiece *piece, const PieceLayout &layout)
{
    piece->setPicture(Picture(layout.picture));
    ResizeWindowTwips(piece, layout.width, kPieceHeight);
    ApplyPopRegion(layout.shape, piece);
}
}  // namespace

void ApplyPopRegion(int shape, QWidget *window)
{
    if (shape < 0 || shape >= kRegionShapes)
        return;
    ApplyRegionRecord(PopRegionData[shape], window);
}

void ShowBalloon(const QString &text, int x, int y, int style)
{
    BalloonBusy = kTrue;
    if (!g_left)
        g_left = std::make_unique<frmL>();
    if (!g_centre)
        g_centre = std::make_unique<frmC>();
    if (!g_right)
        g_right = std::make_unique<frmR>();
    if (PopRegionsBuilt != kTrue) {
        BuildPopRegionData();
        PopRegionsBuilt = kTrue;
    }
    y -= WindowTwips(g_left.get()).height;
    g_centre->printText(text);
    if (style == kTailLeft || style == kTailRight) {
        layOut(g_left.get(), kLayouts[style][0]);
        layOut(g_right.get(), kLayouts[style][1]);
    }
    const int leftWidth = WindowTwips(g_left.get()).width;
    const int centreWidth = WindowTwips(g_centre.get()).width;
    if (style == kTailRight)
        x -= centreWidth + leftWidth;
    // The balloon's corner is converted once and the pieces placed from it in
    // pixels: converted piece by piece, the centre's 10-twip drop could round
    // away, and the end pieces' artwork needs the centre one pixel lower.
    MoveWindowTwips(g_left.get(), x, y);
    const QPoint corner = g_left->pos();
    g_centre->move(corner.x() + g_left->width(), corner.y() + TwipsToPixels(kCentreDrop));
    g_right->move(corner.x() + g_left->width() + g_centre->width(), corner.y());
    g_left->show();
    g_centre->show();
    g_right->show();
}

void ShowMessageBalloon(const QString &text, int milliseconds)
{
    BalloonBusy = kTrue;
    ShowBalloon(text, kMessageX, LaneWindowGeometryTwips().top - kMessageAboveLane, kTailLeft);
    Wait(milliseconds);
    g_left.reset();
    g_centre.reset();
    g_right.reset();
    BalloonBusy = kFalse;
}

bool BalloonUp() { return g_left || g_centre || g_right; }
