#pragma once
// Money field of the calculator screens: accepts digits, decimal comma and
// signs, evaluates a small sum such as 1200+350-80 when left, keeps the value
// as an exact number and shows it with a display format.

#include "Zahl.h"

#include <QColor>
#include <QLineEdit>

namespace brenvik {

class TKBCurrencyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TKBCurrencyEdit(QWidget* parent = nullptr);

    const Zahl& Value() const { return FValue; }
    void setValue(const Zahl& wert);

    QString DisplayFormat() const { return FDisplayFormat; }
    void setDisplayFormat(const QString& format);
    int DecimalPlaces() const { return FDecimalPlaces; }
    void setDecimalPlaces(int stellen);
    QColor PosColor() const { return FPosColor; }
    void setPosColor(const QColor& farbe);
    QColor NegColor() const { return FNegColor; }
    void setNegColor(const QColor& farbe);
    QColor ColorNormal() const { return FColorNormal; }
    void setColorNormal(const QColor& farbe) { FColorNormal = farbe; }
    QColor ColorAnlageDa() const { return FColorAnlageDa; }
    void setColorAnlageDa(const QColor& farbe) { FColorAnlageDa = farbe; }

    bool Anlage() const { return FAnlage; }
    void setAnlage(bool an);
    bool VorJahr() const { return FVorJahr; }
    void setVorJahr(bool an);
    bool aus_VaSt() const { return FausVaSt; }
    void setAus_VaSt(bool an);
    bool aus_FiBu() const { return FausFiBu; }
    void setAus_FiBu(bool an);

    // The colour the text is drawn in now (after the marker rules).
    QColor Textfarbe() const;

    // The sum rule: "100+50-20" gives "130", an empty term counts as 0.
    static QString Summe(const QString& text);
    // The parsing rule; false when the text holds no number.
    static bool Lies(const QString& text, Zahl& wert);

signals:
    void betreten();
    void verlassen();
    void doppelklick();

protected:
    // Whether entering the field selects its text.
    virtual bool beimBetretenMarkieren() const { return true; }
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void textAlsWert();
    void formatieren(bool auchLeer = false);
    void faerben();

    Zahl FValue = 0;
    Zahl FWert = 0; // value when the field was entered
    QString FDisplayFormat = QStringLiteral("#,##0;-#,##0");
    int FDecimalPlaces = 0;
    QColor FPosColor, FNegColor = Qt::black;
    QColor FColorNormal, FColorAnlageDa = QColor(0xDA, 0xDA, 0xDA);
    QColor FFontColorAnlageDa = QColor(0x80, 0, 0);
    bool FAnlage = false, FVorJahr = false, FausVaSt = false, FausFiBu = false;
};

} // namespace brenvik
