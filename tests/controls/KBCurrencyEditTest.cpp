// The money field driven by the keyboard and by focus changes.

#include "KBCurrencyEdit.h"
#include "Zahlentext.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

using namespace brenvik;

class KBCurrencyEditTest : public QObject {
    Q_OBJECT
    QWidget* fenster = nullptr;
    TKBCurrencyEdit* feld = nullptr;
    QLineEdit* anderes = nullptr;

    void betreten() {
        fenster->activateWindow();
        anderes->setFocus(Qt::TabFocusReason);
        feld->setFocus(Qt::TabFocusReason);
        QVERIFY(feld->hasFocus());
    }
    void verlassen() {
        anderes->setFocus(Qt::TabFocusReason);
        QVERIFY(!feld->hasFocus());
    }

private slots:
    void init() {
        fenster = new QWidget;
        auto* l = new QVBoxLayout(fenster);
        feld = new TKBCurrencyEdit(fenster);
        feld->setDisplayFormat(QStringLiteral("#,##0.00"));
        anderes = new QLineEdit(fenster);
        l->addWidget(feld);
        l->addWidget(anderes);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
        anderes->setFocus(Qt::OtherFocusReason);
    }
    void cleanup() { delete fenster; }

    void tastenfilter_data() {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("text");
        QTest::newRow("Buchstabe") << "a"
                                   << "";
        QTest::newRow("Punkt") << "."
                               << "";
        QTest::newRow("Leerzeichen") << " "
                                     << "";
        QTest::newRow("Komma") << ","
                               << ",";
        QTest::newRow("Summe") << "12+3-4,5"
                               << "12+3-4,5";
        QTest::newRow("gemischt") << "1a.2 b3"
                                  << "123";
    }
    void tastenfilter() {
        QFETCH(QString, getippt);
        QFETCH(QString, text);
        betreten();
        QTest::keyClicks(feld, getippt);
        QCOMPARE(feld->text(), text);
    }

