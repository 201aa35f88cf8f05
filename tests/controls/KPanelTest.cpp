// The panel's format templates, label text and hover.

#include "KPanel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QtTest>

using namespace brenvik;
using V = TKPanelFormatVorlage;

class KPanelTest : public QObject {
    Q_OBJECT
    QWidget* fenster = nullptr;
    TKPanel* panel = nullptr;

private slots:
    void init() {
        fenster = new QWidget;
        fenster->resize(400, 300);
        panel = new TKPanel(fenster);
        panel->setGeometry(10, 10, 300, 100);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
    }
    void cleanup() { delete fenster; }

    void labelTextMitKaufmannsUnd() {
        panel->setFormatVorlage(V::fvUeberschriftKS3);
        panel->setLabelText(QStringLiteral("Steuer & Abgaben"));
        QCOMPARE(panel->Label()->text(), QStringLiteral("Steuer & Abgaben"));
        QCOMPARE(panel->LabelRohtext(), QStringLiteral("Steuer && Abgaben"));
        QCOMPARE(panel->LabelText(), QStringLiteral("Steuer & Abgaben"));
        panel->setLabelText(QStringLiteral("&Datei"));
        QCOMPARE(panel->Label()->text(), QStringLiteral("Datei"));
        QCOMPARE(panel->LabelText(), QStringLiteral("&Datei"));
    }

    void ausrichtungHinUndZurueck() {
        panel->setFormatVorlage(V::fvUeberschriftKS3);
        QCOMPARE(panel->Ausrichtung(), TKAusrichtung::oben);
        QCOMPARE(panel->geometry(), QRect(0, 0, 400, 22));
        fenster->resize(500, 300);
        QCOMPARE(panel->width(), 500);
        panel->setFormatVorlage(V::fvUeberschriftMV3);
        QCOMPARE(panel->height(), 23);
        panel->setFormatVorlage(V::fvStandard);
        QCOMPARE(panel->Ausrichtung(), TKAusrichtung::keine);
        QCOMPARE(panel->geometry(), QRect(10, 10, 300, 100));
        QVERIFY(!panel->Label()->isVisible());
        QCOMPARE(panel->frameShadow(), QFrame::Raised);
    }

    void ks3GegenMv3() {
        panel->setLabelText(QStringLiteral("Angaben zum Arbeitslohn"));
        panel->setFormatVorlage(V::fvUeberschriftKS3);
        QCOMPARE(panel->height(), 22);
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(0xD0, 0xD0, 0xD0));
        QVERIFY(!panel->Bevel()->isVisible());
        QCOMPARE(panel->font().pointSize(), 10);
        QVERIFY(panel->font().bold());
        QCOMPARE(panel->Label()->pos(), QPoint(10, 3));

