#include "Start.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLinearGradient>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace brenvik {

namespace {

const QColor kNavy(0x1C, 0x3F, 0x6E);
const QColor kAkzent(0xF2, 0x8C, 0x28);
const QColor kGrau(0x80, 0x80, 0x80);

// The program's mark: a navy rounded square with a white "B" and an orange
// bar under it.
void zeichneZeichen(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawRoundedRect(r, r.width() * 0.18, r.width() * 0.18);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(int(r.height() * 0.62));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r.adjusted(0, -r.height() * 0.08, 0, -r.height() * 0.08), Qt::AlignCenter,
               QStringLiteral("B"));
    p.setBrush(kAkzent);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(r.left() + r.width() * 0.28, r.bottom() - r.height() * 0.2, r.width() * 0.44,
                      r.height() * 0.07));
    p.restore();
}

void zeichneLogo(QPainter& p, const QRect& r) {
    zeichneZeichen(p, QRectF(r.left() + 16, r.top() + 17, 56, 56));
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(26);
    p.setFont(f);
    p.setPen(kNavy);
    p.drawText(QRect(r.left() + 82, r.top() + 18, 140, 32), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Brenvik"));
    f.setBold(false);
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(kGrau);
    p.drawText(QRect(r.left() + 83, r.top() + 50, 138, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Lohn · Steuer · SV"));
}

void zeichneProgrammbild(QPainter& p, const QRect& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawRect(r);
    // A small bar chart on the left.
    const int basis = r.bottom() - 14;
    const int hoehen[] = {12, 20, 28};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == 2 ? kAkzent : QColor(0xFF, 0xFF, 0xFF, 200));
        p.drawRect(QRect(r.left() + 12 + i * 9, basis - hoehen[i], 6, hoehen[i]));
    }
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(15);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(r.left() + 46, r.top() + 10, r.width() - 50, 22),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Lohnsteuer"));
    f.setBold(false);
    f.setPixelSize(12);
    p.setFont(f);
    p.setPen(kAkzent);
    p.drawText(QRect(r.left() + 46, r.top() + 32, r.width() - 50, 18),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("2000 – 2024"));
    p.restore();
}

QIcon schliessenIcon() {
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kNavy, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 5), QPointF(15, 15));
    p.drawLine(QPointF(15, 5), QPointF(5, 15));
    return QIcon(pm);
}

QString hinweis(const char* text) {
    return QString::fromUtf8(text).remove(u'\r');
}

// The client area: strips and boxes at fixed places, stretched with the
// window.
class StartFlaeche : public QWidget {
public:
    explicit StartFlaeche(QWidget* parent) : QWidget(parent) {}
    QWidget* schliessen = nullptr;
    QWidget* linkBox = nullptr;
    QLabel* titel = nullptr;

    static constexpr int kOben = 91, kLinks = 221, kTitelY = kOben + 470, kTitelH = 61;
    static constexpr int kNavyBreite = 40, kVerlauf = 16;

protected:
    void resizeEvent(QResizeEvent*) override {
        const int w = width();
        if (schliessen) schliessen->move(w - 25 - 8, 8);
        if (titel) titel->setGeometry(kLinks, kTitelY, titelBreite() - 16, kTitelH);
    }
    int titelBreite() const { return width() - kLinks - kNavyBreite - kVerlauf; }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int w = width(), h = height();
        p.fillRect(rect(), Qt::white);
        zeichneLogo(p, QRect(0, 0, kLinks, kOben));
        p.setPen(QColor(0xD8, 0xD8, 0xD8));
        p.drawLine(0, kOben - 1, w, kOben - 1);

        QLinearGradient links(0, kOben, 0, h);
        links.setColorAt(0, QColor(0xC0, 0xC0, 0xC0));
        links.setColorAt(1, Qt::white);
        p.fillRect(QRect(0, kOben, kLinks, h - kOben), links);
        p.fillRect(QRect(0, kTitelY, 30, kTitelH), QColor(0xA0, 0xA0, 0xA0));
        p.fillRect(QRect(190, kTitelY, kLinks - 190, kTitelH), QColor(0xA0, 0xA0, 0xA0));
        zeichneProgrammbild(p, QRect(30, kTitelY, 160, kTitelH));

