// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "score/frm_Version.h"

#include "platform/fonts.h"
#include "platform/pictures.h"
#include "platform/screen.h"

#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
const QString kCaption = QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報");
const QString kProduct = QStringLiteral("Marvolt");
const QString kVersion = QStringLiteral("Version 1.2.0");
const QString kNotice = QStringLiteral("Bowling on your desktop.");

constexpr QSize kClientSize(263, 75);
constexpr QRect kImage1(7, 13, 32, 32);
constexpr QRect kProductLabel(43, 10, 159, 19);
constexpr QRect kVersionLabel(101, 35, 101, 19);
constexpr QRect kNoticeLabel(52, 62, 185, 15);
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
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(kCaption);
    setWindowIcon(ProgramIcon());
    setFixedSize(kClientSize);

    auto *image1 = new QLabel(this);
    image1->setGeometry(kImage1);
    image1->setPixmap(Picture("icon"));
    label(this, kProduct, kProductLabel, GameFont(kPMincho, kTitlePoints, true));
    label(this, kVersion, kVersionLabel, GameFont(kTimes, kTitlePoints, true));
    addSeparator(this);
    label(this, kNotice, kNoticeLabel, GameFont(kPGothic, kTextPoints));

    command1_ = new QPushButton(QStringLiteral("OK"), this);
    command1_->setGeometry(kOkButton);
    command1_->setFont(GameFont(kPGothic, kTextPoints));
    command1_->setDefault(true);
    command1_->setAutoDefault(true);
    command1_->setFocus();
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);
}

void frm_Version::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred on the screen every time, by the window's outer size.
    const QRect screen = PrimaryScreenRect();
    const QSize outer = frameGeometry().size();
    move(screen.x() + (screen.width() - outer.width()) / 2,
         screen.y() + (screen.height() - outer.height()) / 2);
    command1_->setFocus();
}

void frm_Version::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return event->accept();
    QDialog::keyPressEvent(event);
}

void ShowAboutBox()
{
    frm_Version box;
    box.exec();
}
