// Keeping what the settings store says within what the machine can show.
#pragma once

#include <QRect>
#include <QVector>

// A window placement that lies on one of the screens: a size no screen can hold shrinks to
// the largest one, and a window that would show on no screen moves onto the first. An empty
// list of screens leaves the placement as it is.
QRect OnScreen(const QRect &placement, const QVector<QRect> &screens);

// Font sizes the viewer accepts, in points: the settings dialog's range, less the size 0.
inline constexpr int kMinFontSize = 1;
inline constexpr int kMaxFontSize = 100;
