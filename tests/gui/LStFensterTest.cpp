// The wage-tax window driven as a user does: typing, leaving fields,
// changing the drop-down lists and check boxes, reading the captions.

#include "FrLStBer.h"
#include "KBCurrencyEdit.h"
#include "KPanel.h"
#include "KSpinEdit.h"
#include "LStCalc.h"
#include "Lohn_Var.h"
#include "Lohnsteuerrechner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

using namespace brenvik;

class LStFensterTest : public QObject {
    Q_OBJECT
    TLohnsteuerBerechnung* w = nullptr;
    TFrameLStBerechnung* f = nullptr;

    void tippe(QLineEdit* feld, const QString& text) {
        feld->setFocus(Qt::MouseFocusReason);
        QVERIFY(feld->hasFocus());
        feld->selectAll();
        QTest::keyClicks(feld, text);
        QTest::keyClick(feld, Qt::Key_Tab);
        QVERIFY(!feld->hasFocus());
    }
    void waehle(QComboBox* cb, const QString& eintrag) {
        cb->setFocus(Qt::TabFocusReason);
        QTest::keyClick(cb, Qt::Key_Home);
        for (int i = 0; i < cb->count() && cb->currentText() != eintrag; ++i)
            QTest::keyClick(cb, Qt::Key_Down);
        QCOMPARE(cb->currentText(), eintrag);
    }
    void klicke(QCheckBox* cb) {
        QTest::mouseClick(cb, Qt::LeftButton, {}, QPoint(6, cb->height() / 2));
    }
    Zahl lst() const { return LabelToBetrag(f->showLSt->text().toStdString()); }

private slots:
    void init() {
        w = new TLohnsteuerBerechnung;
        f = w->FrameLStBerechnung1;
        f->Initialisieren();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void cleanup() {
        delete w;
        w = nullptr;
    }

    void anfangszustand() {
        QCOMPARE(f->Eingabe->text(), QStringLiteral("0"));
        QCOMPARE(f->edJahr->text(), QStringLiteral("2024")); // current year, clamped
        QCOMPARE(f->cbZtr->currentText(), QStringLiteral("Jahr"));
        QCOMPARE(f->edStKl->text(), QStringLiteral("1"));
        QCOMPARE(f->edKFB->text(), QStringLiteral("0,0"));
        QCOMPARE(f->edKVZ->text(), QStringLiteral("1,70"));
        QCOMPARE(f->edKinderZahl->currentText(), QStringLiteral("1 Kind"));
        QCOMPARE(f->edRegion->currentIndex(), -1);
        QVERIFY(f->cbKiSt->isChecked());
        QVERIFY(f->P32b->isEnabled());
        QVERIFY(f->Eingabe->hasFocus());
        QCOMPARE(f->showLSt->text(), QStringLiteral("0,00 €"));
        QVERIFY(!f->Hinweis_P24b->isVisible());
    }

    void jahreslohnKlasse1() {
        f->Eingabe->setFocus();
        f->Eingabe->selectAll();
        QTest::keyClicks(f->Eingabe, QStringLiteral("2400"));
        QCOMPARE(f->showBrutto->text(), QStringLiteral("2.400,00 €")); // while typing
        QTest::keyClicks(f->Eingabe, QStringLiteral("0"));
        QTest::keyClick(f->Eingabe, Qt::Key_Tab);
        QCOMPARE(f->Eingabe->text(), QStringLiteral("24.000,00"));
        QCOMPARE(f->showBrutto->text(), QStringLiteral("24.000,00 €"));
        QCOMPARE(f->showLSt->text(), QStringLiteral("1.316,00 €"));
        QCOMPARE(f->showSolZ->text(), QStringLiteral("0,00 €"));
        QCOMPARE(f->showKiSt->text(), QStringLiteral("118,44 €"));
        QCOMPARE(f->showSteuer->text(), QStringLiteral("-1.434,44 €"));
        QCOMPARE(f->showSteuerProz->text(), QStringLiteral("(5,98 %)"));
        QCOMPARE(Lohn_Var().RE4, 2400000);
        QCOMPARE(Lohn_Var().LZZ, 1);
    }

    // From the eighth digit on the cents no longer fit the record: those runs
    // fail and the results of the last run that worked stay.
    void unmoeglicherBetragLaesstDieErgebnisseStehen() {
        tippe(f->Eingabe, QStringLiteral("9999999"));
        const QString lst = f->showLSt->text();
        tippe(f->Eingabe, QStringLiteral("99999999999"));
        QCOMPARE(f->Eingabe->text(), QStringLiteral("99.999.999.999,00"));
        QCOMPARE(f->showBrutto->text(), QStringLiteral("9.999.999,00 €"));
        QCOMPARE(f->showLSt->text(), lst);
    }

    void summeImBruttofeld() {
        tippe(f->Eingabe, QStringLiteral("20000+4000"));
        QCOMPARE(f->Eingabe->text(), QStringLiteral("24.000,00"));
        QCOMPARE(f->showLSt->text(), QStringLiteral("1.316,00 €"));
    }

    void lohnersatzErhoehtDieSteuer() {
        tippe(f->Eingabe, QStringLiteral("24000"));
        tippe(f->P32b, QStringLiteral("5000"));
        QCOMPARE(f->P32b->text(), QStringLiteral("5.000,00"));
        QVERIFY(lst() > Zahl(1316));
        QCOMPARE(Lohn_Var().PV32b, Zahl(5000));
    }

    void lohnersatzNurFuerJahrUndKlassenBis4() {
        tippe(f->Eingabe, QStringLiteral("24000"));
        tippe(f->P32b, QStringLiteral("5000"));
        waehle(f->cbZtr, QStringLiteral("Monat"));
        QVERIFY(!f->P32b->isEnabled());
        QCOMPARE(f->P32b->text(), QString());
        QCOMPARE(f->P32b->palette().color(QPalette::Base), f->palette().color(QPalette::Button));
        QCOMPARE(Lohn_Var().PV32b, Zahl(0));
        const Zahl monat = lst();
        QVERIFY(monat > Zahl(1316)); // 24 000 a month is taxed far higher

        waehle(f->cbZtr, QStringLiteral("Jahr"));
        QVERIFY(f->P32b->isEnabled());
        QCOMPARE(f->P32b->text(), QString()); // the old value does not come back
        QCOMPARE(f->showLSt->text(), QStringLiteral("1.316,00 €"));

        tippe(f->edStKl, QStringLiteral("5"));
        QVERIFY(!f->P32b->isEnabled());
        tippe(f->edStKl, QStringLiteral("4"));
        QVERIFY(f->P32b->isEnabled());
        QCOMPARE(f->P32b->palette().color(QPalette::Base), f->palette().color(QPalette::Base));
    }

    void kirchensteuerSatzUndPflicht() {
        tippe(f->Eingabe, QStringLiteral("24000"));
        tippe(f->edKiSt, QStringLiteral("8"));
        QCOMPARE(f->showKiSt->text(), QStringLiteral("105,28 €"));
        tippe(f->edKiSt, QStringLiteral("7"));
        QCOMPARE(f->edKiSt->text(), QStringLiteral("8")); // clamped on leaving
        klicke(f->cbKiSt);
        QVERIFY(!f->cbKiSt->isChecked());
        QCOMPARE(f->showKiSt->text(), QStringLiteral("0,00 €"));
        QCOMPARE(f->showSteuer->text(), QStringLiteral("-1.316,00 €"));
    }

    void hinweisAlleinerziehende() {
        tippe(f->edJahr, QStringLiteral("2021"));
        tippe(f->edStKl, QStringLiteral("2"));
        QVERIFY(f->Hinweis_P24b->isVisible());
        QVERIFY(f->Hinweis_P24b->text().contains(QStringLiteral("2.100,- €")));
        QCOMPARE(f->Hinweis_P24b->text().count(u'\n'), 4);
        tippe(f->edJahr, QStringLiteral("2022"));
        QVERIFY(!f->Hinweis_P24b->isVisible());
        tippe(f->edJahr, QStringLiteral("2020"));
        QVERIFY(f->Hinweis_P24b->isVisible());
        tippe(f->edStKl, QStringLiteral("1"));
        QVERIFY(!f->Hinweis_P24b->isVisible());
    }

    void beamteVorUndAb2010() {
        tippe(f->edJahr, QStringLiteral("2009"));
        QCOMPARE(f->cbBeamter->text(), QStringLiteral("Besondere LSt-Tabelle (Beamte)"));
        klicke(f->cbBeamter);
        QCOMPARE(Lohn_Var().KRV, 1);
        tippe(f->edJahr, QStringLiteral("2010"));
        QCOMPARE(f->cbBeamter->text(), QStringLiteral("Keine RV-Pflicht (Beamte)"));
        QCOMPARE(Lohn_Var().KRV, 2);
        QCOMPARE(Lohn_Var().PKV, 1);
        klicke(f->cbBeamter);
        waehle(f->edRegion, QStringLiteral("Ost (Sachsen)"));
        QCOMPARE(Lohn_Var().KRV, 1);
        QCOMPARE(Lohn_Var().PVS, 1);
        waehle(f->edKinderZahl, QStringLiteral("3 Kinder"));
        QCOMPARE(Lohn_Var().PVA, 2);
    }

    void jahrAusserhalbWirdGeklemmt() {
        tippe(f->edJahr, QStringLiteral("1999"));
        QCOMPARE(f->edJahr->text(), QStringLiteral("2003"));
        tippe(f->edJahr, QStringLiteral("2015"));
        waehle(f->cbZtr, QStringLiteral("Monat"));
        tippe(f->Eingabe, QStringLiteral("3000"));
        QCOMPARE(f->showBrutto->text(), QStringLiteral("3.000,00 €"));
    }

    void freibetragUndKinderfreibetraege() {
        f->edFrei->setFocus();
        QTest::keyClicks(f->edFrei, QStringLiteral("1234,56"));
        QCOMPARE(Lohn_Var().LZZFREIB, 123456);
        QCOMPARE(Lohn_Var().WFUNDF, 123456);
        // Leaving shows whole euros ("#,##0"), and the shown text counts.
        QTest::keyClick(f->edFrei, Qt::Key_Tab);
        QCOMPARE(f->edFrei->text(), QStringLiteral("1.235"));
        QCOMPARE(Lohn_Var().LZZFREIB, 123500);
        f->edKFB->setFocus();
        f->edKFB->home(false);
        QTest::keyClicks(f->edKFB, QStringLiteral("15"));
        QCOMPARE(f->edKFB->text(), QStringLiteral("1,5"));
        QCOMPARE(Lohn_Var().ZKF, Zahl::bruch(3, 2));
    }

    void berichtUndZurueck() {
        tippe(f->Eingabe, QStringLiteral("24000"));
        f->edName->setText(QStringLiteral("Muster"));
        QTest::mouseDClick(f->Eingabe, Qt::LeftButton);
        QVERIFY(f->BerichtSichtbar());
        QVERIFY(f->RichEdit1->isVisible());
        QVERIFY(f->btnRTFzu->isEnabled());
        QVERIFY(f->btnRTFzu->hasFocus());
        QCOMPARE(f->btnRTFzu->text(), QStringLiteral("Schliessen"));
        const QStringList zeilen = f->RichEdit1->toPlainText().split(u'\n');
        QVERIFY(zeilen.contains(QStringLiteral("LSt-Berechnung")));
        QVERIFY(zeilen.contains(QStringLiteral("\tName:\tMuster")));
        QVERIFY(zeilen.contains(QStringLiteral("\tZeitraum:\tJahr 2024")));
        QVERIFY(zeilen.contains(QStringLiteral("\tBruttolohn\t\t\t 24.000,00 €")));
        QVERIFY(zeilen.contains(QStringLiteral("\t Lohnsteuer\t  1.316,00 €")));
        QVERIFY(zeilen.contains(QStringLiteral("\t Kirchensteuer\t    118,44 €")));
        QVERIFY(zeilen.contains(QStringLiteral("\t Summe Steuerabzüge\t\t\t -1.434,44 €")));
        QVERIFY(f->RichEdit1->isReadOnly());

        QTest::mouseClick(f->btnRTFzu, Qt::LeftButton);
        QVERIFY(!f->BerichtSichtbar());
        QVERIFY(!f->btnRTFzu->isEnabled());
        QVERIFY(f->Eingabe->hasFocus());
    }

    void escSchliesst() {
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }

    void oeffnerSetztTitelUndGibtFrischeFenster() {
        for (int runde = 0; runde < 2; ++runde) {
            QString titel, kopf, eingabe;
            QTimer::singleShot(0, this, [&] {
                QVERIFY(LohnsteuerBerechnung);
                titel = LohnsteuerBerechnung->windowTitle();
                kopf = LohnsteuerBerechnung->plUeberschrift->LabelText();
                TFrameLStBerechnung* fr = LohnsteuerBerechnung->FrameLStBerechnung1;
                eingabe = fr->Eingabe->text();
                fr->Eingabe->setText(QStringLiteral("5000")); // must not survive
                QTest::keyClick(LohnsteuerBerechnung, Qt::Key_Escape);
            });
            ZeigeLohnsteuerBerechnung(QStringLiteral("LSt-Service-Funktionen"), QIcon());
            QCOMPARE(titel, QStringLiteral("LSt-Service-Funktionen · Lohnsteuer-Berechnung"));
            QCOMPARE(kopf, QStringLiteral("LSt-Service-Funktionen » Lohnsteuer-Berechnung"));
            QCOMPARE(eingabe, QStringLiteral("0"));
            QVERIFY(!LohnsteuerBerechnung);
        }
    }
};

QTEST_MAIN(LStFensterTest)
#include "LStFensterTest.moc"
