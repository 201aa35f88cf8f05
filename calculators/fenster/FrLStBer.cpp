#include "FrLStBer.h"

#include "KBCurrencyEdit.h"
#include "KPanel.h"
#include "KSpinEdit.h"
#include "Lohn_Var.h"
#include "Lohnsteuerrechner.h"
#include "Zahlentext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace brenvik {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string s(const QString& t) {
    return t.toStdString();
}

TKPanel* ueberschrift(const QString& text, TKPanelFormatVorlage vorlage, QWidget* parent) {
    auto* p = new TKPanel(parent);
    p->setFormatVorlage(vorlage);
    p->setLabelText(text);
    return p;
}

QLabel* beschriftung(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setMinimumHeight(22);
    return l;
}

QLabel* betrag(const char* name, QWidget* parent, bool fett = false) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(120);
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

TKBCurrencyEdit* geldfeld(const char* name, const QString& format, QWidget* parent) {
    auto* e = new TKBCurrencyEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setDisplayFormat(format);
    e->setFixedWidth(110);
    return e;
}

TKSpinEdit* zahlfeld(const char* name, int von, int bis, int wert, QWidget* parent) {
    auto* e = new TKSpinEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMinValue(von);
    e->setMaxValue(bis);
    e->setValue(wert);
    return e;
}

QWidget* gruppe(const QString& titel, QGridLayout*& raster, QWidget* parent) {
    auto* w = new QWidget(parent);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);
    v->addWidget(ueberschrift(titel, TKPanelFormatVorlage::fvUeberschriftKS3, w));
    raster = new QGridLayout;
    raster->setContentsMargins(10, 2, 10, 6);
    raster->setHorizontalSpacing(8);
    raster->setVerticalSpacing(4);
    raster->setColumnStretch(1, 1);
    v->addLayout(raster);
    return w;
}

} // namespace

TFrameLStBerechnung::TFrameLStBerechnung(QWidget* parent) : QFrame(parent), lv_(&Lohn_Var()) {
    setObjectName(QStringLiteral("FrameLStBerechnung1"));
    ansichten_ = new QStackedLayout(this);
    auto* normal = new QWidget(this);
    auto* h = new QHBoxLayout(normal);
    h->setContentsMargins(8, 8, 8, 8);
    h->setSpacing(12);
    h->addWidget(baueEingaben(), 11);
    h->addWidget(baueErgebnisse(), 9);
    ansichten_->addWidget(normal);
    ansichten_->addWidget(baueBericht());
    verbinden();
}

