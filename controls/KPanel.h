#pragma once
// The program's panel: a plain container that can take one of the format
// templates (toolbar strip, heading strips, group headings, hints, footer)
// which set font, colours, alignment, height, lines and its caption label.

#include <QFont>
#include <QFrame>
#include <QLabel>

#include <functional>
#include <optional>

namespace brenvik {

enum class TKPanelFormatVorlage : unsigned char {
    fvBenutzer,
    fvStandard,
    fvUeberschriftKS1,
    fvUeberschriftMV1,
    fvUeberschriftKS2,
    fvUeberschriftMV2,
    fvUeberschriftKS3,
    fvUeberschriftMV3,
    fvUeberschriftKS4,
    fvUeberschriftMV4,
    fvHinweisKS1,
    fvHinweisMV1,
    fvHinweisKS2,
    fvHinweisMV2,
    fvToolBarKS,
    fvToolBarMV,
    fvFusszeile,
    fvSteuerErfassungStandard,
    fvSteuerErfassungOben,
    fvSteuerErfassungUnten,
};

// The template of the other optics (maker's <-> partner brand's); templates
// outside the pairs are their own partner.
TKPanelFormatVorlage PartnerVorlage(TKPanelFormatVorlage v);

enum class TKAusrichtung { keine, oben, unten };

// A bevel drawn as a single lowered line along its top or bottom edge.
class TKBevel : public QWidget {
public:
    enum class Form { untereLinie, obereLinie };
    explicit TKBevel(QWidget* parent) : QWidget(parent) {}
    void setForm(Form f) {
        form_ = f;
        update();
    }
    Form form() const { return form_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Form form_ = Form::untereLinie;
};

class TKPanel : public QFrame {
    Q_OBJECT
public:
    explicit TKPanel(QWidget* parent = nullptr);

    TKPanelFormatVorlage FormatVorlage() const { return FFormatVorlage; }
    void setFormatVorlage(TKPanelFormatVorlage v);

    // "& " shows as an ampersand, not as an accelerator mark.
    QString LabelText() const;
    void setLabelText(const QString& text);
    void setOnLabelClick(std::function<void()> handler);

    TKAusrichtung Ausrichtung() const { return ausrichtung_; }
    QRect DefaultBounds() const { return FDefaultBounds; }
    QLabel* Label() const { return _Label; }
    TKBevel* Bevel() const { return _Bevel; }
    TKBevel* BevelZ() const { return _BevelZ; }
    // The label's raw text, with "&&" for a shown ampersand.
    QString LabelRohtext() const { return labelRoh_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void schrift(const QString& name, int punkt, bool fett, const QColor& farbe);
    void ausrichten(TKAusrichtung a, int hoehe);
    void einpassen();
    void hintergrund(const QColor& farbe);
    void elternHintergrund();
    void rahmen(bool erhaben, bool alleSeiten);
    void labelAuto(int links, int oben);
    void labelHinweis();
    void linie(int oben);
    bool istHinweis() const;

    TKPanelFormatVorlage FFormatVorlage = TKPanelFormatVorlage::fvBenutzer;
    QRect FDefaultBounds;
    QFont FDefaultFont;
    std::optional<QFont> FLabelFont;
    QLabel* _Label;
    TKBevel* _Bevel;
    TKBevel* _BevelZ;
    QString labelRoh_;
    std::function<void()> labelKlick_;
    TKAusrichtung ausrichtung_ = TKAusrichtung::keine;
};

} // namespace brenvik
