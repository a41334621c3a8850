#pragma once
#include <Qt>

class QWidget;

// Region shapes of the stored table.
enum RegionShape : int {
    kShapeSolidLane = 0,
    kShapeStartDialog = 1,
    kShapeScoreSheet = 2,
    kShapeSkeletonLane = 3,
    kShapeNone = 4,
};

// Cuts the window to stored shape `shape` (0..4). A shape that cannot be
// built or set is fatal: the player is told in an OK box and the program
// ends. A shape above 4 is rejected and changes nothing.
void ApplyRegion(int shape, QWidget *window);

// The fixed sizes that go with the shapes (height first, then width).
void SizeStartWindow(QWidget *window);
void SizeScoreWindow(QWidget *window);
void SizeLaneWindow(QWidget *window);

// Mouse-press handling of a draggable frameless window: the left button
// drags it, any other button does nothing.
void DragWindow(QWidget *window, Qt::MouseButton button);

// Switches the lane between its solid and skeleton looks and colours the pin
// board to match; flips SolidLane.
void ToggleScreenMode();

// The failure texts shown before the program ends.
extern const char *const kRegionBuildFailed;
extern const char *const kRegionSetFailed;

// Shared by the balloon's own table: builds and sets a region from a record,
// with the same failure handling.
template <typename Record>
void ApplyRegionRecord(const Record &record, QWidget *window);
