#pragma once
// Options object of the calculator form base (navigation keys). Placeholder
// created at start; the form base fills in its settings.

namespace brenvik {

class TFormBasisOptionen {
public:
    static TFormBasisOptionen& Instance();
    static bool IsInstance();
    static void ReleaseInstance();

    // Enter moves to the next field like Tab.
    bool EnterAlsTab = true;
};

} // namespace brenvik
