// SPDX-License-Identifier: MIT
#include "tools/query_cli.h"

#include <functional>
#include <optional>
#include <string_view>

#include "core/charset.h"
#include "feed/version_check.h"
#include "lookups/ip_query.h"
#include "lookups/qq_fortune.h"
#include "lookups/qq_login_limit.h"

namespace qirvo {
namespace {

using Lookup = std::function<Text(const Text& input, Network&, const Services&)>;

struct Command {
  std::string_view name;
  std::string_view argument;
  std::string_view summary;
  Lookup run;
};

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"domain", "[NAME]", "IP address and location of a web domain", LookupDomain},
      {"ip", "[ADDRESS]", "location of an IP address", LookupIp},
      {"fortune", "[NUMBER]", "fortune reading of a QQ number", LookupQqFortune},
      {"freeze", "[ACCOUNT]", "whether a QQ account may log in", CheckQqLoginLimit},
      {"version", "", "the status line: running and newest published version",
       [](const Text&, Network& net, const Services& services) {
         return CheckVersion(net, services);
       }},
  };
  return commands;
}

void PrintUsage(std::ostream& os) {
  os << "usage: qirvo-query [--services URL] COMMAND [INPUT]\n"
        "       qirvo-query --help\n\ncommands:\n";
  for (const Command& c : Commands()) {
    std::string head(c.name);
    if (!c.argument.empty()) head.append(" ").append(c.argument);
    os << "  " << head << std::string(head.size() < 20 ? 20 - head.size() : 1, ' ') << c.summary
       << '\n';
  }
  os << "\noptions:\n"
        "  --services URL      send every request to URL instead of the public services\n"
        "  --help              show this text\n\n"
        "A missing INPUT is the empty input. The text printed is the one the window shows.\n";
}

int Fail(std::ostream& err, const std::string& what) {
  err << "qirvo-query: " << what << "\n";
  PrintUsage(err);
  return 2;
}

const Command* FindCommand(std::string_view name) {
  for (const Command& c : Commands())
    if (c.name == name) return &c;
  return nullptr;
}

}  // namespace

int RunQueryCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<std::string> base;
  size_t i = 0;
  for (; i < args.size() && args[i].starts_with("-"); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      PrintUsage(out);
      return 0;
    }
    if (a == "--services") {
      if (++i == args.size()) return Fail(err, "--services needs a URL");
      base = args[i];
    } else if (a.starts_with("--services=")) {
      base = a.substr(sizeof("--services=") - 1);
    } else {
      return Fail(err, "unknown option '" + a + "'");
    }
    if (base->empty()) return Fail(err, "--services needs a URL");
  }
  if (i == args.size()) return Fail(err, "no command given");
  const Command* command = FindCommand(args[i]);
  if (!command) return Fail(err, "unknown command '" + args[i] + "'");
  if (args.size() - i > (command->argument.empty() ? 1 : 2)) return Fail(err, "too many arguments");

  const Services services = base ? Services::At(*base) : Services::Production();
  CurlNetwork net(services.probe);
  const Text input = i + 1 < args.size() ? Utf8ToGbk(args[i + 1]) : Text();
  out << GbkToUtf8(command->run(input, net, services)) << '\n';
  return 0;
}

}  // namespace qirvo
