// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QWidget>
#include <array>

// The ten pins as bowlers see the rack, each coloured by how often it stood
// after a first ball that did not strike, with its number and percentage.
class PinLeaveMap : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kPins = 10;

    explicit PinLeaveMap(QWidget *parent = nullptr);
    // Shares 0..1 by pin 1..10; `known` false draws the pins without figures.
    void setShares(const std::array<double, kPins> &shares, bool known);
    // Where pin 1..10's circle is drawn, always inside the widget, and the
    // text written in it (its number, and its percentage when known) with
    // its font.
    QRectF pinCircle(int pin) const;
    QString label(int pin) const;
    QFont labelFont() const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    std::array<double, kPins> shares_{};
    bool known_ = false;
};
