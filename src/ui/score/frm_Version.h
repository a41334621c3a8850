// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QDialog>

class QPushButton;

// The About box: product name, version and a one-line notice, centred on
// the screen by its outer frame; OK (which has the focus, so Enter or Space work) closes it.
// Escape does nothing: OK is the box's only working control.
class frm_Version : public QDialog
{
public:
    frm_Version();

protected:
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void centre();
    void centreLater();

    QPushButton *command1_;
    QSize centredOuterSize_;
};

// Shows the About box modally; returns when it is closed.
void ShowAboutBox();
