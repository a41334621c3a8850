// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "platform/twips.h"
#include "shapeview/shapedwindow.h"

#include <QPixmap>

// The start dialog: a small shaped picture at the bottom-left of the screen
// whenever no game runs. It reports a click on S or E and any other press.
class frmStart : public ShapedWindow
{
    Q_OBJECT
public:
    frmStart();

    // Size and click areas (S, E) in pixels, written as laid out in twips
    // (left, top, width, height).
    static constexpr QSize kSize = fromTwips(QSize(1215, 450));
    static constexpr QRect kLabel1 = fromTwips(QRect(-15, 45, 360, 345));
    static constexpr QRect kLabel2 = fromTwips(QRect(870, 45, 345, 345));

Q_SIGNALS:
    void Label1_Click();
    void Label2_Click();
    // A press outside S and E.
    void Form_MouseDown(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap face_;
    enum class Label { None, S, E };
    Label pressedLabel_ = Label::None;  // while a left press on it is held
};
