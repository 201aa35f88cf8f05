#include "Befehle.h"

#include <ostream>

namespace brenvik::cli {

int lstBefehl(const std::vector<std::string>&, std::istream&, std::ostream&, std::ostream& err) {
    err << "brenvik-cli lst: not available yet\n";
    return 2;
}

} // namespace brenvik::cli
