// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

// Every test starts with the mouse's buttons up, whatever the test before it
// left held: QTest remembers the buttons between its events, and the lane
// ignores a press while another button is down.
struct MouseButtonsUp : ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo &) override { QTestPrivate::qtestMouseButtons = Qt::NoButton; }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new MouseButtonsUp);
    return RUN_ALL_TESTS();
}
