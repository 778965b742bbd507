// SPDX-License-Identifier: MIT
// qirvo-query: the window's lookups for scripts and terminals.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace qirvo {

// `args` excludes the program name. Returns the process exit code.
int RunQueryCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace qirvo
