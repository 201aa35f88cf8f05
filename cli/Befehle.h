#pragma once
// Subcommands of brenvik-cli; each returns the process exit code.

#include <iosfwd>
#include <string>
#include <vector>

namespace brenvik::cli {

int lstBefehl(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err);
int lohnBefehl(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err);

} // namespace brenvik::cli
