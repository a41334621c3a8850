// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "menuview/frmMenu.h"

#include "desktop/fonts.h"
#include "desktop/pictures.h"

#include <QAction>
#include <QCursor>
#include <QIcon>
#include <QMenu>
#include <QPainter>

namespace {
constexpr const char *kColourCaptions[kBallColours] = {
    QT_TRANSLATE_NOOP("frmMenu", "黒"), QT_TRANSLATE_NOOP("frmMenu", "赤"),
    QT_TRANSLATE_NOOP("frmMenu", "青"), QT_TRANSLATE_NOOP("frmMenu", "緑"),
    QT_TRANSLATE_NOOP("frmMenu", "無")};

// The tick beside the chosen colour. The colour items are not checkable,
// so the others show nothing beside their caption, not an empty box.
constexpr int kTickSize = 16;
constexpr QPoint kTickStroke[] = {{3, 8}, {6, 11}, {12, 4}};

QIcon tickIcon()
{
    QPixmap tick(kTickSize, kTickSize);
    tick.fill(Qt::transparent);
    QPainter p(&tick);
    p.setPen(QPen(Qt::black, 2));
    p.drawPolyline(kTickStroke, 3);
    return QIcon(tick);
}
}  // namespace

frmMenu::frmMenu() : mpop_(std::make_unique<QMenu>(QStringLiteral("mpop")))
{
    lanes_ = {pictureNamed("lane_solid"), pictureNamed("lane_skeleton")};
    mpop_->setFont(textFont());  // submenus are windows of their own: each gets it

    mm_ = mpop_->addMenu(tr("ハイスコア"));
    mm_->setFont(textFont());
    for (int i = 0; i < kHighScorePlaces; ++i) {
        mhiscore_[i] = mm_->addAction(tr("(なし)"));
        connect(mhiscore_[i], &QAction::triggered, this, [this, i] { Q_EMIT mhiscore_Click(i); });
    }
    mstats_ = mpop_->addAction(tr("成績"));
    connect(mstats_, &QAction::triggered, this, &frmMenu::mstats_Click);
    sep01_ = mpop_->addSeparator();
    mballMenu_ = mpop_->addMenu(tr("ボール"));
    mballMenu_->setFont(textFont());
    mball_ = mballMenu_->menuAction();
    for (int i = 0; i < kBallColours; ++i) {
        mcolor_[i] = mballMenu_->addAction(tr(kColourCaptions[i]));
        connect(mcolor_[i], &QAction::triggered, this, [this, i] {
            checkColour(i);
            Q_EMIT mcolor_Click(i);
        });
    }
    sepp_ = mpop_->addSeparator();
    mscreen_ = mpop_->addAction(tr("画面モード切替"));
    connect(mscreen_, &QAction::triggered, this, &frmMenu::mscreen_Click);
    msound_ = mpop_->addAction(tr("効果音"));
    msound_->setCheckable(true);
    connect(msound_, &QAction::triggered, this, &frmMenu::msound_Click);
    sepx_ = mpop_->addSeparator();
    mver_ = mpop_->addAction(tr("バージョン情報"));
    connect(mver_, &QAction::triggered, this, &frmMenu::mver_Click);
    sep001_ = mpop_->addSeparator();
    mend_ = mpop_->addAction(tr("ゲーム終了"));
    connect(mend_, &QAction::triggered, this, &frmMenu::mend_Click);
}

frmMenu::~frmMenu() = default;

void frmMenu::popup() { mpop_->exec(QCursor::pos()); }

void frmMenu::setStartDialogView()
{
    for (QAction *a : {mball_, mend_, mver_, sep001_, sep01_, sepx_})
        a->setVisible(false);
}

void frmMenu::setFullView()
{
    for (QAction *a : {mball_, mend_, mver_, sep001_, sep01_, sepx_})
        a->setVisible(true);
}

void frmMenu::checkSound(bool on) { msound_->setChecked(on); }

void frmMenu::setHighScoreCaption(int index, const QString &caption) { mhiscore_[index]->setText(caption); }

void frmMenu::checkColour(int colour)
{
    const QIcon tick = tickIcon();
    for (int i = 0; i < kBallColours; ++i)
        mcolor_[i]->setIcon(i == colour ? tick : QIcon());
}
