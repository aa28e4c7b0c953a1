// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWidget;

// Window-system sizes that the resize handlers of the windows use to fit
// their controls to a window's outer size: frame widths, caption and menu
// heights, read from a shown window of this platform.
enum SystemMetricIndex {
    SM_CYCAPTION = 4,
    SM_CXDLGFRAME = 7,
    SM_CYMENU = 15,
    SM_CYMIN = 29,
    SM_CXFRAME = 32,
    SM_CYFRAME = 33,
};

// The metric for a top-level window. SM_CXFRAME and SM_CYFRAME are the side
// and bottom borders the window manager draws, SM_CYCAPTION the title bar
// (the frame above the window less a border as wide as the sides),
// SM_CYMENU the window's menu bar (0 when it has none). SM_CXDLGFRAME is 0:
// the window manager draws one frame only. SM_CYMIN is the title bar plus both
// horizontal borders less one pixel, so that "outer height - SM_CYMIN -
// (SM_CYMENU + 1)" is the height below the menu bar.
int systemMetric(int index, const QWidget *window);

// Calls relayout whenever the frame around the window changes size. The
// window manager frames a window only after it is shown, without resizing
// it, so a resize handler that uses the metrics above has run with no frame
// yet and must run again then. The relayout must not throw.
void followFrame(QWidget *window, std::function<void()> relayout);