        p.fillRect(QRect(kLinks, kTitelY, titelBreite(), kTitelH), kGrau);
        const int navyX = w - kVerlauf - kNavyBreite;
        p.fillRect(QRect(navyX, kOben, kNavyBreite, h - kOben), kNavy);
        zeichneZeichen(p, QRectF(navyX + 6, h - 40, 28, 28));
        QLinearGradient rechts(navyX + kNavyBreite, 0, w, 0);
        rechts.setColorAt(0, QColor(0xC0, 0xC0, 0xC0));
        rechts.setColorAt(1, Qt::white);
        p.fillRect(QRect(navyX + kNavyBreite, kOben, kVerlauf, h - kOben), rechts);
    }
};

QLabel* fett(const QString& text, QWidget* parent, int x, int y) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    f.setPixelSize(13);
    l->setFont(f);
    l->move(x, y);
    l->adjustSize();
    return l;
}

} // namespace

QIcon ProgrammIcon() {
    QIcon icon;
    for (int groesse : {16, 32, 48, 64}) {
        QPixmap pm(groesse, groesse);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        zeichneZeichen(p, QRectF(0, 0, groesse, groesse));
        icon.addPixmap(pm);
    }
    return icon;
}

TStartForm::TStartForm(TStartFensteroeffner oeffner, QWidget* parent)
    : QMainWindow(parent), oeffner_(std::move(oeffner)) {
    setObjectName(QStringLiteral("StartForm"));
    setWindowTitle(QStringLiteral("LSt-Service-Funktionen"));
    setWindowIcon(ProgrammIcon());
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);
    setMinimumSize(1000, 750);
    resize(1000, 750);
    startParameter_ = QCoreApplication::arguments().value(1);
    baueAktionen();
    baueMenue();
    baueFlaeche();
    Titel->setText(QStringLiteral("Brenvik 2000-2024"));
}

QAction* TStartForm::aktion(const QString& name, const QString& kategorie, const QString& text,
                            const QString& hinweis, const QKeySequence& taste) {
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    a->setProperty("kategorie", kategorie);
    if (!hinweis.isEmpty()) {
        a->setToolTip(hinweis);
        a->setStatusTip(hinweis);
    }
    if (!taste.isEmpty()) a->setShortcut(taste);
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a); // shortcuts work whether or not a control shows the action
    return a;
}

