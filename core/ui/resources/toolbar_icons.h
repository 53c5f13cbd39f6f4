#pragma once
// The pictures of the toolbar buttons and the program icon, drawn in code
// from simple shapes so they stay sharp at every size.

#include <QIcon>

// The button picture of a command; an empty icon for a command without one.
QIcon ToolbarIcon(int command);
// The program's icon: an aircraft over a compass ring.
QIcon ProgramIcon();
