// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "lane/lanemodel.h"
#include "platform/twips.h"
#include "shapeview/shapedwindow.h"

#include <QPixmap>

class Game;

// The lane: a frameless strip at the bottom-left of the screen on which the
// ball rolls and the pins stand, drawn from the game's rack and roll. Its two
// click areas at the left end are the player's controls: the throw button
// (CtrlButton) and the score-sheet button (CtrlScore). It only reports them.
class frmLane : public ShapedWindow
{
    Q_OBJECT
public:
    explicit frmLane(const Game &game);

    // Size and click areas in pixels, written as laid out in twips (left,
    // top, width, height).
    static constexpr QSize kSize = fromTwips(QSize(4605, 435));
    static constexpr QRect kCtrlButton = fromTwips(QRect(30, 0, 225, 225));
    static constexpr QRect kCtrlScore = fromTwips(QRect(0, 240, 300, 225));

    // The look of the lane (solid or skeleton); the markers are drawn on it
    // again as they stood.
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
    // Ball and pins are painted from the game; call after they changed.
    void refresh() { update(); }

Q_SIGNALS:
    void CtrlButton_MouseDown(Qt::MouseButton button);
    void CtrlButton_MouseUp(Qt::MouseButton button);
    void CtrlScore_MouseDown(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void drawMarker(const MarkerLine &line);
    void paintMarker(const MarkerLine &line);

    const Game &game_;
    bool pressOnButton_ = false;               // the press that holds the mouse began on CtrlButton
    QPixmap drawing_;                          // lane picture plus the markers drawn on it
    IdleMarkerLines markers_ = idleMarkers();  // every marker line as it was last drawn
    QPixmap ball_;
    QPixmap pin_;
};