void TStartForm::baueAktionen() {
    const QString allg = QStringLiteral("Allgemein"), ber = QStringLiteral("Berechnen"),
                  hilfe = QStringLiteral("Hilfe"), opt = QStringLiteral("Optionen");
    acSchliessen = aktion("acSchliessen", allg, "Schliessen", {}, Qt::Key_Escape);
    acClose = aktion("acClose", allg, {}, "Programm beenden", {});
    acOK = aktion("acOK", allg, "OK", {}, Qt::Key_F10);
    acHilfe = aktion("acHilfe", allg, {}, "Hilfe zum Programm", Qt::Key_F1);
    acBrutto = aktion("acBrutto", ber, "Lohnabrechnung (Brutto -> Netto)",
                      hinweis("Berechnet nach Eingabe eines\r\nMonats-Bruttolohnes den\r\n"
                              "auszuzahlenden Nettolohn"),
                      {});
    acNetto = aktion("acNetto", ber, "Lohnabrechnung (Netto -> Brutto)",
                     hinweis("Berechnet nach Eingabe eines\r\nMonats-Nettolohnes den\r\n"
                             "erforderlichen Bruttolohn"),
                     {});
    acNiedrig = aktion("acNiedrig", ber, "Niedriglohn-Jobs",
                       hinweis("Führt eine Monats-Lohnabrechnung\r\nfür einen Bruttolohn "
                               "innerhalb der \r\nGleitzone durch"),
                       {});
    acMiniJobs =
        aktion("acMiniJobs", ber, "Mini-Jobs",
               hinweis("Führt eine Monats-Lohnabrechnung\r\nfür einen Mini-Job durch"), {});
    acLSt = aktion("acLSt", ber, "Lohnsteuer-Berechnung",
                   hinweis("Berechnet die Lohnabzüge \r\nwahlweise für den Zeitraum\r\n"
                           "Jahr, Monat, Woche oder Tag"),
                   {});
    acStKlWahl = aktion("acStKlWahl", ber, "Steuerklassen-Wahl",
                        "Führt eine Optimierung der Steuerklassenwahl durch", {});
    acEMail = aktion("acEMail", hilfe, "E-&Mail", {}, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
    acHomepage =
        aktion("acHomepage", hilfe, "Ho&mepage", {}, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_I));
    Optionen_TastenZeigen = aktion("Optionen_TastenZeigen", opt, "&Tastenbelegung zeigen", {}, {});
    Optionen_FlacheButtons = aktion("Optionen_FlacheButtons", opt, "&Flache Buttons", {}, {});
    Optionen_TastenZeigen->setEnabled(false);
    Optionen_FlacheButtons->setEnabled(false);
    acClose->setIcon(schliessenIcon());

    for (QAction* a : {acSchliessen, acClose, acOK})
        connect(a, &QAction::triggered, this, &QWidget::close);
    // No help file is installed with this build; the key does nothing.
    connect(acHilfe, &QAction::triggered, this, [] {});
    for (QAction* a : {acBrutto, acNetto, acNiedrig})
        connect(a, &QAction::triggered, this, [this, a] { acBruttoExecute(a); });
    auto oeffne = [this](const std::function<void(const QString&, const QIcon&)>& f) {
        if (f) f(windowTitle(), windowIcon());
    };
    connect(acMiniJobs, &QAction::triggered, this,
            [=, this] { oeffne(oeffner_.MiniJobBerechnung); });
    connect(acLSt, &QAction::triggered, this, [=, this] { oeffne(oeffner_.LohnsteuerBerechnung); });
    connect(acStKlWahl, &QAction::triggered, this,
            [=, this] { oeffne(oeffner_.SteuerklassenWahl); });
    connect(acEMail, &QAction::triggered, this, [] {
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + QLatin1String(kSupportMail)));
    });
    connect(acHomepage, &QAction::triggered, this,
            [] { QDesktopServices::openUrl(QUrl(QLatin1String(kHomepage))); });
}

void TStartForm::baueMenue() {
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->addAction(acSchliessen);
    QMenu* ber = menuBar()->addMenu(QStringLiteral("Be&rechnen"));
    ber->addActions({acBrutto, acNetto, acNiedrig, acMiniJobs, acLSt});
    ber->addSeparator();
    ber->addAction(acStKlWahl);
    QMenu* opt = menuBar()->addMenu(QStringLiteral("&Optionen"));
    opt->addActions({Optionen_TastenZeigen, Optionen_FlacheButtons});
    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("Hilfe"));
    QAction* info = hilfe->addAction(QStringLiteral("Versions-Info"));
    info->setObjectName(QStringLiteral("VersionsInfo1"));
    connect(info, &QAction::triggered, this, &TStartForm::VersionsInfo1Click);
}

