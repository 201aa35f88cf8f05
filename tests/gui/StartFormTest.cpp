// The main window: captions, menu, shortcuts, start parameters and the
// window openers.

#include "KPanel.h"
#include "LStCalc.h"
#include "Start.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

using namespace brenvik;

class StartFormTest : public QObject {
    Q_OBJECT
    QStringList aufrufe; // which opener ran, with mode and caption

    TStartFensteroeffner protokollierend() {
        TStartFensteroeffner o;
        o.Lohnabrechnung = [this](int modus, const QString& t, const QIcon&) {
            aufrufe << QStringLiteral("Lohnabrechnung %1 %2").arg(modus).arg(t);
        };
        o.LohnsteuerBerechnung = [this](const QString& t, const QIcon&) {
            aufrufe << QStringLiteral("Lohnsteuer ") + t;
        };
        o.MiniJobBerechnung = [this](const QString&, const QIcon&) { aufrufe << "MiniJob"; };
        o.SteuerklassenWahl = [this](const QString&, const QIcon&) { aufrufe << "StKlWahl"; };
        return o;
    }

private slots:
    void init() { aufrufe.clear(); }

    void fensterUndTitel() {
        TStartForm s(protokollierend());
        s.setStartParameter({});
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QCOMPARE(s.windowTitle(), QStringLiteral("LSt-Service-Funktionen"));
        QCOMPARE(s.Titel->text(), QStringLiteral("Brenvik 2000-2024"));
        QVERIFY(s.minimumWidth() >= 1000 && s.minimumHeight() >= 750);
        QVERIFY(s.Titel->isVisible());
        QCOMPARE(s.Titel->alignment() & Qt::AlignRight, Qt::AlignRight);
        QVERIFY(s.isVisible());
    }

    void menue() {
        TStartForm s(protokollierend());
        QStringList titel;
        for (QAction* a : s.menuBar()->actions())
            titel << a->text();
        QCOMPARE(titel, (QStringList{"&Datei", "Be&rechnen", "&Optionen", "Hilfe"}));
        const QList<QAction*> menues = s.menuBar()->actions();
        QCOMPARE(menues[0]->menu()->actions(), (QList<QAction*>{s.acSchliessen}));
        QList<QAction*> ber = menues[1]->menu()->actions();
        QCOMPARE(ber.size(), 7);
        QVERIFY(ber[5]->isSeparator());
        ber.removeAt(5);
        QCOMPARE(ber, (QList<QAction*>{s.acBrutto, s.acNetto, s.acNiedrig, s.acMiniJobs, s.acLSt,
                                       s.acStKlWahl}));
        QCOMPARE(menues[2]->menu()->actions(),
                 (QList<QAction*>{s.Optionen_TastenZeigen, s.Optionen_FlacheButtons}));
        QVERIFY(!s.Optionen_TastenZeigen->isEnabled());
        QCOMPARE(menues[3]->menu()->actions().value(0)->text(), QStringLiteral("Versions-Info"));
    }

    void aktionenUndHinweise() {
        TStartForm s(protokollierend());
        QCOMPARE(s.acLSt->text(), QStringLiteral("Lohnsteuer-Berechnung"));
        QCOMPARE(s.acLSt->toolTip(), QStringLiteral("Berechnet die Lohnabzüge \nwahlweise für den "
                                                    "Zeitraum\nJahr, Monat, Woche oder Tag"));
        QCOMPARE(s.acBrutto->text(), QStringLiteral("Lohnabrechnung (Brutto -> Netto)"));
        QCOMPARE(s.acClose->toolTip(), QStringLiteral("Programm beenden"));
        QCOMPARE(s.acSchliessen->shortcut(), QKeySequence(Qt::Key_Escape));
        QCOMPARE(s.acOK->shortcut(), QKeySequence(Qt::Key_F10));
        QCOMPARE(s.acEMail->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
        QCOMPARE(s.acHomepage->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_I));
        QCOMPARE(s.acLSt->property("kategorie").toString(), QStringLiteral("Berechnen"));
        auto* knopf = s.findChild<QPushButton*>(QStringLiteral("btnLSt"));
        QVERIFY(knopf);
        QCOMPARE(knopf->text(), s.acLSt->text());
        QCOMPARE(knopf->toolTip(), s.acLSt->toolTip());
        QCOMPARE(knopf->size(), QSize(281, 25));
        QTest::mouseClick(knopf, Qt::LeftButton);
        QCOMPARE(aufrufe, QStringList{"Lohnsteuer LSt-Service-Funktionen"});
        QTest::mouseClick(s.findChild<QPushButton*>(QStringLiteral("btnNetto")), Qt::LeftButton);
        QCOMPARE(aufrufe.last(), QStringLiteral("Lohnabrechnung 2 LSt-Service-Funktionen"));
    }

