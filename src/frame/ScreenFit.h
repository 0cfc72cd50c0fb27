// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Keeps a window inside its screen's available area (small laptops, netbooks at
// 1024 x 600, a classroom projector at 800 x 600): a window larger than the area is made
// as small as the area, or as small as its content allows, and one that stands out is
// moved in. Windows that scale their content, or scroll it, then show all of it.
namespace ScreenFit {
void fit(QWidget *window);
}
