#include "LStCalc.h"

#include "FrLStBer.h"
#include "KPanel.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace brenvik {

TLohnsteuerBerechnung* LohnsteuerBerechnung = nullptr;

namespace {
const QString kTitel = QStringLiteral("Lohnsteuer-Berechnung");

QToolButton* werkzeugknopf(QAction* a, const char* name, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setDefaultAction(a);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setFixedHeight(24);
    return b;
}
} // namespace

TLohnsteuerBerechnung::TLohnsteuerBerechnung(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LohnsteuerBerechnung"));
    setWindowTitle(kTitel);
    setProperty("helpContext", kHilfeKontext);

    acSchliessen = new QAction(QStringLiteral("Schliessen"), this);
    acSchliessen->setShortcut(Qt::Key_Escape);
    acSchliessen->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(acSchliessen, &QAction::triggered, this, &QDialog::reject);
    acHilfe = new QAction(QStringLiteral("Hilfe"), this);
    acHilfe->setShortcut(Qt::Key_F1);
    acHilfe->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    // Printing, PDF and help are offered once their services exist.
    acDrucken = new QAction(QStringLiteral("Drucken"), this);
    acDrucken->setShortcut(Qt::Key_F8);
    acDrucken->setEnabled(false);
    acPDF = new QAction(QStringLiteral("PDF"), this);
    acPDF->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P));
    acPDF->setVisible(false);
    acPDFAnzeigen = new QAction(QStringLiteral("Liste der PDF-Dokumente anzeigen"), this);
    acPDFAnzeigen->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    acPDFAnzeigen->setVisible(false);
    addActions({acSchliessen, acHilfe, acDrucken, acPDF, acPDFAnzeigen});

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    plBedienung = new TKPanel(this);
    plBedienung->setObjectName(QStringLiteral("plBedienung"));
    plBedienung->setFormatVorlage(TKPanelFormatVorlage::fvToolBarKS);
    plBedienung->setFixedHeight(26 + 4);
    auto* leiste = new QHBoxLayout(plBedienung);
    leiste->setContentsMargins(6, 2, 6, 2);
    leiste->setSpacing(2);
    leiste->addWidget(werkzeugknopf(acDrucken, "tbtnDrucken", plBedienung));
    // The PDF button shows only where a PDF driver is installed.
    QToolButton* pdf = werkzeugknopf(acPDF, "tbtnPDF", plBedienung);
    pdf->setVisible(acPDF->isVisible());
    leiste->addWidget(pdf);
    leiste->addStretch(1);
    leiste->addWidget(werkzeugknopf(acHilfe, "tbtnHilfe", plBedienung));
    tbtnAP = werkzeugknopf(acSchliessen, "tbtnAP", plBedienung);
    tbtnAP->hide();
    tbtnEsc = werkzeugknopf(acSchliessen, "tbtnEsc", plBedienung);
    leiste->addWidget(tbtnEsc);
    v->addWidget(plBedienung);
    v->addSpacing(5);

    plUeberschrift = new TKPanel(this);
    plUeberschrift->setObjectName(QStringLiteral("plUeberschrift"));
    plUeberschrift->setFormatVorlage(TKPanelFormatVorlage::fvUeberschriftKS1);
    plUeberschrift->setLabelText(kTitel);
    v->addWidget(plUeberschrift);

    FrameLStBerechnung1 = new TFrameLStBerechnung(this);
    v->addWidget(FrameLStBerechnung1, 1);
    FrameLStBerechnung1->setMinimumSize(880, 540);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TLohnsteuerBerechnung::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!betreten_) {
        betreten_ = true;
        FrameLStBerechnung1->FrameEnter();
    }
}

void ZeigeLohnsteuerBerechnung(const QString& aufruferTitel, const QIcon& aufruferIcon) {
    // Parented to the calling window, so that it is centred over it.
    std::unique_ptr<TLohnsteuerBerechnung> fenster(
        new TLohnsteuerBerechnung(QApplication::activeWindow()));
    LohnsteuerBerechnung = fenster.get();
    struct Aufraeumen {
        ~Aufraeumen() { LohnsteuerBerechnung = nullptr; }
    } aufraeumen;
    fenster->plUeberschrift->setLabelText(aufruferTitel + QStringLiteral(" » ") + kTitel);
    fenster->setWindowTitle(aufruferTitel + QStringLiteral(" · ") + kTitel);
    fenster->setWindowIcon(aufruferIcon);
    fenster->FrameLStBerechnung1->Initialisieren();
    fenster->exec();
}

} // namespace brenvik
