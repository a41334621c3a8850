#pragma once
#include <QPixmap>
#include <QString>
#include <array>

class QAction;
class QMenu;
class QWidget;

// Carrier of the game's pop-up menu and of the two lane pictures. It is never
// shown itself. The menu opens at the mouse pointer from the lane's throw
// button and from the start dialog; its commands only change the ball
// colour, the lane look, the settings file or GameState.
class frmMenu
{
public:
    static constexpr int kPlaces = 5;
    static constexpr int kColours = 5;

    static frmMenu *instance();

    // Opens the menu at the mouse pointer; returns when it closes, after the
    // chosen command has run.
    void popup(QWidget *owner);

    // Start-dialog view: only the high scores and the lane look.
    void setStartDialogView();
    void setFullView();

    void setHighScoreCaption(int index, const QString &caption);
    // Ticks colour `colour` only (no settings write, no ball change).
    void checkColour(int colour);

    // Lane(0) solid, Lane(1) skeleton.
    QPixmap Lane(int index) const { return lanes_[index]; }

    // Menu commands, also reachable for tests.
    void mcolor_Click(int index);
    void mhiscore_Click(int index);
    void mscreen_Click();
    void mver_Click();
    void mend_Click();

    QMenu *mpop() const { return mpop_; }
    QAction *mhiscore(int i) const { return mhiscore_[i]; }
    QAction *mcolor(int i) const { return mcolor_[i]; }

private:
    frmMenu();

    QMenu *mpop_;
    QMenu *mm_;
    QMenu *mballMenu_;
    QAction *mm_action_;
    QAction *sep01_, *mball_, *sepp_, *mscreen_, *sepx_, *mver_, *sep001_, *mend_;
    std::array<QAction *, kPlaces> mhiscore_{};
    std::array<QAction *, kColours> mcolor_{};
    std::array<QPixmap, 2> lanes_;
};
