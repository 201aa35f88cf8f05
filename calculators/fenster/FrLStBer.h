#pragma once
// Frame of the wage-tax calculator: inputs on the left, results on the right,
// recalculated on every change; a double-click on the gross wage shows the
// report in place of both.

#include <QFrame>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedLayout;
class QTextEdit;

namespace brenvik {

class TKBCurrencyEdit;
class TKPanel;
class TKSpinEdit;
struct LohnVar;
struct LStEingaben;

class TFrameLStBerechnung : public QFrame {
    Q_OBJECT
public:
    explicit TFrameLStBerechnung(QWidget* parent = nullptr);

    void Initialisieren();
    void FrameEnter();
    void edJahrChange();
    void Pruefe32b_und_berechne();
    void Berechne();
    void Berechnung_als_RTF();
    void EingabeDblClick();
    void btnRTFzuClick();

    // True while the report is in front.
    bool BerichtSichtbar() const;
    // The screen's inputs as the calculation reads them.
    LStEingaben Eingaben() const;

    // The record the frame calculates on (the program's record by default).
    void setRecord(LohnVar& lv) { lv_ = &lv; }

    TKPanel* plEingabe;
    TKPanel* plErgebnis;
    QLineEdit* edName;
    QComboBox* cbZtr;
    TKSpinEdit* edJahr;
    TKBCurrencyEdit* Eingabe;
    TKBCurrencyEdit* P32b;
    TKSpinEdit* edStKl;
    QLineEdit* edKFB;
    TKBCurrencyEdit* edFrei;
    QCheckBox* cbKiSt;
    TKSpinEdit* edKiSt;
    QCheckBox* cbAEB;
    QCheckBox* cbBeamter;
    QComboBox* edRegion;
    QComboBox* edKinderZahl;
    TKBCurrencyEdit* edKVZ;
    QLabel* showBrutto;
    QLabel* showLSt;
    QLabel* showSolZ;
    QLabel* showKiSt;
    QLabel* showSteuer;
    QLabel* showSteuerProz;
    QLabel* Hinweis_P24b;
    QTextEdit* RichEdit1;
    QPushButton* btnRTFzu;

private:
    QWidget* baueEingaben();
    QWidget* baueErgebnisse();
    QWidget* baueBericht();
    void verbinden();

    QStackedLayout* ansichten_ = nullptr;
    LohnVar* lv_;
};

} // namespace brenvik
