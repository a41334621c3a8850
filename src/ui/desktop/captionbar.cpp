// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/captionbar.h"

#include "desktop/drag.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTitleBar>

namespace {
// The close button's input, focus and accessibility. It draws only its focus
// frame: the bar draws the button itself, as the style draws title bars.
class CloseButton : public QAbstractButton
{
public:
    explicit CloseButton(QWidget *bar) : QAbstractButton(bar)
    {
        setFocusPolicy(Qt::TabFocus);
        setAccessibleName(QCoreApplication::translate("CaptionBar", "閉じる"));
    }

    // The pointer is over the button. While the button is held the toolkit
    // keeps reporting it inside, so the held button follows the moves.
    bool hovered() const { return hovered_; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!hasFocus())
            return;
        QPainter p(this);
        QStyleOptionFocusRect opt;
        opt.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            return animateClick();
        QAbstractButton::keyPressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        setHovered(hitButton(event->position().toPoint()));
        QAbstractButton::mouseMoveEvent(event);
    }

    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::Enter)
            setHovered(true);
        else if (event->type() == QEvent::Leave)
            setHovered(false);
        return QAbstractButton::event(event);
    }

private:
    void setHovered(bool hovered)
    {
        if (hovered == hovered_)
            return;
        hovered_ = hovered;
        update();
    }

    bool hovered_ = false;
};

QStyleOptionTitleBar titleBarOption(const QWidget *bar, const CloseButton *close)
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
    // Styles light up and sink the active sub-control by these two states.
    opt.state &= ~(QStyle::State_MouseOver | QStyle::State_Sunken);
    opt.activeSubControls = QStyle::SC_None;
    if (close && (close->hovered() || close->isDown())) {
        opt.activeSubControls = QStyle::SC_TitleBarCloseButton;
        if (close->hovered())
            opt.state |= QStyle::State_MouseOver;
        if (close->isDown())
            opt.state |= QStyle::State_Sunken;
    }
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

CaptionBar::CaptionBar(QWidget *parent) : QWidget(parent), closeButton_(new CloseButton(this))
{
    connect(closeButton_, &QAbstractButton::clicked, this, &CaptionBar::closeClicked);
}

int CaptionBar::barHeight() const
{
    const QStyleOptionTitleBar opt = titleBarOption(this, nullptr);
    return style()->pixelMetric(QStyle::PM_TitleBarHeight, &opt, this);
}

void CaptionBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QStyleOptionTitleBar opt = titleBarOption(this, static_cast<CloseButton *>(closeButton_));
    style()->drawComplexControl(QStyle::CC_TitleBar, &opt, &p, this);
}

void CaptionBar::resizeEvent(QResizeEvent *)
{
    const QStyleOptionTitleBar opt = titleBarOption(this, nullptr);
    closeButton_->setGeometry(
        style()->subControlRect(QStyle::CC_TitleBar, &opt, QStyle::SC_TitleBarCloseButton, this));
}

void CaptionBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        startWindowDrag(window());
}

// The bar shows whether its window is the active one. The window passes
// (de)activation on to its children as these events.
bool CaptionBar::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
        update();
    return QWidget::event(event);
}