QWidget* TFrameLStBerechnung::baueEingaben() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);
    plEingabe =
        ueberschrift(QStringLiteral("Eingabewerte"), TKPanelFormatVorlage::fvUeberschriftKS2, w);
    v->addWidget(plEingabe);

    QGridLayout* r;
    v->addWidget(gruppe(QStringLiteral("Allgmeine Angaben"), r, w));
    edName = new QLineEdit(w);
    edName->setObjectName(QStringLiteral("edName"));
    edName->setToolTip(QStringLiteral("Nur für den Ausdruck der Lohnabrechnung erforderlich"));
    cbZtr = new QComboBox(w);
    cbZtr->setObjectName(QStringLiteral("cbZtr"));
    for (const auto& z : kLStZeitraeume)
        cbZtr->addItem(q(z));
    cbZtr->setFixedWidth(110);
    edJahr = zahlfeld("edJahr", kLStJahrVon, kLStJahrBis, kLStJahrBis, w);
    edJahr->setFixedWidth(110);
    r->addWidget(beschriftung(QStringLiteral("Name"), w), 0, 0);
    r->addWidget(edName, 0, 1, 1, 2);
    r->addWidget(beschriftung(QStringLiteral("Zeitraum"), w), 1, 0);
    r->addWidget(cbZtr, 1, 2, Qt::AlignRight);
    r->addWidget(beschriftung(QStringLiteral("Jahr"), w), 2, 0);
    r->addWidget(edJahr, 2, 2, Qt::AlignRight);

    v->addWidget(gruppe(QStringLiteral("Angaben zum Arbeitslohn"), r, w));
    Eingabe = geldfeld("Eingabe", QStringLiteral("#,##0.00"), w);
    P32b = geldfeld("P32b", QStringLiteral("#,##0.00"), w);
    r->addWidget(beschriftung(QStringLiteral("Brutto-Lohn"), w), 0, 0);
    r->addWidget(Eingabe, 0, 2, Qt::AlignRight);
    r->addWidget(beschriftung(QStringLiteral("Lohnersatzleistungen"), w), 1, 0);
    r->addWidget(P32b, 1, 2, Qt::AlignRight);

    v->addWidget(gruppe(QStringLiteral("Angaben zur Besteuerung"), r, w));
    edStKl = zahlfeld("edStKl", 1, 6, 1, w);
    edStKl->setFixedWidth(50);
    edKFB = new QLineEdit(w);
    edKFB->setObjectName(QStringLiteral("edKFB"));
    edKFB->setInputMask(QStringLiteral("0,0; "));
    edKFB->setAlignment(Qt::AlignRight);
    edKFB->setFixedWidth(40);
    auto* stkl = new QHBoxLayout;
    stkl->setSpacing(4);
    stkl->addWidget(edStKl);
    stkl->addWidget(new QLabel(QStringLiteral("/"), w));
    stkl->addWidget(edKFB);
    auto* lStKl = beschriftung(QStringLiteral("&Steuerklasse / Anzahl KFB"), w);
    lStKl->setBuddy(edStKl);
    r->addWidget(lStKl, 0, 0);
    r->addLayout(stkl, 0, 2, Qt::AlignRight);
    edFrei = geldfeld("edFrei", QStringLiteral("#,##0"), w);
    r->addWidget(beschriftung(QStringLiteral("Freibetrag lt. LSt-Bescheinigung"), w), 1, 0);
    r->addWidget(edFrei, 1, 2, Qt::AlignRight);
    cbKiSt = new QCheckBox(QStringLiteral("&Kirchensteuer-Pflicht"), w);
    cbKiSt->setObjectName(QStringLiteral("cbKiSt"));
    cbKiSt->setChecked(true);
    edKiSt = zahlfeld("edKiSt", 8, 9, 9, w);
    edKiSt->setFixedWidth(50);
    auto* satz = new QHBoxLayout;
    satz->setSpacing(6);
    satz->addWidget(new QLabel(QStringLiteral("- Satz"), w));
    satz->addWidget(edKiSt);
    r->addWidget(cbKiSt, 2, 0);
    r->addLayout(satz, 2, 2, Qt::AlignRight);
    cbAEB = new QCheckBox(QStringLiteral("Altersentlastungsbetrag"), w);
    cbAEB->setObjectName(QStringLiteral("cbAEB"));
    r->addWidget(cbAEB, 3, 0, 1, 3);
    cbBeamter = new QCheckBox(q(BeamterText(kLStJahrBis)), w);
    cbBeamter->setObjectName(QStringLiteral("cbBeamter"));
    r->addWidget(cbBeamter, 4, 0, 1, 3);
    edRegion = new QComboBox(w);
    edRegion->setObjectName(QStringLiteral("edRegion"));
    for (const auto& z : kLStRegionen)
        edRegion->addItem(q(z));
    edRegion->setCurrentIndex(-1);
    edRegion->setFixedWidth(160);
    r->addWidget(beschriftung(QStringLiteral("Region (für Beitrags-BMG)"), w), 5, 0);
    r->addWidget(edRegion, 5, 1, 1, 2, Qt::AlignRight);
    edKinderZahl = new QComboBox(w);
    edKinderZahl->setObjectName(QStringLiteral("edKinderZahl"));
    for (const auto& z : kLStKinder)
        edKinderZahl->addItem(q(z));
    edKinderZahl->setCurrentIndex(kLStKinderVorgabe);
    edKinderZahl->setFixedWidth(160);
    edKinderZahl->setToolTip(QStringLiteral("Geben Sie hier an, ob für die Person Kinder i.S.d. "
                                            "§ 55 SGB XI zu berücksichtigen sind"));
    r->addWidget(beschriftung(QStringLiteral("Kinder i.S.d. PV"), w), 6, 0);
    r->addWidget(edKinderZahl, 6, 1, 1, 2, Qt::AlignRight);
    edKVZ = geldfeld("edKVZ", QStringLiteral("0.00"), w);
    edKVZ->setText(QStringLiteral("1,70"));
    r->addWidget(beschriftung(QStringLiteral("Zusatzbeitrag zur KV in %"), w), 7, 0);
    r->addWidget(edKVZ, 7, 2, Qt::AlignRight);
    v->addStretch(1);
    return w;
}

