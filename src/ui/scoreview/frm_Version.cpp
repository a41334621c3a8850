// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "scoreview/frm_Version.h"

#include "desktop/captionbar.h"
#include "desktop/fonts.h"
#include "desktop/pictures.h"
#include "desktop/placekeeper.h"
#include "desktop/screen.h"
#include "desktop/x11desktop.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QFrame>
#include <QHideEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QtMath>

namespace {
const QString kProduct = QStringLiteral("Marvolt");
const QString kVersion = QStringLiteral("Version 1.2.0");

constexpr QSize kClientSize(263, 75);
constexpr int kBorder = 1;  // the thin frame around caption and client
constexpr QRect kImage1(7, 13, 32, 32);
constexpr QRect kProductLabel(43, 10, 159, 19);
constexpr QRect kVersionLabel(101, 35, 101, 19);
constexpr QRect kNoticeLabel(52, 62, 185, 15);  // grown to the font's full line
constexpr int kBottomMargin = 2;
constexpr QRect kOkButton(205, 8, 53, 23);
constexpr int kSeparatorY = 58;
constexpr double kTitlePoints = 9.75;
constexpr double kTextPoints = 9;

QLabel *label(QWidget *parent, const QString &text, const QRect &at, const QFont &font)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(at);
    l->setFont(font);
    return l;
}

// An etched line across the whole dialog: a shadow line over a white one.
void addSeparator(QWidget *parent)
{
    auto *white = new QFrame(parent);
    white->setGeometry(0, kSeparatorY, kClientSize.width(), 2);
    white->setStyleSheet(QStringLiteral("background: white;"));
    auto *shadow = new QFrame(parent);
    shadow->setGeometry(0, kSeparatorY + 1, kClientSize.width(), 1);
    shadow->setStyleSheet(QStringLiteral("background: palette(window-text);"));
}
}  // namespace

frm_Version::frm_Version()
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QCoreApplication::translate("frm_Version", "ﾊﾞｰｼﾞｮﾝ情報"));
    setWindowIcon(programIcon());

    auto *caption = new CaptionBar(this);
    connect(caption, &CaptionBar::closeClicked, this, &QDialog::accept);
    auto *client = new QWidget(this);

    auto *image1 = new QLabel(client);
    image1->setGeometry(kImage1);
    image1->setPixmap(pictureNamed("icon"));
    label(client, kProduct, kProductLabel, gameFont(kPMincho, kTitlePoints, true));
    label(client, kVersion, kVersionLabel, gameFont(kTimes, kTitlePoints, true));
    addSeparator(client);
    // The notice's label is as tall as a whole line of its font, descenders
    // included, and the client area grows to hold it.
    const QFont noticeFont = gameFont(kPGothic, kTextPoints);
    QRect notice = kNoticeLabel;
    notice.setHeight(qMax(notice.height(), qCeil(QFontMetricsF(noticeFont).height())));
    label(client, QCoreApplication::translate("frm_Version", "デスクトップでボウリング。"), notice,
          noticeFont);

    command1_ = new QPushButton(QStringLiteral("OK"), client);
    command1_->setGeometry(kOkButton);
    command1_->setFont(gameFont(kPGothic, kTextPoints));
    command1_->setDefault(true);
    command1_->setAutoDefault(true);
    command1_->setFocus();
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(command1_, caption->closeButton());

    const QSize clientSize(kClientSize.width(),
                           qMax(kClientSize.height(), notice.bottom() + 1 + kBottomMargin));
    caption->setGeometry(kBorder, kBorder, clientSize.width(), caption->barHeight());
    client->setGeometry(kBorder, caption->geometry().bottom() + 1, clientSize.width(), clientSize.height());
    setFixedSize(clientSize.width() + 2 * kBorder, client->geometry().bottom() + 1 + kBorder);
    new PlaceKeeper(this);
}

void frm_Version::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centredOuterSize_ = QSize();
    centre();
    command1_->setFocus();
    previousActive_ = activeDesktopWindow();
}

// Some window managers give the keyboard to no window when the box goes;
// the one that had it before the box came gets it back, unless the player
// has since chosen another.
void frm_Version::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    const DesktopWindowId own = static_cast<DesktopWindowId>(winId());
    const DesktopWindowId active = activeDesktopWindow();
    if (previousActive_ != own && (active == 0 || active == own))
        activateDesktopWindow(previousActive_);
}

// The box draws its own caption, so its outer size is its own size; a window
// manager that frames it all the same tells its frame by moving the box, and
// the box then centres itself again, once the move is handled.
void frm_Version::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    QMetaObject::invokeMethod(this, &frm_Version::centre, Qt::QueuedConnection);
}

void frm_Version::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::Shadow));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// Centred on the screen by the window's outer size; once for each outer
// size, so that the box stays where the player drags it.
void frm_Version::centre()
{
    const QSize outer = frameGeometry().size();
    if (outer == centredOuterSize_)
        return;
    centredOuterSize_ = outer;
    const QRect screen = primaryScreenRect();
    move(screen.x() + (screen.width() - outer.width()) / 2,
         screen.y() + (screen.height() - outer.height()) / 2);
}

void frm_Version::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return event->accept();
    QDialog::keyPressEvent(event);
}
