#include "menu/frmMenu.h"

#include "game/frmLane.h"
#include "game/gamevars.h"
#include "hiscore/hiscorelisting.h"
#include "platform/pictures.h"
#include "score/frm_Version.h"
#include "settings/settings.h"
#include "shapes/mod_RGN_Proc.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

namespace {
constexpr const char *kColourCaptions[frmMenu::kColours] = {"黒", "赤", "青", "緑", "無"};
const QString kNoEntry = QStringLiteral("(なし)");
}  // namespace

frmMenu *frmMenu::instance()
{
    static frmMenu *menu = new frmMenu;
    return menu;
}

frmMenu::frmMenu()
{
    lanes_ = {Picture("lane_solid"), Picture("lane_skeleton")};

    mpop_ = new QMenu(QStringLiteral("mpop"));
    mm_ = mpop_->addMenu(QStringLiteral("ハイスコア"));
    mm_action_ = mm_->menuAction();
    for (int i = 0; i < kPlaces; ++i) {
        mhiscore_[i] = mm_->addAction(kNoEntry);
        QObject::connect(mhiscore_[i], &QAction::triggered, [this, i] { mhiscore_Click(i); });
    }
    sep01_ = mpop_->addSeparator();
    mballMenu_ = mpop_->addMenu(QStringLiteral("ボール"));
    mball_ = mballMenu_->menuAction();
    for (int i = 0; i < kColours; ++i) {
        mcolor_[i] = mballMenu_->addAction(QString::fromUtf8(kColourCaptions[i]));
        mcolor_[i]->setCheckable(true);
        QObject::connect(mcolor_[i], &QAction::triggered, [this, i] { mcolor_Click(i); });
    }
    sepp_ = mpop_->addSeparator();
    mscreen_ = mpop_->addAction(QStringLiteral("画面モード切替"));
    QObject::connect(mscreen_, &QAction::triggered, [this] { mscreen_Click(); });
    sepx_ = mpop_->addSeparator();
    mver_ = mpop_->addAction(QStringLiteral("バージョン情報"));
    QObject::connect(mver_, &QAction::triggered, [this] { mver_Click(); });
    sep001_ = mpop_->addSeparator();
    mend_ = mpop_->addAction(QStringLiteral("ゲーム終了"));
    QObject::connect(mend_, &QAction::triggered, [this] { mend_Click(); });
}

void frmMenu::popup(QWidget *owner)
{
    Q_UNUSED(owner);
    mpop_->exec(QCursor::pos());
}

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

void frmMenu::setHighScoreCaption(int index, const QString &caption) { mhiscore_[index]->setText(caption); }

void frmMenu::checkColour(int colour)
{
    for (int i = 0; i < kColours; ++i)
        mcolor_[i]->setChecked(i == colour);
}

void frmMenu::mcolor_Click(int index)
{
    for (int i = 0; i < kColours; ++i) {
        mcolor_[i]->setChecked(i == index);
        if (i == index) {
            WriteIniValue(QStringLiteral("BALL"), QStringLiteral("COLOR"), QString::number(i));
            LaneWindow()->setBallColour(i);
        }
    }
}

void frmMenu::mhiscore_Click(int index) { ShowHighScoreReplay(index); }

void frmMenu::mscreen_Click() { ToggleScreenMode(); }

void frmMenu::mver_Click() { ShowAboutBox(); }

void frmMenu::mend_Click() { GameState = State::GameOver; }
