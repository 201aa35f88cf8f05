// The spin field: typing, clamping, arrow keys and the repeating buttons.

#include "KSpinEdit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using namespace brenvik;

class KSpinEditTest : public QObject {
    Q_OBJECT
    QWidget* fenster = nullptr;
    TKSpinEdit* jahr = nullptr;
    QLineEdit* anderes = nullptr;

    void betreten() {
        fenster->activateWindow();
        anderes->setFocus(Qt::TabFocusReason);
        jahr->setFocus(Qt::TabFocusReason);
        QVERIFY(jahr->hasFocus());
    }
    void verlassen() { anderes->setFocus(Qt::TabFocusReason); }

private slots:
    void init() {
        fenster = new QWidget;
        auto* l = new QVBoxLayout(fenster);
        jahr = new TKSpinEdit(fenster);
        jahr->setMinValue(2003);
        jahr->setMaxValue(2024);
        jahr->setValue(2024);
        anderes = new QLineEdit(fenster);
        l->addWidget(jahr);
        l->addWidget(anderes);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
    }
    void cleanup() { delete fenster; }

    void verlassenKlemmt_data() {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("text");
        QTest::newRow("zu klein") << "1999"
                                  << "2003";
        QTest::newRow("zu gross") << "2030"
                                  << "2024";
        QTest::newRow("im Bereich") << "2015"
                                    << "2015";
        // Not a number reads as the minimum, which needs no rewriting.
        QTest::newRow("leer") << ""
                              << "";
    }
    void verlassenKlemmt() {
        QFETCH(QString, getippt);
        QFETCH(QString, text);
        betreten();
        jahr->selectAll();
        QTest::keyClick(jahr, Qt::Key_Backspace);
        QTest::keyClicks(jahr, getippt);
        verlassen();
        QCOMPARE(jahr->text(), text);
    }

    void keinZahltextIstMinimum() {
        jahr->setText(QString());
        QCOMPARE(jahr->Value(), 2003.0);
        jahr->setText(QStringLiteral("20,5"));
        QCOMPARE(jahr->Value(), 20.5);
    }

    void pfeiltastenBleibenImBereich() {
        betreten();
        QTest::keyClick(jahr, Qt::Key_Up);
        QCOMPARE(jahr->text(), QStringLiteral("2024"));
        jahr->setValue(2003);
        QTest::keyClick(jahr, Qt::Key_Down);
        QCOMPARE(jahr->text(), QStringLiteral("2003"));
        QTest::keyClick(jahr, Qt::Key_Up);
        QCOMPARE(jahr->text(), QStringLiteral("2004"));
    }

    void ohneBereichKeinKlemmen() {
        jahr->setMinValue(0);
        jahr->setMaxValue(0);
        jahr->setValue(-7);
        QCOMPARE(jahr->text(), QStringLiteral("-7"));
        jahr->setIncrement(0.5);
        jahr->UpClick();
        QCOMPARE(jahr->text(), QStringLiteral("-6,5"));
    }

    void buchstabePiepstUndFaelltWeg_data() {
        QTest::addColumn<int>("taste");
        QTest::addColumn<QString>("zeichen");
        QTest::addColumn<bool>("abgewiesen");
        QTest::newRow("Buchstabe") << int(Qt::Key_A) << "a" << true;
        QTest::newRow("Punkt") << int(Qt::Key_Period) << "." << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << "\r" << true;
        QTest::newRow("Ziffer") << int(Qt::Key_5) << "5" << false;
        QTest::newRow("Komma") << int(Qt::Key_Comma) << "," << false;
        QTest::newRow("Minus") << int(Qt::Key_Minus) << "-" << false;
    }
    void buchstabePiepstUndFaelltWeg() {
        QFETCH(int, taste);
        QFETCH(QString, zeichen);
        QFETCH(bool, abgewiesen);
        betreten();
        jahr->end(false);
        QSignalSpy piep(jahr, &TKSpinEdit::abgewiesen);
        QKeyEvent e(QEvent::KeyPress, taste, Qt::NoModifier, zeichen);
        QApplication::sendEvent(jahr, &e);
        QCOMPARE(piep.count(), abgewiesen ? 1 : 0);
        QCOMPARE(jahr->text(),
                 abgewiesen ? QStringLiteral("2024") : QStringLiteral("2024") + zeichen);
    }

