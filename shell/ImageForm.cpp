#include "ImageForm.h"

#include <memory>

namespace brenvik {

namespace {
std::unique_ptr<TImageForm> gInstanz;
} // namespace

TImageForm& TImageForm::Instance() {
    if (!gInstanz) gInstanz = std::make_unique<TImageForm>();
    return *gInstanz;
}
bool TImageForm::IsInstance() {
    return gInstanz != nullptr;
}
void TImageForm::ReleaseInstance() {
    gInstanz.reset();
}

} // namespace brenvik
