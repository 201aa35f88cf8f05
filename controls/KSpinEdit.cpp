#include "KSpinEdit.h"

#include "Zahlentext.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOption>

#include <cmath>

namespace brenvik {

TTimerSpeedButton::TTimerSpeedButton(bool hoch, QWidget* parent)
    : QAbstractButton(parent), hoch_(hoch) {
    setFocusPolicy(Qt::NoFocus);
    setAutoRepeat(true);
    setAutoRepeatDelay(kErsteWiederholungMs);
    setAutoRepeatInterval(kWiederholungMs);
}

void TTimerSpeedButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &p, this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(isEnabled() ? palette().color(QPalette::ButtonText)
                           : palette().color(QPalette::Disabled, QPalette::ButtonText));
    const QRectF r = rect();
    const qreal b = std::min(r.width(), r.height() * 1.6) * 0.22, m = r.center().x(),
                y = r.center().y() + (isDown() ? 1 : 0);
    const qreal h = b * 0.6;
    QPolygonF pfeil;
    if (hoch_)
        pfeil << QPointF(m - b, y + h / 2) << QPointF(m + b, y + h / 2) << QPointF(m, y - h / 2);
    else
        pfeil << QPointF(m - b, y - h / 2) << QPointF(m + b, y - h / 2) << QPointF(m, y + h / 2);
    p.drawPolygon(pfeil);
    if (auto* sb = qobject_cast<TKSpinButton*>(parentWidget());
        sb && sb->hasFocus() && sb->FocusedButton() == this) {
        QStyleOptionFocusRect f;
        f.initFrom(this);
        f.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &f, &p, this);
    }
}

TKSpinButton::TKSpinButton(QWidget* parent) : QWidget(parent) {
    up_ = new TTimerSpeedButton(true, this);
    down_ = new TTimerSpeedButton(false, this);
    fokus_ = up_;
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QAbstractButton::clicked, this, &TKSpinButton::UpClick);
    connect(down_, &QAbstractButton::clicked, this, &TKSpinButton::DownClick);
    connect(up_, &QAbstractButton::pressed, this, [this] { gedrueckt(up_); });
    connect(down_, &QAbstractButton::pressed, this, [this] { gedrueckt(down_); });
    resize(15, 17);
}

void TKSpinButton::gedrueckt(TTimerSpeedButton* b) {
    fokus_ = b;
    if (focusControl_ && focusControl_->focusPolicy() != Qt::NoFocus &&
        focusControl_->isEnabled() && !focusControl_->hasFocus())
        focusControl_->setFocus(Qt::MouseFocusReason);
    else if (focusPolicy() != Qt::NoFocus && !hasFocus())
        setFocus(Qt::MouseFocusReason);
}

void TKSpinButton::resizeEvent(QResizeEvent*) {
    int w = std::max(width(), 15), h = height() / 2;
    up_->setGeometry(0, 0, w, h);
    down_->setGeometry(0, h, w, height() - h);
}

void TKSpinButton::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Space:
        fokus_->click();
        break;
    case Qt::Key_Up:
        fokus_ = up_;
        up_->click();
        update();
        break;
    case Qt::Key_Down:
        fokus_ = down_;
        down_->click();
        update();
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

TKSpinEdit::TKSpinEdit(QWidget* parent) : QLineEdit(parent) {
    button_ = new TKSpinButton(this);
    button_->setFocusControl(this);
    button_->setCursor(Qt::ArrowCursor);
    connect(button_, &TKSpinButton::UpClick, this, &TKSpinEdit::UpClick);
    connect(button_, &TKSpinButton::DownClick, this, &TKSpinEdit::DownClick);
    setText(QStringLiteral("0"));
}

QString TKSpinEdit::ZahlText(double wert) {
    QString s = QString::number(wert, 'g', 15);
    s.replace(u'.', QLatin1Char(kDezimalzeichen));
    return s;
}

double TKSpinEdit::CheckValue(double wert) const {
    if (FMinValue == FMaxValue) return wert;
    if (wert < FMinValue) return FMinValue;
    if (wert > FMaxValue) return FMaxValue;
    return wert;
}

double TKSpinEdit::Value() const {
    Zahl z;
    QString t = text().trimmed();
    if (!t.isEmpty() && LiesDezimal(t.toStdString(), z)) return z.naeherung();
    return FMinValue;
}

void TKSpinEdit::setValue(double wert) {
    setText(ZahlText(CheckValue(wert)));
}

void TKSpinEdit::UpClick() {
    if (isReadOnly())
        piep();
    else
        setValue(Value() + FIncrement);
}

void TKSpinEdit::DownClick() {
    if (isReadOnly())
        piep();
    else
        setValue(Value() - FIncrement);
}

void TKSpinEdit::piep() {
    QApplication::beep();
    emit abgewiesen();
}

void TKSpinEdit::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) {
        e->key() == Qt::Key_Up ? UpClick() : DownClick();
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut)) {
        if (!FEditorEnabled || isReadOnly())
            e->accept();
        else
            QLineEdit::keyPressEvent(e);
        return;
    }
    if (!FEditorEnabled && (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete)) {
        piep();
        e->accept();
        return;
    }
    const QString t = e->text();
    if (t.isEmpty()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const QChar c = t.at(0);
    const bool steuerzeichen = c.unicode() < 32;
    const bool eingabe = c == u'\r' || c == u'\n';
    bool gueltig = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' ||
                   c == QLatin1Char(kDezimalzeichen) || (steuerzeichen && !eingabe);
    if (!FEditorEnabled && !steuerzeichen) gueltig = false;
    if (!gueltig) {
        piep();
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TKSpinEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    emit betreten();
}

void TKSpinEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (e->reason() != Qt::PopupFocusReason) {
        double jetzt = Value(), geklemmt = CheckValue(jetzt);
        if (geklemmt != jetzt) setValue(geklemmt);
    }
    emit verlassen();
}

int TKSpinEdit::mindesthoehe() const {
    const int schrift = fontMetrics().height();
    const int system = QFontMetrics(QApplication::font()).height();
    const int rand = 1;
    return schrift + std::min(schrift, system) / 4 + 4 * rand + 2;
}

QSize TKSpinEdit::minimumSizeHint() const {
    QSize s = QLineEdit::minimumSizeHint();
    return {s.width() + button_->width() + 2, std::max(s.height(), mindesthoehe())};
}

QSize TKSpinEdit::sizeHint() const {
    QSize s = QLineEdit::sizeHint();
    return {s.width(), std::max(s.height(), mindesthoehe())};
}

void TKSpinEdit::resizeEvent(QResizeEvent* e) {
    QLineEdit::resizeEvent(e);
    if (height() < mindesthoehe()) setMinimumHeight(mindesthoehe());
    const int oben = hasFrame() ? 2 : 1;
    const int breite = 15;
    button_->setGeometry(width() - breite - oben, oben, breite, height() - 2 * oben);
    setTextMargins(0, 0, breite + 2, 0);
}

} // namespace brenvik