QWidget* TFrameLStBerechnung::baueErgebnisse() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);
    plErgebnis =
        ueberschrift(QStringLiteral("LSt-Berechnung"), TKPanelFormatVorlage::fvUeberschriftKS2, w);
    v->addWidget(plErgebnis);
    auto* r = new QGridLayout;
    r->setContentsMargins(10, 8, 10, 0);
    r->setVerticalSpacing(8);
    r->setColumnStretch(0, 1);
    showBrutto = betrag("showBrutto", w, true);
    showLSt = betrag("showLSt", w);
    showSolZ = betrag("showSolZ", w);
    showKiSt = betrag("showKiSt", w);
    showSteuer = betrag("showSteuer", w, true);
    showSteuerProz = betrag("showSteuerProz", w);
    auto* lBrutto = beschriftung(QStringLiteral("Bruttolohn"), w);
    auto* lSumme = beschriftung(QStringLiteral("Summe Steuerabzüge"), w);
    for (QLabel* l : {lBrutto, lSumme}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    r->addWidget(lBrutto, 0, 0);
    r->addWidget(showBrutto, 0, 1);
    r->addWidget(beschriftung(QStringLiteral("Lohnsteuer"), w), 1, 0);
    r->addWidget(showLSt, 1, 1);
    r->addWidget(beschriftung(QStringLiteral("Solidaritätszuschlag"), w), 2, 0);
    r->addWidget(showSolZ, 2, 1);
    r->addWidget(beschriftung(QStringLiteral("Kirchensteuer"), w), 3, 0);
    r->addWidget(showKiSt, 3, 1);
    auto* strich = new QFrame(w);
    strich->setFrameShape(QFrame::HLine);
    strich->setFrameShadow(QFrame::Sunken);
    r->addWidget(strich, 4, 0, 1, 2);
    r->addWidget(lSumme, 5, 0);
    r->addWidget(showSteuer, 5, 1);
    r->addWidget(showSteuerProz, 6, 1);
    v->addLayout(r);
    Hinweis_P24b = new QLabel(w);
    Hinweis_P24b->setObjectName(QStringLiteral("Hinweis_P24b"));
    Hinweis_P24b->setWordWrap(false);
    Hinweis_P24b->setStyleSheet(
        QStringLiteral("QLabel { background: #FFFFCE; border: 1px solid #C8C8A0; padding: 6px; }"));
    Hinweis_P24b->hide();
    v->addSpacing(12);
    v->addWidget(Hinweis_P24b);
    v->addStretch(1);
    return w;
}

QWidget* TFrameLStBerechnung::baueBericht() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(8, 8, 8, 8);
    RichEdit1 = new QTextEdit(w);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    btnRTFzu = new QPushButton(QStringLiteral("Schliessen"), w);
    btnRTFzu->setObjectName(QStringLiteral("btnRTFzu"));
    btnRTFzu->setEnabled(false);
    v->addWidget(RichEdit1, 1);
    v->addWidget(btnRTFzu, 0, Qt::AlignRight);
    return w;
}

void TFrameLStBerechnung::verbinden() {
    auto berechne = [this] { Berechne(); };
    auto pruefe = [this] { Pruefe32b_und_berechne(); };
    connect(cbZtr, &QComboBox::currentIndexChanged, this, pruefe);
    connect(edStKl, &QLineEdit::textChanged, this, pruefe);
    connect(edJahr, &QLineEdit::textChanged, this, [this] { edJahrChange(); });
    for (TKBCurrencyEdit* e : {Eingabe, P32b, edKVZ}) {
        connect(e, &QLineEdit::textChanged, this, berechne);
        connect(e, &TKBCurrencyEdit::verlassen, this, berechne);
    }
    connect(edFrei, &QLineEdit::textChanged, this, berechne);
    connect(edKFB, &QLineEdit::textChanged, this, berechne);
    connect(edKiSt, &QLineEdit::textChanged, this, berechne);
    for (QCheckBox* c : {cbKiSt, cbAEB, cbBeamter})
        connect(c, &QCheckBox::toggled, this, berechne);
    for (QComboBox* c : {edRegion, edKinderZahl})
        connect(c, &QComboBox::currentIndexChanged, this, berechne);
    connect(Eingabe, &TKBCurrencyEdit::doppelklick, this, [this] { EingabeDblClick(); });
    connect(btnRTFzu, &QPushButton::clicked, this, [this] { btnRTFzuClick(); });
}

void TFrameLStBerechnung::Initialisieren() {
    Eingabe->setText(QStringLiteral("0"));
    edStKl->setValue(1);
    edKFB->setText(QStringLiteral("0,0"));
    edFrei->clear();
    cbAEB->setChecked(false);
    cbBeamter->setChecked(false);
    cbZtr->setCurrentIndex(0);
}

void TFrameLStBerechnung::FrameEnter() {
    edJahr->setValue(QDate::currentDate().year());
    if (Eingabe->isEnabled() && Eingabe->isVisible()) Eingabe->setFocus(Qt::OtherFocusReason);
}

void TFrameLStBerechnung::edJahrChange() {
    cbBeamter->setText(q(BeamterText(edJahr->Value())));
    Berechne();
}

