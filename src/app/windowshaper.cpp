// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "windowshaper.h"

#include "desktop/dialogs.h"

#include <QCoreApplication>

namespace {
constexpr int kFailureExitCode = 1;

const char *const kRegionBuildFailed = QT_TRANSLATE_NOOP("WindowShaper",
                                                         "リージョンデータの読み込みに失敗しました。");
const char *const kRegionSetFailed = QT_TRANSLATE_NOOP("WindowShaper", "ウィンドウの整形に失敗しました。");
}  // namespace

void WindowShaper::BuildRegionData() { regions_ = ::BuildRegionData(); }

void WindowShaper::ApplyRegion(ShapedWindow &window, int shape) const
{
    if (shape < 0 || shape >= kRegionShapes)
        return;
    reportShape(window.setShape(regions_[static_cast<std::size_t>(shape)]));
}

void WindowShaper::reportShape(ShapedWindow::ShapeResult result) const
{
    if (result == ShapedWindow::ShapeResult::Done)
        return;
    dialogs_.showOkMessage(QCoreApplication::translate(
        "WindowShaper",
        result == ShapedWindow::ShapeResult::BuildFailed ? kRegionBuildFailed : kRegionSetFailed));
    dialogs_.endProgram(kFailureExitCode);
}
