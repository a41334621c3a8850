// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// The floor of the start-up measurement: a bare Qt program that shows one
// frameless window the size of the start dialog and rests.

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    constexpr int kWidth = 81, kHeight = 30;
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setFixedSize(kWidth, kHeight);
    window.move(0, 0);
    window.show();
    return QApplication::exec();
}