void TFrameLStBerechnung::Pruefe32b_und_berechne() {
    const bool an = LohnersatzMoeglich(cbZtr->currentIndex(), edStKl->Value());
    P32b->setEnabled(an);
    QPalette p = P32b->palette();
    p.setColor(QPalette::Base, palette().color(an ? QPalette::Base : QPalette::Button));
    P32b->setPalette(p);
    if (!an) P32b->clear();
    Berechne();
}

LStEingaben TFrameLStBerechnung::Eingaben() const {
    LStEingaben e;
    e.zeitraum = cbZtr->currentIndex();
    e.jahr = edJahr->Value();
    e.steuerklasse = edStKl->Value();
    e.kinderfreibetraege = StrToBetrag(s(edKFB->text().remove(u' ')));
    e.freibetrag = StrToBetrag(s(edFrei->text()));
    e.kirchensteuer = cbKiSt->isChecked();
    Zahl satz;
    e.kirchensteuerSatz = LiesDezimal(s(TKSpinEdit::ZahlText(edKiSt->Value())), satz)
                              ? satz
                              : Zahl(edKiSt->MinValue());
    e.altersentlastung = cbAEB->isChecked();
    e.beamter = cbBeamter->isChecked();
    e.region = edRegion->currentIndex();
    e.kinder = edKinderZahl->currentIndex();
    e.kvZusatz = StrToBetrag(s(edKVZ->text()));
    e.brutto = StrToBetrag(s(Eingabe->text()));
    e.lohnersatz = StrToBetrag(s(P32b->text()));
    return e;
}

void TFrameLStBerechnung::Berechne() {
    try {
        const LStErgebnis r = LohnsteuerBerechnen(Eingaben(), *lv_);
        showBrutto->setText(q(r.brutto));
        showLSt->setText(q(r.lohnsteuer));
        showSolZ->setText(q(r.solz));
        showKiSt->setText(q(r.kirchensteuer));
        showSteuer->setText(q(r.summe));
        if (r.anteil) showSteuerProz->setText(q(*r.anteil));
        if (r.hinweisSichtbar) Hinweis_P24b->setText(q(r.hinweis).remove(u'\r').trimmed());
        Hinweis_P24b->setVisible(r.hinweisSichtbar);
    } catch (...) {
        // A failed run leaves the previous results on the screen.
    }
}

void TFrameLStBerechnung::Berechnung_als_RTF() {
    LStBerichtsdaten d;
    d.ueberschrift = s(plErgebnis->LabelText());
    d.name = s(edName->text());
    d.zeitraum = s(cbZtr->currentText());
    d.jahr = s(edJahr->text());
    d.brutto = s(showBrutto->text());
    d.lohnsteuer = s(showLSt->text());
    d.solz = s(showSolZ->text());
    d.kirchensteuer = s(showKiSt->text());
    d.summe = s(showSteuer->text());

    RichEdit1->clear();
    QTextCursor c(RichEdit1->document());
    const double pxProPunkt = RichEdit1->logicalDpiX() / 72.0;
    bool erste = true;
    for (const LStBerichtszeile& z : LohnsteuerBericht(d)) {
        QTextBlockFormat b;
        b.setAlignment(z.zentriert ? Qt::AlignHCenter : Qt::AlignLeft);
        QList<QTextOption::Tab> tabs;
        for (int t : z.tabs)
            tabs.append(QTextOption::Tab(t * pxProPunkt, QTextOption::LeftTab));
        b.setTabPositions(tabs);
        QTextCharFormat f;
        QFont schrift(q(z.schrift));
        if (z.schrift == "Courier New") schrift.setStyleHint(QFont::TypeWriter);
        schrift.setPointSize(z.punkt);
        schrift.setBold(z.fett);
        f.setFont(schrift);
        if (erste) {
            c.setBlockFormat(b);
            c.setBlockCharFormat(f);
            erste = false;
        } else {
            c.insertBlock(b, f);
        }
        c.insertText(q(z.text), f);
    }
    RichEdit1->moveCursor(QTextCursor::Start);
}

bool TFrameLStBerechnung::BerichtSichtbar() const {
    return ansichten_->currentIndex() == 1;
}

void TFrameLStBerechnung::EingabeDblClick() {
    Berechnung_als_RTF();
    ansichten_->setCurrentIndex(1);
    btnRTFzu->setEnabled(true);
    btnRTFzu->setFocus(Qt::OtherFocusReason);
}

void TFrameLStBerechnung::btnRTFzuClick() {
    ansichten_->setCurrentIndex(0);
    btnRTFzu->setEnabled(false);
    Eingabe->setFocus(Qt::OtherFocusReason);
}

} // namespace brenvik
