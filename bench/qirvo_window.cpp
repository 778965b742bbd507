// SPDX-License-Identifier: MIT
// Our window, opened exactly as the program opens it, against the services at the URL given.
#include "bench/window_probe.h"
#include "feed/feed_tasks.h"
#include "shell/application.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  qirvo::PrepareApplication();
  const int urlArg = argc >= 2 && std::strcmp(argv[1], "--idle") == 0 ? 3 : 2;
  const qirvo::Services services =
      argc > urlArg ? qirvo::Services::At(argv[urlArg]) : qirvo::Services::Production();
  // Showing only maps the window; its first paint comes from the event loop, after the
  // probe is in place.
  QWidget* window = qirvo::OpenQirvo(services, [](qirvo::MainWindow& w) { qirvo::StartFeed(w); });
  if (!qirvo::bench::Arrange(window, argc, argv)) return 2;
  return app.exec();
}
