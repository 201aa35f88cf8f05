#pragma once
// Sister of the money field used by a few fields of the short-time allowance
// screen: a second comma is refused unless the text is a sum, the text is
// not selected on entry while the attachment marker is set, and any change
// the user makes clears the source markers.

#include "KBCurrencyEdit.h"

namespace brenvik {

class TCurrencyEdit : public TKBCurrencyEdit {
    Q_OBJECT
public:
    explicit TCurrencyEdit(QWidget* parent = nullptr);

    // The drawn frame; kept for the screens' designs, not drawn.
    bool Rahmen() const { return FRahmen; }
    void setRahmen(bool an) { FRahmen = an; }
    QColor RahmenFarbe() const { return FRahmenFarbe; }
    void setRahmenFarbe(const QColor& c) { FRahmenFarbe = c; }
    int RahmenDicke() const { return FRahmenDicke; }
    void setRahmenDicke(int d) { FRahmenDicke = d; }

protected:
    bool beimBetretenMarkieren() const override { return !Anlage(); }
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool FRahmen = false;
    QColor FRahmenFarbe = Qt::red;
    int FRahmenDicke = 2;
};

} // namespace brenvik
