#include "lane/frmDenkou.h"

#include "game/frmLane.h"
#include "game/gamevars.h"
#include "game/rules.h"
#include "lane/timing.h"
#include "platform/fonts.h"
#include "platform/pictures.h"
#include "platform/screen.h"
#include "platform/windowslot.h"
#include "score/scorerecord.h"

#include <QPainter>

static_assert(static_cast<int>(PinMark::Spare) == frmDenkou::kMarkSpare &&
                  static_cast<int>(PinMark::Strike) == frmDenkou::kMarkStrike,
              "a ball's mark names the board's picture");

namespace {
constexpr int kBoardWidth = 360;  // twips
constexpr int kBoardHeight = 420;
constexpr int kGapToLane = 60;
constexpr QSize kLampSize(75 / kTwipsPerPixel, 60 / kTwipsPerPixel);

// Lamp i lights pin i + 1; the head pin is at the bottom, pin 10 top left.
constexpr QPoint kLampTwips[frmDenkou::kLamps] = {
    {150, 210}, {195, 150}, {105, 150}, {240, 90}, {150, 90},
    {60, 90},   {285, 30},  {195, 30},  {105, 30}, {15, 30},
};
constexpr QRect kLabelTwips(22, 285, 330, 150);
constexpr const char *kMarkPictures[3] = {"mark_blank", "mark_spare", "mark_strike"};

constexpr QColor kBlueGround(0, 0, 255);
constexpr QColor kWhiteLamp(255, 255, 255);
constexpr QColor kBlackGround(0, 0, 0);
constexpr QColor kGreyLamp(128, 128, 128);
constexpr int kLabelPixelSize = 9;

// Pauses of the lamp sequences, ms.
constexpr int kLampStep = 30;
constexpr int kDarkStep = 5;
constexpr int kAfterDarken = 250;
constexpr int kBlinkStep = 200;
constexpr int kBlinkRounds = 3;
constexpr int kAfterBlink = 600;

WindowSlot<frmDenkou> g_board;

QRect pixels(const QRect &twips)
{
    return QRect(TwipsToPixels(twips.x()), TwipsToPixels(twips.y()), TwipsToPixels(twips.width()),
                 TwipsToPixels(twips.height()));
}
}  // namespace

frmDenkou::frmDenkou()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Marvolt"));
    background_ = Picture("denkou_bg");
    for (int i = 0; i < 3; ++i)
        marks_[i] = Picture(kMarkPictures[i]);
    fno_ = new QLabel(QStringLiteral("F-01"), this);
    QFont font(kGothic);
    font.setPixelSize(kLabelPixelSize);
    fno_->setFont(font);
    fno_->setGeometry(pixels(kLabelTwips));
    fno_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    applyLook(Look::Blue);

    // Beside the lane, centred on it vertically.
    const TwipsRect lane = LaneWindowGeometryTwips();
    ResizeWindowTwips(this, kBoardWidth, kBoardHeight);
    MoveWindowTwips(this, lane.width + kGapToLane, lane.top + (lane.height - kBoardHeight) / 2);
}

void frmDenkou::applyLook(Look look)
{
    ground_ = look == Look::Blue ? kBlueGround : kBlackGround;
    lamp_ = look == Look::Blue ? kWhiteLamp : kGreyLamp;
    fno_->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(lamp_.name()));
    update();
}

void frmDenkou::setLamp(int lamp, bool lit)
{
    lit_[lamp] = lit;
    update();
}

void frmDenkou::setMarkVisible(int mark, bool visible)
{
    markShown_[mark] = visible;
    update();
}

void frmDenkou::setFrameLabel(const QString &text) { fno_->setText(text); }
QString frmDenkou::frameLabel() const { return fno_->text(); }

void frmDenkou::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), ground_);
    p.drawPixmap(0, 0, background_);
    p.setPen(lamp_);
    p.setBrush(lamp_);
    for (int i = 0; i < kLamps; ++i)
        if (lit_[i])
            p.drawEllipse(QRect(pixels(QRect(kLampTwips[i], QSize())).topLeft(), kLampSize)
                              .adjusted(0, 0, -1, -1));
    // Later marks lie above earlier ones, as the blank covers the mark it
    // blinks with.
    for (int m : {kMarkSpare, kMarkStrike, kMarkBlank})
        if (markShown_[m])
            p.drawPixmap(0, 0, marks_[m]);
}

frmDenkou *PinBoard() { return g_board.get(); }
bool PinBoardLoaded() { return g_board.loaded(); }
void UnloadPinBoard() { g_board.unload(); }

void ShowFrameNumber() { PinBoard()->setFrameLabel(FrameLabel(szScore)); }

void LightStandingPins()
{
    for (int i = 0; i < frmDenkou::kLamps; ++i)
        if (PinState[i + 1] == 0) {
            PinBoard()->setLamp(i, true);
            Wait(kLampStep);
        }
}

void DarkenFelledPins()
{
    for (int i = 0; i < frmDenkou::kLamps; ++i)
        if (PinState[i + 1] != 0) {
            PinBoard()->setLamp(i, false);
            Wait(kDarkStep);
        }
    Wait(kAfterDarken);
}

void ClearLamps()
{
    for (int i = 0; i < frmDenkou::kLamps; ++i) {
        PinBoard()->setLamp(i, false);
        Wait(kDarkStep);
    }
    for (int i = 0; i < frmDenkou::kLamps; ++i)
        if (PinState[i + 1] == 0) {
            PinBoard()->setLamp(i, false);
            Wait(kLampStep);
        }
}

void ShowMark(int mark) { PinBoard()->setMarkVisible(mark, true); }

void BlinkMark()
{
    const PinMark last = LastThrowMark(szScore);
    const int mark = static_cast<int>(last);
    if (last != PinMark::None)
        for (int round = 0; round < kBlinkRounds; ++round) {
            Wait(kBlinkStep);
            PinBoard()->setMarkVisible(mark, false);
            PinBoard()->setMarkVisible(frmDenkou::kMarkBlank, true);
            Wait(kBlinkStep);
            PinBoard()->setMarkVisible(mark, true);
            PinBoard()->setMarkVisible(frmDenkou::kMarkBlank, false);
        }
    Wait(kAfterBlink);
    for (int m : {frmDenkou::kMarkBlank, frmDenkou::kMarkSpare, frmDenkou::kMarkStrike})
        PinBoard()->setMarkVisible(m, false);
}
