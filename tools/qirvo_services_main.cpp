// SPDX-License-Identifier: MIT
// qirvo-services [--port N]: plays every outside service on 127.0.0.1 until stopped.
#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/services_emulator.h"

int main(int argc, char** argv) {
  int port = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--port" && i + 1 < argc) {
      char* end = nullptr;
      const long p = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || p < 1 || p > 65535) {
        std::fprintf(stderr, "qirvo-services: --port needs a number from 1 to 65535\n");
        return 2;
      }
      port = static_cast<int>(p);
    } else {
      std::fprintf(stderr, "qirvo-services: unknown argument '%s'\nusage: qirvo-services [--port N]\n",
                   a.c_str());
      return 2;
    }
  }
  // Stop signals are taken by sigwait below, not by a handler.
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGINT);
  sigaddset(&stop, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stop, nullptr);

  QCoreApplication app(argc, argv);  // for the pictures carried as resources
  qirvo::ServicesEmulator emulator(port);
  if (emulator.Base().empty()) {
    std::fprintf(stderr, "qirvo-services: cannot listen on port %d\n", port);
    return 1;
  }
  std::printf("%s\n", emulator.Base().c_str());
  std::fflush(stdout);
  int signal = 0;
  sigwait(&stop, &signal);
  return 0;
}
