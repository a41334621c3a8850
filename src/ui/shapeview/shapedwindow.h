// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "shapes/regionrecord.h"

#include <QCursor>
#include <QWidget>
#include <optional>
#include <vector>

// What every small window of the game is: frameless, always on top, kept
// off taskbars, pagers and window switchers, shown by every window manager
// although the game is never the active application, optionally cut to an
// outline (with no compositor shadow around it), with click areas that show
// the hand cursor and a drag by the left button. It never takes the
// keyboard focus, so a click on it leaves the player's typing where it was.
// A close request from the window manager (Alt+F4) does not close it: it is
// only reported, and the owner decides.
class ShapedWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ShapedWindow(const QString &title = QStringLiteral("Marvolt"));

    // Puts the window in the screen's bottom-left corner: its left edge on
    // the screen's, its bottom on the usable area's (above any bottom panel).
    void moveToScreenCorner();

    // Cuts the window to the outline of a stored region record.
    enum class ShapeResult { Done, BuildFailed, SetFailed };
    template <int Capacity>
    ShapeResult setShape(const RegionRecordOf<Capacity> &record)
    {
        return setShape(regionRects(record));
    }
    ShapeResult setShape(const std::optional<std::vector<QRect>> &rects);

    // Moves the window with the mouse until the button is released.
    void startDrag();

Q_SIGNALS:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
    // The pointer turns into a hand over these areas (pixels).
    void setClickAreas(std::vector<QRect> areas);
    bool inClickArea(const QPoint &at) const;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    std::vector<QRect> clickAreas_;
    std::optional<QCursor> hand_;  // built on first use
};
