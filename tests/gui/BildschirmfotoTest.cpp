// Writes pictures of the main window and of the wage-tax window with a
// computed result into the build folder, for a look by eye.

#include "FrLStBer.h"
#include "KBCurrencyEdit.h"
#include "LStCalc.h"
#include "Start.h"

#include <QDir>
#include <QLabel>
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

    void lohnsteuerFenster() {
        TLohnsteuerBerechnung w;
        TFrameLStBerechnung* f = w.FrameLStBerechnung1;
        w.setWindowTitle(QStringLiteral("LSt-Service-Funktionen · Lohnsteuer-Berechnung"));
        f->Initialisieren();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        f->edName->setText(QStringLiteral("Jürgen Müller"));
        f->Eingabe->setFocus();
        f->Eingabe->selectAll();
        QTest::keyClicks(f->Eingabe, QStringLiteral("24000"));
        QTest::keyClick(f->Eingabe, Qt::Key_Tab);
        QCOMPARE(f->showLSt->text(), QStringLiteral("1.316,00 €"));
        speichere(&w, QStringLiteral("lohnsteuer.png"));
        f->EingabeDblClick();
        speichere(&w, QStringLiteral("lohnsteuer-bericht.png"));
    }
};

QTEST_MAIN(BildschirmfotoTest)
#include "BildschirmfotoTest.moc"
