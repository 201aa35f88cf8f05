// Writes pictures of the main window and of the wage-tax window with a
// computed result into the build folder, for a look by eye.

#include "FrLStBer.h"
#include "KBCurrencyEdit.h"
#include "LStCalc.h"
#include "Start.h"

#include <QDir>
#include <QLabel>
#include <QTimer>
#include <QtTest>

using namespace brenvik;

class BildschirmfotoTest : public QObject {
    Q_OBJECT
    QDir ordner{QStringLiteral(BRENVIK_SCREENSHOTS)};

    void speichere(QWidget* w, const QString& name) {
        const QString pfad = ordner.filePath(name);
        QVERIFY2(w->grab().save(pfad), qPrintable(pfad));
        qInfo("%s", qPrintable(pfad));
    }

private slots:
    void initTestCase() { QVERIFY(ordner.mkpath(QStringLiteral("."))); }

    void hauptfenster() {
        TStartForm s{TStartFensteroeffner{}};
        s.setStartParameter({});
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        speichere(&s, QStringLiteral("hauptfenster.png"));
    }

    // Opened from the main window as the user does, typed into and shown with
    // its result and then with the report.
    void lohnsteuerFenster() {
        TStartFensteroeffner o;
        o.LohnsteuerBerechnung = ZeigeLohnsteuerBerechnung;
        TStartForm s(o);
        s.setStartParameter({});
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QString lst;
        QTimer::singleShot(100, this, [&] {
            TLohnsteuerBerechnung* w = LohnsteuerBerechnung;
            QVERIFY(w && QTest::qWaitForWindowExposed(w));
            TFrameLStBerechnung* f = w->FrameLStBerechnung1;
            f->edName->setText(QStringLiteral("Jürgen Müller"));
            f->Eingabe->setFocus();
            f->Eingabe->selectAll();
            QTest::keyClicks(f->Eingabe, QStringLiteral("24000"));
            QTest::keyClick(f->Eingabe, Qt::Key_Tab);
            lst = f->showLSt->text();
            speichere(w, QStringLiteral("lohnsteuer.png"));
            f->EingabeDblClick();
            speichere(w, QStringLiteral("lohnsteuer-bericht.png"));
            w->acSchliessen->trigger();
        });
        s.acLSt->trigger();
        QCOMPARE(lst, QStringLiteral("1.316,00 €"));
    }
};

QTEST_MAIN(BildschirmfotoTest)
#include "BildschirmfotoTest.moc"
