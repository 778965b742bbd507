// SPDX-License-Identifier: MIT
// qirvo-demo: the window wired to an in-process emulator of its outside services.
#include "feed/feed_tasks.h"
#include "shell/application.h"
#include "tools/services_emulator.h"

int main(int argc, char** argv) {
  static qirvo::ServicesEmulator emulator;
  qirvo::RunQirvo(argc, argv, qirvo::Services::At(emulator.Base()),
                  [](qirvo::MainWindow& window) { qirvo::StartFeed(window); });
}
