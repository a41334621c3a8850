#include "shapes/mod_RGN_Proc.h"

#include "game/frmLane.h"
#include "game/gamevars.h"
#include "lane/frmDenkou.h"
#include "menu/frmMenu.h"
#include "platform/dialogs.h"
#include "platform/drag.h"
#include "platform/regionmask.h"
#include "platform/screen.h"
#include "shapes/mod_RGN_Data.h"
#include "shapes/popregiondata.h"

#include <QWidget>

const char *const kRegionBuildFailed = "リージョンデータの読み込みに失敗しました。";
const char *const kRegionSetFailed = "ウィンドウの整形に失敗しました。";

namespace {
constexpr int kFailureExitCode = 1;

struct WindowSize {
    int width, height;  // twips
};
constexpr WindowSize kStartSize{1215, 450};
constexpr WindowSize kScoreSize{4815, 675};
constexpr WindowSize kLaneSize{4605, 435};

void fail(const char *text)
{
    ShowOkMessage(QString::fromUtf8(text));
    EndProgram(kFailureExitCode);
}
}  // namespace

template <typename Record>
void ApplyRegionRecord(const Record &record, QWidget *window)
{
    const auto rects = RegionRects(record);
    if (!rects)
        return fail(kRegionBuildFailed);
    if (!SetWindowRegion(window, RegionFromRects(*rects)))
        return fail(kRegionSetFailed);
}
template void ApplyRegionRecord(const RegionRecord &, QWidget *);
template void ApplyRegionRecord(const PopRegionRecord &, QWidget *);

void ApplyRegion(int shape, QWidget *window)
{
    if (shape < 0 || shape >= kRegionShapes)
        return;
    ApplyRegionRecord(RegionData[shape], window);
}

void SizeStartWindow(QWidget *window) { ResizeWindowTwips(window, kStartSize.width, kStartSize.height); }
void SizeScoreWindow(QWidget *window) { ResizeWindowTwips(window, kScoreSize.width, kScoreSize.height); }
void SizeLaneWindow(QWidget *window) { ResizeWindowTwips(window, kLaneSize.width, kLaneSize.height); }

void DragWindow(QWidget *window, Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        StartWindowDrag(window);
}

void ToggleScreenMode()
{
    frmLane *lane = LaneWindow();
    const bool toSkeleton = SolidLane == kTrue;
    lane->setLanePicture(frmMenu::instance()->Lane(toSkeleton ? 1 : 0));
    SizeLaneWindow(lane);
    ApplyRegion(toSkeleton ? kShapeSkeletonLane : kShapeSolidLane, lane);
    PinBoard()->applyLook(toSkeleton ? frmDenkou::Look::Dark : frmDenkou::Look::Blue);
    SolidLane = toSkeleton ? kFalse : kTrue;
}