    void summenregel_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("summe");
        QTest::newRow("Summe") << "1200+350-80"
                               << "1470";
        QTest::newRow("fuehrendes Minus") << "-50"
                                          << "-50";
        QTest::newRow("Dezimalen") << "10,5+0,25"
                                   << "10,75";
        QTest::newRow("null") << "5-5"
                              << "0";
        QTest::newRow("leere Terme") << "+-+"
                                     << "0";
        QTest::newRow("unlesbarer Term") << "1,2,3+4"
                                         << "4";
        QTest::newRow("Fremdzeichen") << "1.000+(20)"
                                      << "1020";
    }
    void summenregel() {
        QFETCH(QString, text);
        QFETCH(QString, summe);
        QCOMPARE(TKBCurrencyEdit::Summe(text), summe);
    }

    void verlassenRechnetUndFormatiert() {
        betreten();
        QTest::keyClicks(feld, QStringLiteral("100+50-20"));
        verlassen();
        QCOMPARE(feld->text(), QStringLiteral("130,00"));
        QCOMPARE(feld->Value(), Zahl(130));
    }

    void betretenEntferntTausenderpunkteUndMarkiert() {
        feld->setText(QStringLiteral("1.234,50"));
        betreten();
        QCOMPARE(feld->text(), QStringLiteral("1234,50"));
        QCOMPARE(feld->selectedText(), QStringLiteral("1234,50"));
        verlassen();
        QCOMPARE(feld->text(), QStringLiteral("1.234,50"));
        QCOMPARE(feld->Value(), Zahl::bruch(12345, 10));
    }

    void leeresFeldBleibtLeer() {
        betreten();
        verlassen();
        QCOMPARE(feld->text(), QString());
    }

    void enterUebernimmtDenTextOhneSumme() {
        betreten();
        feld->setText(QStringLiteral("(12)"));
        QTest::keyClick(feld, Qt::Key_Return);
        QCOMPARE(feld->Value(), Zahl(-12));
        QCOMPARE(feld->text(), QStringLiteral("(12)"));
    }

    void parsingregel_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("zahl");
        QTest::addColumn<QString>("wert");
        QTest::newRow("Klammern") << "(12)" << true << "-12";
        QTest::newRow("Minus irgendwo") << "5-" << true << "-5";
        QTest::newRow("Tausender") << "1.234,56" << true << "1234.56";
        QTest::newRow("leer") << "" << false << "";
        QTest::newRow("zwei Kommas") << "1,2,3" << false << "";
    }
    void parsingregel() {
        QFETCH(QString, text);
        QFETCH(bool, zahl);
        QFETCH(QString, wert);
        Zahl z = 99;
        QCOMPARE(TKBCurrencyEdit::Lies(text, z), zahl);
        if (zahl) QCOMPARE(QString::fromStdString(z.text()), wert);
    }

    // Far beyond any wage, but typed digits must never bring the field down.
    void riesigeBetraege() {
        betreten();
        QTest::keyClicks(feld, QStringLiteral("1000000000000000000000000+1"));
        verlassen();
        QCOMPARE(feld->text(), QStringLiteral("1.000.000.000.000.000.000.000.001,00"));
        betreten();
        feld->selectAll();
        QTest::keyClicks(feld, QString(40, u'9'));
        verlassen();
        QCOMPARE(feld->text(), QStringLiteral("0,00")); // no number: counts as 0
    }

    void wertErscheintAuchImLeerenFeld() {
        feld->setValue(Zahl(-5));
        QCOMPARE(feld->text(), QStringLiteral("-5,00"));
        feld->clear();
        feld->setDisplayFormat(QStringLiteral("0.0")); // a format change keeps it empty
        QCOMPARE(feld->text(), QString());
    }

    void unlesbarerTextBehaeltDenWert() {
        feld->setValue(Zahl(7));
        feld->setText(QStringLiteral("1,2,3"));
        QTest::keyClick(feld, Qt::Key_Return);
        QCOMPARE(feld->Value(), Zahl(7));
    }

    void farbenUndMarker() {
        feld->setNegColor(Qt::red);
        feld->setText(QStringLiteral("0"));
        feld->setValue(Zahl(-5));
        QCOMPARE(feld->text(), QStringLiteral("-5,00"));
        QCOMPARE(feld->Textfarbe(), QColor(Qt::red));
        QCOMPARE(feld->palette().color(QPalette::Text), QColor(Qt::red));
        feld->setVorJahr(true);
        QCOMPARE(feld->Textfarbe(), QColor(0x00, 0x80, 0x00));
        feld->setVorJahr(false);
        feld->setAus_VaSt(true);
        QCOMPARE(feld->Textfarbe(), QColor(0x00, 0x00, 0xFF));
        feld->setAus_VaSt(false);
        feld->setAus_FiBu(true);
        QCOMPARE(feld->Textfarbe(), QColor(0x00, 0x80, 0xFF));
        feld->setAus_FiBu(false);
        feld->setAnlage(true);
        QCOMPARE(feld->Textfarbe(), QColor(0x80, 0x00, 0x00));
        QCOMPARE(feld->palette().color(QPalette::Base), QColor(0xDA, 0xDA, 0xDA));
        feld->setAnlage(false);
        QCOMPARE(feld->palette().color(QPalette::Base), feld->ColorNormal());
    }

    void vorjahrBleibtOhneAenderungUndFaelltMitAenderung() {
        feld->setText(QStringLiteral("0"));
        feld->setValue(Zahl(100));
        feld->setVorJahr(true);
        betreten();
        verlassen();
        QVERIFY(feld->VorJahr());
        betreten();
        QTest::keyClicks(feld, QStringLiteral("101"));
        verlassen();
        QVERIFY(!feld->VorJahr());
        QCOMPARE(feld->text(), QStringLiteral("101,00"));
    }

    void einfgLoeschtVorjahr() {
        feld->setVorJahr(true);
        betreten();
        QTest::keyClick(feld, Qt::Key_Insert);
        QVERIFY(!feld->VorJahr());
    }

    void formatWechselFormatiertNeu() {
        feld->setText(QStringLiteral("0"));
        feld->setValue(Zahl::bruch(17, 10));
        QCOMPARE(feld->text(), QStringLiteral("1,70"));
        feld->setDisplayFormat(QStringLiteral("#,##0;(#,##0)"));
        QCOMPARE(feld->text(), QStringLiteral("2"));
        feld->setValue(Zahl(-1234));
        QCOMPARE(feld->text(), QStringLiteral("(1.234)"));
    }

    void anzeigeformate_data() {
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("Tausender") << "1234.5"
                                   << "#,##0.00"
                                   << "1.234,50";
        QTest::newRow("negativ") << "-1234.5"
                                 << "#,##0.00"
                                 << "-1.234,50";
        QTest::newRow("Millionen") << "1234567"
                                   << "#,##0"
                                   << "1.234.567";
        QTest::newRow("Prozent") << "1.7"
                                 << "0.00"
                                 << "1,70";
        QTest::newRow("halb aufrunden") << "0.005"
                                        << "0.00"
                                        << "0,01";
        QTest::newRow("negative Null") << "-0.004"
                                       << "0.00"
                                       << "0,00";
        QTest::newRow("Vorgabe") << "-1500.5"
                                 << "#,##0;-#,##0"
                                 << "-1.501";
        QTest::newRow("Nullabschnitt") << "0"
                                       << "#,##0.00;-#,##0.00;null"
                                       << "null";
        QTest::newRow("optionale Stellen") << "2.5"
                                           << "0.##"
                                           << "2,5";
        QTest::newRow("Text") << "12"
                              << "0 Stück"
                              << "12 Stück";
    }
    void anzeigeformate() {
        QFETCH(QString, wert);
        QFETCH(QString, format);
        QFETCH(QString, text);
        Zahl z;
        QVERIFY(Zahl::ausText(wert.toStdString(), z));
        QCOMPARE(QString::fromStdString(FormatiereZahl(z, format.toStdString())), text);
    }
};

QTEST_MAIN(KBCurrencyEditTest)
#include "KBCurrencyEditTest.moc"
