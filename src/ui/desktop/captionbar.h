// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QWidget>

class QAbstractButton;

// A caption bar a frameless dialog draws itself: its window's icon and title
// and a close button, nothing else, in the style of the desktop's widgets.
// Window managers differ in which title-bar buttons they grant a fixed-size
// dialog, and some add minimise whatever the window asks; a bar of our own
// looks the same under any of them and on a bare X server.
// The close button is a real button: it lights up under the pointer, is
// drawn pressed only while a press on it would close, takes the keyboard
// focus by Tab (Space or Enter press it) and is a named push button to
// accessibility tools. A left press elsewhere on the bar moves the window.
class CaptionBar : public QWidget
{
    Q_OBJECT

public:
    explicit CaptionBar(QWidget *parent);

    // The bar's height in the current style.
    int barHeight() const;
    QAbstractButton *closeButton() const { return closeButton_; }

Q_SIGNALS:
    // The close button was clicked, by the pointer, the keyboard or an
    // accessibility tool.
    void closeClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    QAbstractButton *closeButton_;
};
