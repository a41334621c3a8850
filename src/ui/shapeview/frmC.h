// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "shapeview/shapedwindow.h"

#include <QFont>

// Centre piece of the message balloon: the text on white between a line
// along the top edge and one along the bottom.
class frmC : public ShapedWindow
{
public:
    frmC();

    // Sizes the piece to the printed width of `text` (no margin) and its
    // fixed height, prints the text and draws the two edge lines.
    void printText(const QString &text);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QFont font_;
    QString text_;
};