    void escUndF10Schliessen_data() {
        QTest::addColumn<int>("taste");
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("F10") << int(Qt::Key_F10);
    }
    void escUndF10Schliessen() {
        QFETCH(int, taste);
        TStartForm s(protokollierend());
        s.setStartParameter({});
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        s.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        QTest::keyClick(&s, Qt::Key(taste));
        QVERIFY(!s.isVisible());
    }

    void startparameter_data() {
        QTest::addColumn<QString>("parameter");
        QTest::addColumn<QStringList>("erwartet");
        const QString t = QStringLiteral("LSt-Service-Funktionen");
        QTest::newRow("brutto") << "brutto" << QStringList{"Lohnabrechnung 1 " + t};
        QTest::newRow("Netto") << "Netto" << QStringList{"Lohnabrechnung 2 " + t};
        QTest::newRow("NIEDRIG") << "NIEDRIG" << QStringList{"Lohnabrechnung 3 " + t};
        QTest::newRow("mini") << "mini" << QStringList{"MiniJob"};
        QTest::newRow("JAHR") << "JAHR" << QStringList{"Lohnsteuer " + t};
        QTest::newRow("steuerklassen") << "steuerklassen" << QStringList{"StKlWahl"};
        QTest::newRow("xyz") << "xyz" << QStringList{};
        QTest::newRow("Teilwort") << "JAHRE" << QStringList{};
    }
    void startparameter() {
        QFETCH(QString, parameter);
        QFETCH(QStringList, erwartet);
        TStartForm s(protokollierend());
        s.setStartParameter(parameter);
        s.show();
        QVERIFY(s.isVisible());
        QTRY_VERIFY(!s.isVisible()); // ends after the named window, matched or not
        QCOMPARE(aufrufe, erwartet);
    }

    void ohneParameterBleibtOffen() {
        TStartForm s(protokollierend());
        s.setStartParameter({});
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QTest::qWait(50);
        QVERIFY(s.isVisible());
    }

    void fehlendeFensterOeffnenNichts() {
        TStartForm s(TStartFensteroeffner{});
        s.acBrutto->trigger();
        s.acMiniJobs->trigger();
        s.acStKlWahl->trigger();
        QVERIFY(true); // no window, no crash
    }

    void lohnsteuerFensterMitTitelDesHauptfensters() {
        TStartFensteroeffner o;
        o.LohnsteuerBerechnung = ZeigeLohnsteuerBerechnung;
        TStartForm s(o);
        s.setStartParameter(QStringLiteral("Jahr"));
        QString titel, kopf;
        QTimer::singleShot(200, this, [&] {
            QVERIFY(LohnsteuerBerechnung);
            QVERIFY(s.isVisible()); // the main window waits behind the modal window
            titel = LohnsteuerBerechnung->windowTitle();
            kopf = LohnsteuerBerechnung->plUeberschrift->LabelText();
            LohnsteuerBerechnung->acSchliessen->trigger();
        });
        s.show();
        QTRY_VERIFY(!s.isVisible());
        QCOMPARE(titel, QStringLiteral("LSt-Service-Funktionen · Lohnsteuer-Berechnung"));
        QCOMPARE(kopf, QStringLiteral("LSt-Service-Funktionen » Lohnsteuer-Berechnung"));
        QVERIFY(!LohnsteuerBerechnung);
    }

    void versionsText() {
        const QString t = TStartForm::VersionsText();
        QRegularExpression muster(QStringLiteral(
            "^Version \\d+\\.\\d+\\.\\d+\\.\\d+ vom \\d\\d\\.\\d\\d\\.\\d{4}\r_{49}\r\r"
            "- Integration der Lohnabrechnung 2024\r$"));
        QVERIFY2(muster.match(t).hasMatch(), qPrintable(t));
        QVERIFY(t.startsWith(QStringLiteral("Version " BRENVIK_VERSION "." BRENVIK_BUILD " vom ")));
    }
};

QTEST_MAIN(StartFormTest)
#include "StartFormTest.moc"
