#pragma once
#include <QtGlobal>
#include <functional>

// Millisecond tick count, monotonic and 64-bit so it never wraps. Tests may
// replace the source; passing an empty function restores the real clock.
qint64 GetTickCount();
void SetTickSource(std::function<qint64()> source);
