// SPDX-License-Identifier: MIT
// The two start-up tasks that feed the window from the product's site.
#pragma once

#include "feed/slideshow.h"

namespace qirvo {

class MainWindow;

// Starts the slideshow download and the version check, each on a thread of its own, and
// makes the slideshow's click open the product's site. Nothing waits for the tasks.
void StartFeed(MainWindow& window, SlidePeriods periods = {});

}  // namespace qirvo
