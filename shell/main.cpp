// SPDX-License-Identifier: MIT
#include "feed/feed_tasks.h"
#include "lookups/services.h"
#include "shell/application.h"

int main(int argc, char** argv) {
  qirvo::RunQirvo(argc, argv, qirvo::Services::Production(),
                  [](qirvo::MainWindow& window) { qirvo::StartFeed(window); });
}
