// SPDX-License-Identifier: MIT
// A loopback stand-in for every outside service the program talks to, so that each page
// can be seen working without the internet.
#pragma once

#include <memory>
#include <string>

namespace qirvo {

class ServicesEmulator {
 public:
  // Port 0 picks a free one.
  explicit ServicesEmulator(int port = 0);
  ~ServicesEmulator();
  ServicesEmulator(const ServicesEmulator&) = delete;
  ServicesEmulator& operator=(const ServicesEmulator&) = delete;

  // "http://127.0.0.1:PORT"; empty when the port could not be opened.
  std::string Base() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace qirvo
