#include "CurrencyEdit.h"

#include "Zahlentext.h"

#include <QKeyEvent>

namespace brenvik {

TCurrencyEdit::TCurrencyEdit(QWidget* parent) : TKBCurrencyEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this] {
        setVorJahr(false);
        setAus_VaSt(false);
        setAus_FiBu(false);
    });
}

void TCurrencyEdit::keyPressEvent(QKeyEvent* e) {
    const QString t = text();
    if (e->text() == QString(QLatin1Char(kDezimalzeichen)) &&
        t.contains(QLatin1Char(kDezimalzeichen)) && !t.contains(u'+') && !t.contains(u'-')) {
        e->accept();
        return;
    }
    TKBCurrencyEdit::keyPressEvent(e);
}

} // namespace brenvik
