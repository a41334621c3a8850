// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "lane/pinboardsequence.h"
#include "shapeview/shapedwindow.h"

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <array>

// The pin board: a tiny electric scoreboard beside the lane. Ten lamps show
// the standing pins, a label the frame, and a strike or spare mark flashes
// over the lamps. It holds no game logic; the game plays its sequences on it.
class frmDenkou : public ShapedWindow
{
    Q_OBJECT
public:
    enum class Look { Blue, Dark };

    frmDenkou();

    // Beside the lane window (its outer geometry), centred on it vertically.
    void placeBeside(const QRect &lane);

    void applyLook(Look look);
    void setLamp(int lamp, bool lit);
    void setMarkVisible(int mark, bool visible);
    void setFrameLabel(const QString &text);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    std::array<bool, kBoardLamps> lit_{};
    std::array<bool, kBoardMarks> markShown_{};
    std::array<QPixmap, kBoardMarks> marks_;
    QPixmap background_;
    QColor ground_, lamp_;
    QLabel *fno_;
};
