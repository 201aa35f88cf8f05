#pragma once
// The modal wage-tax window: toolbar strip, heading strip and the frame.

#include <QDialog>
#include <QIcon>

class QAction;
class QToolButton;

namespace brenvik {

class TFrameLStBerechnung;
class TKPanel;

class TLohnsteuerBerechnung : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHilfeKontext = 6045;
    explicit TLohnsteuerBerechnung(QWidget* parent = nullptr);

    TFrameLStBerechnung* FrameLStBerechnung1;
    TKPanel* plBedienung;
    TKPanel* plUeberschrift;
    QAction* acSchliessen;
    QAction* acHilfe;
    QAction* acDrucken;
    QAction* acPDF;
    QAction* acPDFAnzeigen;
    QToolButton* tbtnAP;
    QToolButton* tbtnEsc;

protected:
    void showEvent(QShowEvent* e) override;

private:
    bool betreten_ = false;
};

// The open window, or nullptr.
extern TLohnsteuerBerechnung* LohnsteuerBerechnung;

// Creates the window with captions made from the caller's caption, shows it
// modally and frees it when it closes.
void ZeigeLohnsteuerBerechnung(const QString& aufruferTitel, const QIcon& aufruferIcon);

} // namespace brenvik
