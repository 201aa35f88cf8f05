#pragma once
// The main window: a launcher with one button and one menu entry per
// calculator; each opens its calculator window modally.

#include <QIcon>
#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;

namespace brenvik {

// The window openers the main window calls; an empty one opens nothing
// (its calculator is not part of this build).
struct TStartFensteroeffner {
    std::function<void(int modus, const QString& titel, const QIcon& icon)> Lohnabrechnung;
    std::function<void(const QString& titel, const QIcon& icon)> LohnsteuerBerechnung;
    std::function<void(const QString& titel, const QIcon& icon)> MiniJobBerechnung;
    std::function<void(const QString& titel, const QIcon& icon)> SteuerklassenWahl;
    std::function<void(const QString& titel, const QIcon& icon)> KUGabrechnung;
};

// The program's icon (also the main window's).
QIcon ProgrammIcon();

class TStartForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TStartForm(TStartFensteroeffner oeffner, QWidget* parent = nullptr);

    // Runs the calculator named by a start parameter ("BRUTTO", "NETTO",
    // "NIEDRIG", "MINI", "JAHR", "STEUERKLASSEN", any letter case), then
    // closes the main window, also when nothing matched.
    void StartParameterAusfuehren(const QString& parameter);
    // The first command-line argument, read when the window is first shown.
    void setStartParameter(const QString& p) { startParameter_ = p; }

    // The text of the version box ("\r" separates its lines).
    static QString VersionsText();

    QAction* acSchliessen;
    QAction* acClose;
    QAction* acOK;
    QAction* acHilfe;
    QAction* acBrutto;
    QAction* acNetto;
    QAction* acNiedrig;
    QAction* acMiniJobs;
    QAction* acLSt;
    QAction* acStKlWahl;
    QAction* acEMail;
    QAction* acHomepage;
    QAction* Optionen_TastenZeigen;
    QAction* Optionen_FlacheButtons;
    QLabel* Titel;

    static constexpr const char* kHomepage = "https://www.brenvik.example";
    static constexpr const char* kSupportMail = "support@brenvik.example";

protected:
    void showEvent(QShowEvent* e) override;

private:
    QAction* aktion(const QString& name, const QString& kategorie, const QString& text,
                    const QString& hinweis, const QKeySequence& taste);
    void baueAktionen();
    void baueMenue();
    void baueFlaeche();
    void acBruttoExecute(QAction* sender);
    void acKUGExecute();
    void VersionsInfo1Click();

    TStartFensteroeffner oeffner_;
    QString startParameter_;
    bool gezeigt_ = false;
};

} // namespace brenvik
