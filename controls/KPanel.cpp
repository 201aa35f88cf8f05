#include "KPanel.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

namespace brenvik {

using V = TKPanelFormatVorlage;

TKPanelFormatVorlage PartnerVorlage(TKPanelFormatVorlage v) {
    const int n = int(v);
    if (n < 2 || n > 15) return v;
    return TKPanelFormatVorlage(n % 2 == 0 ? n + 1 : n - 1);
}

void TKBevel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    int y = form_ == Form::untereLinie ? height() - 2 : 0;
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(0, y, width() - 1, y);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(0, y + 1, width() - 1, y + 1);
}

namespace {
QColor systemFarbe(QPalette::ColorRole rolle) {
    return QApplication::palette().color(rolle);
}
const QColor kButtonFace() {
    return systemFarbe(QPalette::Button);
}
const QColor kFensterfarbe() {
    return systemFarbe(QPalette::Base);
}
const QColor kFenstertext() {
    return systemFarbe(QPalette::WindowText);
}

// What the label shows of a text with accelerator marks: "&&" is one
// ampersand, a single '&' only marks the next letter.
QString angezeigt(const QString& roh) {
    QString s;
    for (int i = 0; i < roh.size(); ++i) {
        if (roh[i] == u'&' && i + 1 < roh.size()) {
            ++i;
            s += roh[i];
        } else if (roh[i] != u'&') {
            s += roh[i];
        }
    }
    return s;
}
} // namespace

TKPanel::TKPanel(QWidget* parent) : QFrame(parent) {
    resize(185, 41);
    FDefaultBounds = geometry();
    FDefaultFont = font();
    setFocusPolicy(Qt::NoFocus);
    _Label = new QLabel(this);
    _Label->hide();
    _Label->setAttribute(Qt::WA_TranslucentBackground);
    _Label->setWordWrap(false);
    _Label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    _Label->move(10, 4);
    _Label->installEventFilter(this);
    _Bevel = new TKBevel(this);
    _BevelZ = new TKBevel(this);
    for (TKBevel* b : {_Bevel, _BevelZ}) {
        b->hide();
        b->setGeometry(10, -100, 10, 10);
    }
    if (parent) parent->installEventFilter(this);
}

QString TKPanel::LabelText() const {
    QString s = labelRoh_;
    return s.replace(QStringLiteral("&& "), QStringLiteral("& "));
}

void TKPanel::setLabelText(const QString& text) {
    labelRoh_ = text;
    labelRoh_.replace(QStringLiteral("& "), QStringLiteral("&& "));
    _Label->setText(angezeigt(labelRoh_));
    if (!_Label->wordWrap()) _Label->adjustSize();
}

