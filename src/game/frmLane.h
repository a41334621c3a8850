#pragma once
#include "game/rules.h"
#include "lane/lanemodel.h"
#include "platform/screen.h"

#include <QPixmap>
#include <QWidget>

// The lane: a frameless strip at the bottom-left of the screen on which the
// ball rolls and the pins stand. Its two click areas at the left end are the
// player's controls: the throw button (CtrlButton) and the score-sheet button
// (CtrlScore). The handlers only change GameState or a flag; the main loop
// does the rest.
class frmLane : public QWidget
{
public:
    frmLane();

    // The look of the lane (solid or skeleton); drawn markers are cleared.
    void setLanePicture(const QPixmap &picture);
    // bo := img(colour); colour 0..4.
    void setBallColour(int colour);
    // Draws marker lines into the lane's persistent drawing; a line's last
    // pixel is not drawn.
    template <size_t N>
    void drawMarkers(const std::array<MarkerLine, N> &lines)
    {
        for (const MarkerLine &line : lines)
            drawMarker(line);
        update();
    }
    // Ball and pins are painted from the shared game state; call after it
    // changed.
    void refresh() { update(); }

    static const QRect kCtrlButton;  // pixels
    static const QRect kCtrlScore;

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void drawMarker(const MarkerLine &line);
    void CtrlButton_MouseDown(Qt::MouseButton button);
    void CtrlButton_MouseUp(Qt::MouseButton button);
    void CtrlScore_MouseDown(Qt::MouseButton button);

    bool pressOnButton_ = false;  // the press that holds the mouse began on CtrlButton
    QPixmap drawing_;  // lane picture plus the markers drawn on it
    QPixmap ball_;
    QPixmap pin_;
};

// The one lane window, created and placed on first use (not shown).
frmLane *LaneWindow();
bool LaneWindowLoaded();
void UnloadLaneWindow();
TwipsRect LaneWindowGeometryTwips();
