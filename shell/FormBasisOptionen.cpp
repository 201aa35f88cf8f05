#include "FormBasisOptionen.h"

#include <memory>

namespace brenvik {

namespace {
std::unique_ptr<TFormBasisOptionen> gInstanz;
} // namespace

TFormBasisOptionen& TFormBasisOptionen::Instance() {
    if (!gInstanz) gInstanz = std::make_unique<TFormBasisOptionen>();
    return *gInstanz;
}
bool TFormBasisOptionen::IsInstance() {
    return gInstanz != nullptr;
}
void TFormBasisOptionen::ReleaseInstance() {
    gInstanz.reset();
}

} // namespace brenvik
