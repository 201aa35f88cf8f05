// The sister money field: its three differences from TKBCurrencyEdit.

#include "CurrencyEdit.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

using namespace brenvik;

class CurrencyEditTest : public QObject {
    Q_OBJECT
    QWidget* fenster = nullptr;
    TCurrencyEdit* feld = nullptr;
    QLineEdit* anderes = nullptr;

    void betreten() {
        anderes->setFocus(Qt::TabFocusReason);
        feld->setFocus(Qt::TabFocusReason);
        QVERIFY(feld->hasFocus());
    }

private slots:
    void init() {
        fenster = new QWidget;
        auto* l = new QVBoxLayout(fenster);
        anderes = new QLineEdit(fenster);
        feld = new TCurrencyEdit(fenster);
        feld->setDisplayFormat(QStringLiteral("#,##0.00"));
        l->addWidget(anderes);
        l->addWidget(feld);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
        fenster->activateWindow();
    }
    void cleanup() { delete fenster; }

    void zweitesKommaNurInSummen() {
        betreten();
        QTest::keyClicks(feld, QStringLiteral("1,5,"));
        QCOMPARE(feld->text(), QStringLiteral("1,5"));
        QTest::keyClicks(feld, QStringLiteral("+2,5"));
        QCOMPARE(feld->text(), QStringLiteral("1,5+2,5"));
        anderes->setFocus(Qt::TabFocusReason);
        QCOMPARE(feld->text(), QStringLiteral("4,00"));
    }

    void keineMarkierungBeiAnlage() {
        feld->setText(QStringLiteral("12,00"));
        feld->setAnlage(true);
        betreten();
        QVERIFY(!feld->hasSelectedText());
        feld->setAnlage(false);
        betreten();
        QCOMPARE(feld->selectedText(), QStringLiteral("12,00"));
    }

    void jedeEingabeLoeschtDieHerkunft() {
        feld->setText(QStringLiteral("12,00"));
        feld->setVorJahr(true);
        feld->setAus_FiBu(true);
        betreten();
        QVERIFY(feld->VorJahr());
        feld->end(false);
        QTest::keyClick(feld, Qt::Key_Backspace);
        QVERIFY(!feld->VorJahr());
        QVERIFY(!feld->aus_FiBu());
        QCOMPARE(feld->RahmenDicke(), 2);
        QVERIFY(!feld->Rahmen());
    }
};

QTEST_MAIN(CurrencyEditTest)
#include "CurrencyEditTest.moc"
