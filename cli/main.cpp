#include "Befehle.h"

#include <iostream>

namespace {
const char* kHilfe = R"(brenvik-cli: German payroll calculations from the command line.

  brenvik-cli lst [--jahr YEAR] [--monat M] [--modul NAME] FIELD=VALUE ...
  brenvik-cli lst --batch < cases.jsonl
  brenvik-cli lohn [--modus 1|2|3] [--format json|text] NAME=TEXT ...

  brenvik-cli lst --help     details of the wage-tax command
  brenvik-cli lohn --help    details of the payroll command
)";
}

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << kHilfe;
        return args.empty() ? 2 : 0;
    }
    std::string befehl = args[0];
    args.erase(args.begin());
    try {
        if (befehl == "lst") return brenvik::cli::lstBefehl(args, std::cin, std::cout, std::cerr);
        if (befehl == "lohn") return brenvik::cli::lohnBefehl(args, std::cin, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "brenvik-cli: " << e.what() << "\n";
        return 1;
    }
    std::cerr << "brenvik-cli: unknown command '" << befehl << "' (see --help)\n";
    return 2;
}
