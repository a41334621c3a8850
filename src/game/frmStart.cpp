#include "game/frmStart.h"

#include "game/gamevars.h"
#include "menu/frmMenu.h"
#include "platform/handcursor.h"
#include "platform/pictures.h"
#include "platform/screen.h"
#include "platform/windowslot.h"
#include "score/frm_Version.h"
#include "shapes/mod_RGN_Proc.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
QRect twipsToPixels(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}
WindowSlot<frmStart> g_start;
}  // namespace

const QRect frmStart::kLabel1 = twipsToPixels(-15, 45, 360, 345);
const QRect frmStart::kLabel2 = twipsToPixels(870, 45, 345, 345);

frmStart::frmStart()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Marvolt"));
    setWindowIcon(ProgramIcon());
    setMouseTracking(true);
    face_ = Picture("start");
    SizeStartWindow(this);
    ApplyRegion(kShapeStartDialog, this);
}

void frmStart::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, face_);
}

void frmStart::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int label = kLabel1.contains(at) ? 1 : kLabel2.contains(at) ? 2 : 0;
    if (label != 0) {
        // A label is clicked by a left press and release on it.
        pressedLabel_ = event->button() == Qt::LeftButton ? label : 0;
        return;
    }
    Form_MouseDown(event->button());
}

void frmStart::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int label = std::exchange(pressedLabel_, 0);
    if (event->button() != Qt::LeftButton)
        return;
    if (label == 1 && kLabel1.contains(at))
        Label1_Click();
    else if (label == 2 && kLabel2.contains(at))
        Label2_Click();
}

void frmStart::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (kLabel1.contains(at) || kLabel2.contains(at))
        setCursor(HandCursor());
    else
        unsetCursor();
}

void frmStart::Label1_Click()
{
    frmMenu::instance()->setFullView();
    GameState = State::Start;
}

void frmStart::Label2_Click() { GameState = State::End; }

void frmStart::Form_MouseDown(Qt::MouseButton button)
{
    if (BalloonBusy == kTrue)
        return;
    if (button == Qt::RightButton) {
        frmMenu::instance()->setStartDialogView();
        frmMenu::instance()->popup(this);
        return;
    }
    ShowAboutBox();
}

frmStart *StartDialog() { return g_start.get(); }
bool StartDialogLoaded() { return g_start.loaded(); }
void UnloadStartDialog() { g_start.unload(); }