        panel->setFormatVorlage(V::fvUeberschriftMV3);
        QCOMPARE(panel->height(), 23);
        QCOMPARE(panel->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Button));
        QVERIFY(panel->Bevel()->isVisible());
        QCOMPARE(panel->Bevel()->y(), 3);
        QCOMPARE(panel->Bevel()->width(), 2000);
        QVERIFY(panel->Label()->autoFillBackground()); // hides the line behind the title
        QVERIFY(!panel->BevelZ()->isVisible());
    }

    void toolbarVersteckt_Label() {
        panel->setLabelText(QStringLiteral("Titel"));
        panel->setFormatVorlage(V::fvToolBarKS);
        QVERIFY(!panel->Label()->isVisible());
        QCOMPARE(panel->height(), 51);
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(0xFA, 0xFA, 0xFA));
    }

    void ueberschriftKS1() {
        panel->setLabelText(QStringLiteral("LSt-Service-Funktionen » Lohnsteuer-Berechnung"));
        panel->setFormatVorlage(V::fvUeberschriftKS1);
        QCOMPARE(panel->height(), 27);
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
        QCOMPARE(panel->palette().color(QPalette::WindowText),
                 QApplication::palette().color(QPalette::Base));
        QCOMPARE(panel->font().pointSize(), 14);
        QVERIFY(panel->Label()->isVisible());
    }

    void gestapelteLeisten() {
        panel->setFormatVorlage(V::fvToolBarKS);
        auto* kopf = new TKPanel(fenster);
        kopf->setFormatVorlage(V::fvUeberschriftKS1);
        auto* fuss = new TKPanel(fenster);
        fuss->setFormatVorlage(V::fvFusszeile);
        QCOMPARE(panel->geometry(), QRect(0, 0, 400, 51));
        QCOMPARE(kopf->geometry(), QRect(0, 51, 400, 27));
        QCOMPARE(fuss->geometry(), QRect(0, 300 - 41, 400, 41));
        QVERIFY(fuss->Bevel()->isVisibleTo(fuss));
        QCOMPARE(fuss->Bevel()->form(), TKBevel::Form::obereLinie);
        QCOMPARE(fuss->Bevel()->width(), 400);
    }

    void hinweisLabelWaechstMit() {
        panel->setFormatVorlage(V::fvHinweisKS1);
        QCOMPARE(panel->Label()->geometry(), QRect(10, 4, 300 - 12, 100 - 4 - 2));
        QVERIFY(panel->Label()->wordWrap());
        panel->resize(340, 100);
        QCOMPARE(panel->Label()->width(), 300 - 12 + 40);
        panel->setOnLabelClick([] {});
        QCOMPARE(panel->Label()->geometry(), QRect(0, 4, 340, 100 - 4 - 2));
        QVERIFY(panel->Label()->alignment() & Qt::AlignHCenter);

        panel->setFormatVorlage(V::fvUeberschriftKS2);
        panel->setLabelText(QStringLiteral("Kurz"));
        const int breite = panel->Label()->width();
        fenster->resize(460, 300);
        QCOMPARE(panel->Label()->width(), breite);
    }

    void partnervorlagen() {
        QCOMPARE(PartnerVorlage(V::fvUeberschriftKS3), V::fvUeberschriftMV3);
        QCOMPARE(PartnerVorlage(V::fvUeberschriftMV3), V::fvUeberschriftKS3);
        QCOMPARE(PartnerVorlage(V::fvToolBarKS), V::fvToolBarMV);
        QCOMPARE(PartnerVorlage(V::fvUeberschriftKS1), V::fvUeberschriftMV1);
        QCOMPARE(PartnerVorlage(V::fvBenutzer), V::fvBenutzer);
        QCOMPARE(PartnerVorlage(V::fvFusszeile), V::fvFusszeile);
    }

    void benutzerAendertNichts() {
        panel->setFormatVorlage(V::fvUeberschriftKS3);
        panel->setFormatVorlage(V::fvBenutzer);
        QCOMPARE(panel->FormatVorlage(), V::fvBenutzer);
        QCOMPARE(panel->height(), 22);
    }

    void jedeVorlageLaesstSichAnwenden() {
        for (int v = 0; v <= int(V::fvSteuerErfassungUnten); ++v) {
            panel->setFormatVorlage(V(v));
            QCOMPARE(int(panel->FormatVorlage()), v);
        }
    }

    void klickbaresLabelReagiertAufDieMaus() {
        panel->setFormatVorlage(V::fvUeberschriftKS3);
        panel->setLabelText(QStringLiteral("Mehr"));
        int klicks = 0;
        QEnterEvent rein(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(panel->Label(), &rein);
        QVERIFY(!panel->Label()->font().underline()); // no handler, no reaction
        panel->setOnLabelClick([&] { ++klicks; });
        QApplication::sendEvent(panel->Label(), &rein);
        QVERIFY(panel->Label()->font().underline());
        QCOMPARE(panel->Label()->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
        QEvent raus(QEvent::Leave);
        QApplication::sendEvent(panel->Label(), &raus);
        QVERIFY(!panel->Label()->font().underline());
        QTest::mouseClick(panel->Label(), Qt::LeftButton);
        QCOMPARE(klicks, 1);
    }
};

QTEST_MAIN(KPanelTest)
#include "KPanelTest.moc"
