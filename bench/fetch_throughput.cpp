// SPDX-License-Identifier: MIT
// fetch-throughput URL RUNS: the median time of one Fetch of URL, in seconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/network.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fetch-throughput URL RUNS\n");
    return 2;
  }
  qirvo::CurlNetwork net("http://127.0.0.1:1/");
  std::vector<double> seconds;
  size_t size = 0;
  for (int i = 0; i < std::atoi(argv[2]); ++i) {
    const auto start = std::chrono::steady_clock::now();
    size = net.Fetch(argv[1]).size();
    seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(seconds.begin(), seconds.end());
  std::printf("%zu %.6f\n", size, seconds[seconds.size() / 2]);
  return 0;
}
