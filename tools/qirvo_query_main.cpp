// SPDX-License-Identifier: MIT
#include <iostream>

#include "tools/query_cli.h"

int main(int argc, char** argv) {
  return qirvo::RunQueryCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
