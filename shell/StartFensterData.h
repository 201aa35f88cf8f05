#pragma once
// Register of the start window and its forms and menus. No window registers
// with it in this program, so every query answers "none".

class QMenu;
class QWidget;

namespace brenvik {

class TStartFensterData {
public:
    // Fails with "Access class TStartFensterData through Instance only".
    TStartFensterData();
    static TStartFensterData& Instance();
    static bool IsInstance();
    static void ReleaseInstance();

    QWidget* StartFenster() const { return nullptr; }
    QWidget* Form(const char* /*name*/) const { return nullptr; }
    QMenu* Menue() const { return nullptr; }
};

} // namespace brenvik