void TStartForm::baueFlaeche() {
    auto* flaeche = new StartFlaeche(this);
    setCentralWidget(flaeche);

    auto* zu = new QToolButton(flaeche);
    zu->setObjectName(QStringLiteral("btnClose"));
    zu->setDefaultAction(acClose);
    zu->setAutoRaise(true);
    zu->setFixedSize(25, 25);
    zu->setFocusPolicy(Qt::NoFocus);
    flaeche->schliessen = zu;
    auto* hilfeKnopf = new QToolButton(flaeche);
    hilfeKnopf->setObjectName(QStringLiteral("btnHilfe"));
    hilfeKnopf->setDefaultAction(acHilfe);
    hilfeKnopf->hide();

    auto* box = new QWidget(flaeche);
    box->setAutoFillBackground(true);
    QPalette weiss = box->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    box->setPalette(weiss);
    box->setGeometry(12, StartFlaeche::kOben + 16, 197, 88);
    const QString texte[] = {QStringLiteral("Was ist neu?"), QStringLiteral("Support-Anfrage"),
                             QString::fromLatin1(kHomepage).remove(QStringLiteral("https://"))};
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(texte[i], box);
        QFont f = l->font();
        f.setUnderline(true);
        f.setPixelSize(12);
        l->setFont(f);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::blue);
        l->setPalette(p);
        l->setCursor(Qt::PointingHandCursor);
        l->move(12, 10 + i * 24);
        l->adjustSize();
    }

    const int x = StartFlaeche::kLinks + 30;
    int y = StartFlaeche::kOben + 20;
    auto knopf = [&](QAction* a) {
        auto* b = new QPushButton(QString(a->text()).remove(u'&'), flaeche);
        b->setObjectName(QStringLiteral("btn") + a->objectName().mid(2));
        b->setToolTip(a->toolTip());
        b->setGeometry(x + 10, y, 281, 25);
        QFont f = b->font();
        f.setPixelSize(12);
        b->setFont(f);
        b->setStyleSheet(QStringLiteral("text-align: left; padding-left: 10px;"));
        connect(b, &QPushButton::clicked, a, &QAction::trigger);
        y += 31;
    };
    fett(QStringLiteral("Monats-Berechnungen "), flaeche, x, y);
    y += 26;
    for (QAction* a : {acBrutto, acNetto, acNiedrig, acMiniJobs})
        knopf(a);
    y += 20;
    fett(QStringLiteral("Jahres-Berechnungen "), flaeche, x, y);
    y += 26;
    for (QAction* a : {acLSt, acStKlWahl})
        knopf(a);
    y += 20;
    fett(QStringLiteral("Informationen "), flaeche, x, y);
    y += 26;
    for (QAction* a : {acEMail, acHomepage}) {
        auto* b = new QToolButton(flaeche);
        b->setObjectName(QStringLiteral("btn") + a->objectName().mid(2));
        b->setDefaultAction(a);
        b->setAutoRaise(true);
        b->setGeometry(x + 10, y, b->sizeHint().width(), 25);
        y += 28;
    }

    Titel = new QLabel(flaeche);
    Titel->setObjectName(QStringLiteral("Titel"));
    QFont tf(QStringLiteral("Arial"));
    tf.setPixelSize(32);
    Titel->setFont(tf);
    QPalette tp = Titel->palette();
    tp.setColor(QPalette::WindowText, Qt::white);
    Titel->setPalette(tp);
    Titel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    flaeche->titel = Titel;
}

void TStartForm::acBruttoExecute(QAction* sender) {
    const int modus = sender == acBrutto ? 1 : sender == acNetto ? 2 : 3;
    if (oeffner_.Lohnabrechnung) oeffner_.Lohnabrechnung(modus, windowTitle(), windowIcon());
}

void TStartForm::acKUGExecute() {
    if (oeffner_.KUGabrechnung) oeffner_.KUGabrechnung(windowTitle(), windowIcon());
}

QString TStartForm::VersionsText() {
    const QString version = QStringLiteral(BRENVIK_VERSION "." BRENVIK_BUILD);
    const QFileInfo datei(QCoreApplication::applicationFilePath());
    const QString datum = datei.lastModified().toString(QStringLiteral("dd.MM.yyyy"));
    return QStringLiteral("Version ") + version + QStringLiteral(" vom ") + datum +
           QStringLiteral("\r") + QString(49, u'_') + QStringLiteral("\r\r") +
           QStringLiteral("- Integration der Lohnabrechnung ") + QStringLiteral("2024") +
           QStringLiteral("\r");
}

void TStartForm::VersionsInfo1Click() {
    QMessageBox::information(this, QCoreApplication::applicationName(),
                             VersionsText().replace(u'\r', u'\n'), QMessageBox::Ok);
}

void TStartForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (gezeigt_) return;
    gezeigt_ = true;
    if (QScreen* bildschirm = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(bildschirm->availableGeometry().center());
        move(r.topLeft());
    }
    if (!startParameter_.isEmpty())
        QTimer::singleShot(0, this, [this] { StartParameterAusfuehren(startParameter_); });
}

void TStartForm::StartParameterAusfuehren(const QString& parameter) {
    const QString p = parameter.toUpper();
    const std::pair<const char*, QAction*> tabelle[] = {
        {"BRUTTO", acBrutto}, {"NETTO", acNetto}, {"NIEDRIG", acNiedrig},
        {"MINI", acMiniJobs}, {"JAHR", acLSt},    {"STEUERKLASSEN", acStKlWahl}};
    for (const auto& [wort, a] : tabelle) {
        if (p == QLatin1String(wort)) {
            a->trigger();
            break;
        }
    }
    QCoreApplication::processEvents();
    close();
}

} // namespace brenvik