void TKPanel::setOnLabelClick(std::function<void()> handler) {
    labelKlick_ = std::move(handler);
    if (istHinweis()) labelHinweis();
    _Label->setCursor(labelKlick_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

bool TKPanel::istHinweis() const {
    return FFormatVorlage >= V::fvHinweisKS1 && FFormatVorlage <= V::fvHinweisMV2;
}

void TKPanel::schrift(const QString& name, int punkt, bool fett, const QColor& farbe) {
    QFont f = FDefaultFont;
    f.setFamily(name);
    f.setPointSize(punkt);
    f.setBold(fett);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, farbe);
    setPalette(p);
}

void TKPanel::hintergrund(const QColor& farbe) {
    QPalette p = palette();
    p.setColor(QPalette::Window, farbe);
    setPalette(p);
    setAutoFillBackground(true);
}

void TKPanel::elternHintergrund() {
    setAutoFillBackground(false);
}

void TKPanel::rahmen(bool erhaben, bool alleSeiten) {
    if (erhaben || alleSeiten) {
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        setLineWidth(1);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
}

void TKPanel::ausrichten(TKAusrichtung a, int hoehe) {
    if (a == TKAusrichtung::keine) {
        if (ausrichtung_ == TKAusrichtung::keine) return;
        ausrichtung_ = a;
        setMinimumHeight(0);
        setMaximumHeight(QWIDGETSIZE_MAX);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        setGeometry(FDefaultBounds);
        return;
    }
    // A second aligned template must not forget where the panel came from.
    if (ausrichtung_ == TKAusrichtung::keine) FDefaultBounds = geometry();
    ausrichtung_ = a;
    setFixedHeight(hoehe);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    einpassen();
}

// Without a layout in the parent the panel stacks itself along the edge,
// after the panels aligned there before it.
void TKPanel::einpassen() {
    QWidget* p = parentWidget();
    if (!p || p->layout() || ausrichtung_ == TKAusrichtung::keine) return;
    int versatz = 0;
    for (QObject* o : p->children()) {
        if (o == this) break;
        auto* k = qobject_cast<TKPanel*>(o);
        if (k && k->isVisibleTo(p) && k->ausrichtung_ == ausrichtung_) versatz += k->height();
    }
    int y = ausrichtung_ == TKAusrichtung::oben ? versatz : p->height() - height() - versatz;
    setGeometry(0, y, p->width(), height());
}

void TKPanel::labelAuto(int links, int oben) {
    _Label->setWordWrap(false);
    _Label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    _Label->move(links, oben);
    _Label->adjustSize();
    _Label->setAttribute(Qt::WA_TranslucentBackground, true);
    _Label->setAutoFillBackground(false);
}

void TKPanel::labelHinweis() {
    const int oben = 4;
    _Label->setWordWrap(true);
    if (labelKlick_) {
        _Label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        _Label->setGeometry(0, oben, width(), height() - oben - 2);
    } else {
        _Label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        _Label->setGeometry(10, oben, width() - 12, height() - oben - 2);
    }
}

// The heading line behind an opaque label: it shows from the end of the
// title to the right edge.
void TKPanel::linie(int oben) {
    _Bevel->setForm(TKBevel::Form::untereLinie);
    _Bevel->setGeometry(10, oben, 2000, 10);
    _Bevel->show();
    _Bevel->lower();
    labelAuto(10, 4);
    _Label->setAttribute(Qt::WA_TranslucentBackground, false);
    _Label->setAutoFillBackground(true);
    _Label->show();
    _Label->raise();
}

void TKPanel::setFormatVorlage(TKPanelFormatVorlage v) {
    if (v == V::fvBenutzer) {
        FFormatVorlage = v;
        return;
    }
    FFormatVorlage = v;
    // Defaults of every template unless its row says otherwise.
    _Bevel->hide();
    _BevelZ->hide();
    rahmen(false, false);
    _Bevel->setGeometry(10, -100, 10, 10);
    const QString arial = QStringLiteral("Arial");
    switch (v) {
    case V::fvBenutzer:
        break;
    case V::fvStandard:
        if (parentWidget()) {
            setFont(parentWidget()->font());
            setPalette(parentWidget()->palette());
        }
        ausrichten(TKAusrichtung::keine, 0);
        hintergrund(kButtonFace());
        elternHintergrund();
        rahmen(true, true);
        labelAuto(10, 4);
        _Label->hide();
        break;
    case V::fvUeberschriftKS1:
        schrift(arial, 14, false, kFensterfarbe());
        ausrichten(TKAusrichtung::oben, 27);
        hintergrund(QColor(0x80, 0x80, 0x80));
        labelAuto(10, 2);
        _Label->show();
        break;
    case V::fvUeberschriftMV1:
        schrift(QStringLiteral("Microsoft Sans Serif"), 12, true, Qt::black);
        ausrichten(TKAusrichtung::oben, 36);
        hintergrund(Qt::white);
        labelAuto(8, 8);
        _Label->show();
        break;
    case V::fvUeberschriftKS2:
        schrift(arial, 11, true, kFenstertext());
        ausrichten(TKAusrichtung::oben, 27);
        hintergrund(QColor(0xD0, 0xD0, 0xD0));
        labelAuto(10, 5);
        _Label->show();
        break;
    case V::fvUeberschriftMV2:
        schrift(arial, 11, true, kFenstertext());
        ausrichten(TKAusrichtung::oben, 26);
        hintergrund(kButtonFace());
        linie(5);
        break;
    case V::fvUeberschriftKS3:
        schrift(arial, 10, true, kFenstertext());
        ausrichten(TKAusrichtung::oben, 22);
        hintergrund(QColor(0xD0, 0xD0, 0xD0));
        labelAuto(10, 3);
        _Label->show();
        break;
    case V::fvUeberschriftMV3:
        schrift(arial, 10, true, kFenstertext());
        ausrichten(TKAusrichtung::oben, 23);
        hintergrund(kButtonFace());
        linie(3);
        break;
    case V::fvUeberschriftKS4:
    case V::fvUeberschriftMV4:
        schrift(arial, 9, true, kFenstertext());
        ausrichten(TKAusrichtung::oben, 23);
        hintergrund(kButtonFace());
        linie(3);
        break;
    case V::fvHinweisKS1:
    case V::fvHinweisMV1:
    case V::fvHinweisKS2:
    case V::fvHinweisMV2:
        schrift(QStringLiteral("MS Sans Serif"), 8, false, kFenstertext());
        ausrichten(TKAusrichtung::keine, 0);
        hintergrund(QColor(0xFF, 0xFF, 0xCE));
        rahmen(true, false);
        _Label->setAttribute(Qt::WA_TranslucentBackground, true);
        _Label->setAutoFillBackground(false);
        labelHinweis();
        _Label->show();
        break;
    case V::fvToolBarKS:
        ausrichten(TKAusrichtung::oben, 51);
        hintergrund(QColor(0xFA, 0xFA, 0xFA));
        _Label->hide();
        break;
    case V::fvToolBarMV:
        ausrichten(TKAusrichtung::oben, 51);
        hintergrund(kButtonFace());
        _Label->hide();
        break;
    case V::fvFusszeile:
        schrift(QStringLiteral("MS Sans Serif"), 8, false, kFenstertext());
        ausrichten(TKAusrichtung::unten, 41);
        elternHintergrund();
        _Label->hide();
        _Bevel->setForm(TKBevel::Form::obereLinie);
        _Bevel->setGeometry(0, 0, width(), 2);
        _Bevel->show();
        break;
    // Input pages of the tax forms: a white page, a heading bar above it and
    // a button bar below it.
    case V::fvSteuerErfassungStandard:
        ausrichten(TKAusrichtung::keine, 0);
        hintergrund(kFensterfarbe());
        _Label->hide();
        break;
    case V::fvSteuerErfassungOben:
        schrift(arial, 10, true, kFenstertext());
        ausrichten(TKAusrichtung::oben, 30);
        hintergrund(QColor(0xE8, 0xE8, 0xE8));
        labelAuto(10, 6);
        _Label->show();
        break;
    case V::fvSteuerErfassungUnten:
        ausrichten(TKAusrichtung::unten, 36);
        hintergrund(QColor(0xE8, 0xE8, 0xE8));
        _Label->hide();
        _Bevel->setForm(TKBevel::Form::obereLinie);
        _Bevel->setGeometry(0, 0, width(), 2);
        _Bevel->show();
        break;
    }
}

void TKPanel::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    const int delta = e->size().width() - e->oldSize().width();
    if (e->oldSize().width() >= 0 && delta != 0 && istHinweis())
        _Label->resize(_Label->width() + delta, _Label->height());
    if (_Bevel->isVisible() && _Bevel->form() == TKBevel::Form::obereLinie)
        _Bevel->resize(width(), _Bevel->height());
}

bool TKPanel::eventFilter(QObject* o, QEvent* e) {
    if (o == parentWidget() && e->type() == QEvent::Resize) {
        einpassen();
    } else if (o == _Label && labelKlick_) {
        if (e->type() == QEvent::Enter) {
            FLabelFont = _Label->font();
            QFont f = _Label->font();
            f.setUnderline(true);
            _Label->setFont(f);
            QPalette p = _Label->palette();
            p.setColor(QPalette::WindowText, QColor(0, 0, 0xFF));
            _Label->setPalette(p);
        } else if (e->type() == QEvent::Leave) {
            if (FLabelFont) {
                _Label->setFont(*FLabelFont);
                FLabelFont.reset();
            } else {
                QFont f = _Label->font();
                f.setUnderline(false);
                _Label->setFont(f);
            }
            _Label->setPalette(palette());
        } else if (e->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            labelKlick_();
        }
    }
    return QFrame::eventFilter(o, e);
}

} // namespace brenvik
