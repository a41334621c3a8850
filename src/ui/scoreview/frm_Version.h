// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "desktop/x11desktop.h"

#include <QDialog>

class QPushButton;

// The About box: product name, version and a one-line notice under a caption
// bar of its own with only a close button, centred on the screen by its outer
// size. OK (which has the focus, so Enter or Space work) and the caption's
// close button (next by Tab) close it; Escape does nothing. On closing it
// gives the keyboard back to the desktop window that had it.
class frm_Version : public QDialog
{
public:
    frm_Version();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void centre();

    QPushButton *command1_;
    QSize centredOuterSize_;
    DesktopWindowId previousActive_ = 0;
};
