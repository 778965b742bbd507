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

// Opens the window against `services`, runs it, and ends the process when it closes.
// `onCreated` starts the background tasks.
[[noreturn]] void RunQirvo(int& argc, char** argv, const Services& services,
                           std::function<void(MainWindow&)> onCreated = {});

}  // namespace qirvo
