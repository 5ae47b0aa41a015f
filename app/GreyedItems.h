// Menu items drawn greyed while they stay enabled, for entries that can no longer do what they
// say but, when chosen anyway, should tell the user why.
#pragma once

class QAction;
class QMenu;

// From now on the menu draws its items marked by MarkGreyed as disabled ones.
void DrawGreyedItems(QMenu &menu);
void MarkGreyed(QAction &item, bool greyed);
bool IsGreyed(const QAction &item);
