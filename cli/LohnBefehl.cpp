#include "Befehle.h"

#include <ostream>

namespace brenvik::cli {

int lohnBefehl(const std::vector<std::string>&, std::istream&, std::ostream&, std::ostream& err) {
    err << "brenvik-cli lohn: not available yet\n";
    return 2;
}

} // namespace brenvik::cli
