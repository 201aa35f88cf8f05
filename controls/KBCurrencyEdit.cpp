#include "KBCurrencyEdit.h"

#include "Zahlentext.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace brenvik {

namespace {
bool istZiffer(QChar c) {
    return c >= u'0' && c <= u'9';
}
const QChar kKomma = QLatin1Char(kDezimalzeichen);
} // namespace

TKBCurrencyEdit::TKBCurrencyEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FPosColor = palette().color(QPalette::Text);
    FColorNormal = palette().color(QPalette::Base);
    QFont f = font();
    f.setBold(true);
    setFont(f);
    resize(91, 21);
    connect(this, &QLineEdit::textChanged, this, [this] { faerben(); });
}

void TKBCurrencyEdit::setValue(const Zahl& wert) {
    if (wert == FValue) return;
    FValue = wert;
    // A value set by the program shows also in an empty field.
    formatieren(true);
}

void TKBCurrencyEdit::setDisplayFormat(const QString& format) {
    if (format == FDisplayFormat) return;
    FDisplayFormat = format;
    formatieren();
}

void TKBCurrencyEdit::setDecimalPlaces(int stellen) {
    if (stellen == FDecimalPlaces) return;
    FDecimalPlaces = stellen;
    formatieren();
}

void TKBCurrencyEdit::setPosColor(const QColor& farbe) {
    if (farbe == FPosColor) return;
    FPosColor = farbe;
    formatieren();
}

void TKBCurrencyEdit::setNegColor(const QColor& farbe) {
    if (farbe == FNegColor) return;
    FNegColor = farbe;
    formatieren();
}

void TKBCurrencyEdit::setAnlage(bool an) {
    FAnlage = an;
    if (isEnabled()) {
        QPalette p = palette();
        p.setColor(QPalette::Base, an ? FColorAnlageDa : FColorNormal);
        setPalette(p);
    }
    faerben();
}

void TKBCurrencyEdit::setVorJahr(bool an) {
    FVorJahr = an;
    faerben();
}

void TKBCurrencyEdit::setAus_VaSt(bool an) {
    FausVaSt = an;
    faerben();
}

void TKBCurrencyEdit::setAus_FiBu(bool an) {
    FausFiBu = an;
    faerben();
}

QColor TKBCurrencyEdit::Textfarbe() const {
    if (FVorJahr) return QColor(0x00, 0x80, 0x00);
    if (FausVaSt) return QColor(0x00, 0x00, 0xFF);
    if (FausFiBu) return QColor(0x00, 0x80, 0xFF);
    if (FAnlage) return FFontColorAnlageDa;
    if (text().startsWith(u'-')) return FNegColor;
    return FPosColor;
}

void TKBCurrencyEdit::faerben() {
    QColor farbe = Textfarbe();
    if (palette().color(QPalette::Text) == farbe) return;
    QPalette p = palette();
    p.setColor(QPalette::Text, farbe);
    setPalette(p);
}

void TKBCurrencyEdit::formatieren(bool auchLeer) {
    if (auchLeer || !text().isEmpty()) {
        std::string t;
        try {
            t = FormatiereZahl(FValue, FDisplayFormat.toStdString());
        } catch (const ZahlUeberlauf&) {
            t = AllgemeinesFormat(FValue); // too many digits for the format
        }
        setText(QString::fromStdString(t));
    }
    faerben();
}

QString TKBCurrencyEdit::Summe(const QString& text) {
    QString rein;
    for (QChar c : text)
        if (istZiffer(c) || c == u'+' || c == u'-' || c == kKomma) rein += c;
    Zahl summe = 0;
    int i = 0;
    bool minus = false;
    while (i <= rein.size()) {
        int ende = i;
        while (ende < rein.size() && rein[ende] != u'+' && rein[ende] != u'-')
            ++ende;
        Zahl term;
        if (LiesDezimal(rein.mid(i, ende - i).toStdString(), term)) {
            try {
                summe += minus ? -term : term;
            } catch (const ZahlUeberlauf&) {
                return text; // a sum beyond every amount stays as typed
            }
        }
        if (ende >= rein.size()) break;
        minus = rein[ende] == u'-';
        i = ende + 1;
    }
    if (summe == 0) return QStringLiteral("0");
    return QString::fromStdString(AllgemeinesFormat(summe));
}

bool TKBCurrencyEdit::Lies(const QString& text, Zahl& wert) {
    bool negativ = text.contains(u'-') || text.contains(u'(');
    QString rein;
    for (QChar c : text)
        if (istZiffer(c) || c == kKomma) rein += c;
    Zahl z;
    if (rein.isEmpty() || !LiesDezimal(rein.toStdString(), z)) return false;
    wert = negativ ? -z : z;
    return true;
}

void TKBCurrencyEdit::textAlsWert() {
    Zahl z;
    if (Lies(text(), z)) FValue = z;
}

void TKBCurrencyEdit::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Insert && e->modifiers() == Qt::NoModifier) setVorJahr(false);
    if (e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Paste) ||
        e->matches(QKeySequence::Cut)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        textAlsWert();
        e->accept();
        return;
    }
    const QString t = e->text();
    if (e->key() == Qt::Key_Backspace || t.isEmpty()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    QChar c = t.at(0);
    bool erlaubt = t.size() == 1 && (istZiffer(c) || c == u'+' || c == u'-' || c == kKomma);
    if (erlaubt && !(e->modifiers() & Qt::ControlModifier))
        QLineEdit::keyPressEvent(e);
    else
        e->accept(); // dropped
}

void TKBCurrencyEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    QString rein;
    for (QChar c : text())
        if (istZiffer(c) || c == u'-' || c == kKomma) rein += c;
    if (rein != text()) setText(rein);
    if (beimBetretenMarkieren())
        selectAll();
    else
        deselect();
    Zahl z;
    if (Lies(text(), z)) FWert = z;
    emit betreten();
}

void TKBCurrencyEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (e->reason() == Qt::PopupFocusReason) return;
    if (!text().isEmpty()) setText(Summe(text()));
    textAlsWert();
    formatieren();
    Zahl abstand = FValue - FWert;
    if (abstand < 0) abstand = -abstand;
    if (abstand > Zahl::bruch(1, 10000000)) {
        FVorJahr = FausVaSt = FausFiBu = false;
        faerben();
    }
    emit verlassen();
}

void TKBCurrencyEdit::mouseDoubleClickEvent(QMouseEvent* e) {
    QLineEdit::mouseDoubleClickEvent(e);
    emit doppelklick();
}

} // namespace brenvik