    void ohneEditorNurKnoepfe() {
        jahr->setEditorEnabled(false);
        betreten();
        jahr->end(false);
        QSignalSpy piep(jahr, &TKSpinEdit::abgewiesen);
        QTest::keyClick(jahr, Qt::Key_1);
        QTest::keyClick(jahr, Qt::Key_Backspace);
        QCOMPARE(piep.count(), 2);
        QCOMPARE(jahr->text(), QStringLiteral("2024"));
        QTest::keyClick(jahr, Qt::Key_Down);
        QCOMPARE(jahr->text(), QStringLiteral("2023"));
    }

    void schreibgeschuetztPiepstStattZuZaehlen() {
        jahr->setReadOnly(true);
        QSignalSpy piep(jahr, &TKSpinEdit::abgewiesen);
        betreten();
        QTest::keyClick(jahr, Qt::Key_Down);
        QCOMPARE(piep.count(), 1);
        QCOMPARE(jahr->text(), QStringLiteral("2024"));
    }

    void knopfKlickZaehltUndHoltDenFokus() {
        jahr->setValue(2010);
        verlassen();
        TTimerSpeedButton* runter = jahr->Button()->DownButton();
        QVERIFY(runter->isVisible());
        QTest::mouseClick(runter, Qt::LeftButton);
        QCOMPARE(jahr->text(), QStringLiteral("2009"));
        QVERIFY(jahr->hasFocus());
        QTest::mouseClick(jahr->Button()->UpButton(), Qt::LeftButton);
        QCOMPARE(jahr->text(), QStringLiteral("2010"));
        // The button sits at the right edge, the text ends before it.
        QVERIFY(jahr->Button()->geometry().right() < jahr->width());
        QVERIFY(jahr->Button()->width() >= 15);
        QVERIFY(jahr->textMargins().right() >= jahr->Button()->width() + 2);
    }

    void tastenDesKnopfpaars() {
        TKSpinButton* k = jahr->Button();
        QSignalSpy hoch(k, &TKSpinButton::UpClick), runter(k, &TKSpinButton::DownClick);
        QKeyEvent ab(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(k, &ab);
        QCOMPARE(k->FocusedButton(), k->DownButton());
        QKeyEvent leer(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(k, &leer);
        QCOMPARE(runter.count(), 2);
        QKeyEvent auf(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
        QApplication::sendEvent(k, &auf);
        QCOMPARE(k->FocusedButton(), k->UpButton());
        QCOMPARE(hoch.count(), 1);
    }

    void gehaltenerKnopfWiederholt() {
        TTimerSpeedButton* hoch = jahr->Button()->UpButton();
        QCOMPARE(hoch->autoRepeatDelay(), 400);
        QCOMPARE(hoch->autoRepeatInterval(), 100);
        jahr->setValue(2003);
        QSignalSpy klicks(hoch, &QAbstractButton::clicked);
        QTest::mousePress(hoch, Qt::LeftButton);
        QTest::qWait(300);
        QCOMPARE(klicks.count(), 0); // nothing before the first 400 ms
        QTRY_VERIFY_WITH_TIMEOUT(klicks.count() >= 3, 3000);
        QTest::mouseRelease(hoch, Qt::LeftButton);
        const int nachLoslassen = klicks.count();
        QTest::qWait(300);
        QCOMPARE(klicks.count(), nachLoslassen);
        QCOMPARE(jahr->Value(), 2003.0 + nachLoslassen);
    }
};

QTEST_MAIN(KSpinEditTest)
#include "KSpinEditTest.moc"
