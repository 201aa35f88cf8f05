#include "StartFensterData.h"

#include <memory>
#include <stdexcept>

namespace brenvik {

namespace {
std::unique_ptr<TStartFensterData> gInstanz;
bool gDurchInstance = false;
} // namespace

TStartFensterData::TStartFensterData() {
    if (!gDurchInstance)
        throw std::logic_error("Access class TStartFensterData through Instance only");
}

TStartFensterData& TStartFensterData::Instance() {
    if (!gInstanz) {
        gDurchInstance = true;
        gInstanz = std::make_unique<TStartFensterData>();
        gDurchInstance = false;
    }
    return *gInstanz;
}

bool TStartFensterData::IsInstance() {
    return gInstanz != nullptr;
}
void TStartFensterData::ReleaseInstance() {
    gInstanz.reset();
}

} // namespace brenvik
