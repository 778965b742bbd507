// SPDX-License-Identifier: MIT
// The one door to the outside world: fetching a page and asking whether we are online.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>

#include "core/text.h"

namespace qirvo {

class Network {
 public:
  virtual ~Network() = default;
  // The body of a GET of `url`, whatever the status; empty when nothing could be read.
  virtual Bytes Fetch(const Text& url) = 0;
  virtual bool IsOnline() = 0;
};

Text FetchText(Network& net, const Text& url);

struct FetchLimits {
  std::chrono::milliseconds connect{10'000};
  // A transfer that receives nothing for this long ends with what it has.
  std::chrono::milliseconds idle{30'000};
  // A server that trickles a byte now and then never trips the idle limit; no transfer
  // runs longer than this.
  std::chrono::milliseconds total{120'000};
  std::chrono::milliseconds probe{10'000};
  std::size_t maxBody = std::size_t{32} << 20;
  long maxRedirects = 5;
};

// libcurl behind the Network door. Safe to use from several threads at once.
class CurlNetwork : public Network {
 public:
  // `systemOnline` is the operating system's report; tests put their own in its place.
  explicit CurlNetwork(Text probeUrl, FetchLimits limits = {},
                       std::function<bool()> systemOnline = {});

  Bytes Fetch(const Text& url) override;
  bool IsOnline() override;

 private:
  Text probeUrl_;
  FetchLimits limits_;
  std::function<bool()> systemOnline_;
};

// Bytes that could split or break a request line go out as %XX; the rest as typed.
Text EscapeUnsafeUrlBytes(std::string_view url);

// base + pathAndKey + the user's input as that key's value. "&" and "#" in the input, which
// would start another parameter or cut the query off, go out as %26 and %23; everything
// else as typed (Fetch escapes what would break the request line).
Text QueryUrl(std::string_view base, std::string_view pathAndKey, std::string_view input);

}  // namespace qirvo
