// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "lookups/services.h"

class QWidget;

namespace qirvo {

class MainWindow;

// Fonts, icon and the "宋体" substitute: what every window of ours needs before it is built.
void PrepareApplication();
void CentreOnScreen(QWidget* window);

// Runs the event loop, then ends the process with its exit code at once: background
// downloads may still be stalled in a fetch, and nothing of theirs is worth waiting for.
[[noreturn]] void ExecAndEnd();

// Builds the window against `services` and shows it centred; `onCreated` starts the
// background tasks. Needs a QApplication.
MainWindow* OpenQirvo(const Services& services, std::function<void(MainWindow&)> onCreated);

// The whole program: opens the window, runs it, and ends the process when it closes.
[[noreturn]] void RunQirvo(int& argc, char** argv, const Services& services,
                           std::function<void(MainWindow&)> onCreated = {});

}  // namespace qirvo
