#include "game/frmLane.h"

#include "game/gamevars.h"
#include "lane/lanemodel.h"
#include "lane/pinmodel.h"
#include "lane/screenmetrics.h"
#include "menu/frmMenu.h"
#include "platform/handcursor.h"
#include "platform/pictures.h"
#include "platform/windowslot.h"
#include "score/frmScore.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

// Click areas, from their layout in twips (left, top, width, height).
const QRect frmLane::kCtrlButton(30 / kTwipsPerPixel, 0, 225 / kTwipsPerPixel, 225 / kTwipsPerPixel);
const QRect frmLane::kCtrlScore(0, 240 / kTwipsPerPixel, 300 / kTwipsPerPixel, 225 / kTwipsPerPixel);

namespace {
constexpr const char *kBallPictures[kBallColours] = {"ball0", "ball1", "ball2", "ball3", "ball4"};
WindowSlot<frmLane> g_lane;
}  // namespace

frmLane::frmLane()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QStringLiteral("Marvolt"));
    setFixedSize(kLaneInnerWidth, kLaneInnerHeight);
    setMouseTracking(true);
    pin_ = Picture("pin");
    setBallColour(0);
    // Load: flush with the bottom-left corner of the usable screen.
    MoveWindowTwips(this, 0, ScreenHeightTwips() - PixelsToTwips(kLaneInnerHeight));
}

void frmLane::setLanePicture(const QPixmap &picture)
{
    drawing_ = picture.isNull() ? QPixmap(kLaneInnerWidth, kLaneInnerHeight) : picture;
    update();
}

void frmLane::setBallColour(int colour)
{
    if (colour < 0 || colour >= kBallColours)
        colour = 0;
    ball_ = Picture(kBallPictures[colour]);
    update();
}

void frmLane::drawMarker(const MarkerLine &line)
{
    if (drawing_.isNull())
        return;
    QPainter p(&drawing_);
    p.setPen(QColor(line.colour.red, line.colour.green, line.colour.blue));
    // Lines leave out their end point; markers are horizontal.
    const int step = line.x2 > line.x1 ? 1 : -1;
    for (int x = line.x1; x != line.x2; x += step)
        p.drawPoint(x, line.y1);
}

void frmLane::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, drawing_);
    for (int i = 0; i < kPinImageCount; ++i)
        if (PinVisible[i])
            p.drawPixmap(kPinImages[i].left, kPinImages[i].top, pin_);
    const auto centre = BallCentreRow();
    if (BallVisible && centre)
        p.drawPixmap(static_cast<int>(std::floor(BallDrawnLeft)), *centre - kBallSize / 2, ball_);
}

void frmLane::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (event->buttons() == event->button())
        pressOnButton_ = kCtrlButton.contains(at);
    if (kCtrlButton.contains(at))
        CtrlButton_MouseDown(event->button());
    else if (kCtrlScore.contains(at))
        CtrlScore_MouseDown(event->button());
}

void frmLane::mouseReleaseEvent(QMouseEvent *event)
{
    // The button keeps the mouse from its press: the release counts wherever
    // the pointer is by then.
    if (pressOnButton_ || kCtrlButton.contains(event->position().toPoint()))
        CtrlButton_MouseUp(event->button());
    if (event->buttons() == Qt::NoButton)
        pressOnButton_ = false;
}

void frmLane::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (kCtrlButton.contains(at) || kCtrlScore.contains(at))
        setCursor(HandCursor());
    else
        unsetCursor();
}

void frmLane::CtrlButton_MouseDown(Qt::MouseButton button)
{
    if (BalloonBusy == kTrue)
        return;
    if (button == Qt::RightButton) {
        frmMenu::instance()->popup(this);
        return;
    }
    if (GameState == State::Location1) {
        GameState = State::Location2;
    } else if (GameState == State::Location2) {
        ButtonHeld = kTrue;
        GameState = State::Location3;
    }
}

void frmLane::CtrlButton_MouseUp(Qt::MouseButton button)
{
    if (BalloonBusy == kTrue)
        return;
    ButtonHeld = kFalse;
    if (button != Qt::RightButton && GameState == State::Location3)
        GameState = State::ThrowS;
}

void frmLane::CtrlScore_MouseDown(Qt::MouseButton button)
{
    if (BalloonBusy == kTrue || button != Qt::LeftButton)
        return;
    if (ScoreSheetLoaded() && ScoreSheet()->isVisible()) {
        UnloadScoreSheet();
        return;
    }
    frmScore *sheet = ScoreSheet();
    sheet->show();
    sheet->DisplayScore(szScore, szSprit);
}

frmLane *LaneWindow() { return g_lane.get(); }
bool LaneWindowLoaded() { return g_lane.loaded(); }
void UnloadLaneWindow() { g_lane.unload(); }

TwipsRect LaneWindowGeometryTwips() { return WindowTwips(LaneWindow()); }
