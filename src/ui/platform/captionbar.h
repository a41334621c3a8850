// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QWidget>

// A caption bar a frameless dialog draws itself: its window's icon and title
// and a close button, nothing else, in the style of the desktop's widgets.
// Window managers differ in which title-bar buttons they grant a fixed-size
// dialog, and some add minimise whatever the window asks; a bar of our own
// looks the same under any of them and on a bare X server.
// A left press elsewhere on the bar moves the window.
class CaptionBar : public QWidget
{
    Q_OBJECT

public:
    explicit CaptionBar(QWidget *parent);

    // The bar's height in the current style.
    int barHeight() const;

signals:
    // The close button was pressed and released over it.
    void closeClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    bool onCloseButton(const QPoint &at) const;

    bool closePressed_ = false;
};
