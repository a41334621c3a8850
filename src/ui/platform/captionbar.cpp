// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/captionbar.h"

#include "platform/drag.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>

namespace {
QStyleOptionTitleBar titleBarOption(const QWidget *bar, bool closePressed)
{
    QStyleOptionTitleBar opt;
    opt.initFrom(bar);
    const QWidget *window = bar->window();
    opt.text = window->windowTitle();
    opt.icon = window->windowIcon();
    opt.titleBarFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint;
    opt.subControls = QStyle::SC_TitleBarLabel | QStyle::SC_TitleBarSysMenu |
                      QStyle::SC_TitleBarCloseButton;
    opt.activeSubControls = closePressed ? QStyle::SC_TitleBarCloseButton : QStyle::SC_None;
    if (closePressed)
        opt.state |= QStyle::State_Sunken;
    // Styles read activity from the title bar's state as well as the option's.
    opt.titleBarState = Qt::WindowNoState;
    if (window->isActiveWindow()) {
        opt.titleBarState |= QStyle::State_Active;
        opt.state |= QStyle::State_Active;
    } else {
        opt.state &= ~QStyle::State_Active;
        opt.palette.setCurrentColorGroup(QPalette::Inactive);
    }
    return opt;
}
}  // namespace

CaptionBar::CaptionBar(QWidget *parent) : QWidget(parent) {}

int CaptionBar::barHeight() const
{
    const QStyleOptionTitleBar opt = titleBarOption(this, false);
    return style()->pixelMetric(QStyle::PM_TitleBarHeight, &opt, this);
}

void CaptionBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QStyleOptionTitleBar opt = titleBarOption(this, closePressed_);
    style()->drawComplexControl(QStyle::CC_TitleBar, &opt, &p, this);
}

bool CaptionBar::onCloseButton(const QPoint &at) const
{
    const QStyleOptionTitleBar opt = titleBarOption(this, false);
    return style()->hitTestComplexControl(QStyle::CC_TitleBar, &opt, at, this) ==
           QStyle::SC_TitleBarCloseButton;
}

void CaptionBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (onCloseButton(event->position().toPoint())) {
        closePressed_ = true;
        update();
        return;
    }
    StartWindowDrag(window());
}

void CaptionBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !closePressed_)
        return;
    closePressed_ = false;
    update();
    if (onCloseButton(event->position().toPoint()))
        emit closeClicked();
}

// The bar shows whether its window is the active one. The window passes
// (de)activation on to its children as these events.
bool CaptionBar::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
        update();
    return QWidget::event(event);
}
