#pragma once
// Numeric field with up/down buttons for small whole numbers (year, tax
// class, church-tax rate): clamps to its range when left, steps with the
// arrow keys and the buttons.

#include <QAbstractButton>
#include <QLineEdit>

namespace brenvik {

// One arrow button; held down it repeats its click after 400 ms and then
// every 100 ms while it stays pressed under the mouse.
class TTimerSpeedButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kErsteWiederholungMs = 400;
    static constexpr int kWiederholungMs = 100;
    TTimerSpeedButton(bool hoch, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool hoch_;
};

// The pair of arrow buttons at the right edge of a spin field.
class TKSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TKSpinButton(QWidget* parent = nullptr);
    TTimerSpeedButton* UpButton() const { return up_; }
    TTimerSpeedButton* DownButton() const { return down_; }
    TTimerSpeedButton* FocusedButton() const { return fokus_; }
    // The field that takes the keyboard focus when a button is pressed.
    void setFocusControl(QWidget* w) { focusControl_ = w; }

signals:
    void UpClick();
    void DownClick();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void gedrueckt(TTimerSpeedButton* b);
    TTimerSpeedButton* up_;
    TTimerSpeedButton* down_;
    TTimerSpeedButton* fokus_;
    QWidget* focusControl_ = nullptr;
};

class TKSpinEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TKSpinEdit(QWidget* parent = nullptr);

    // The text as a number, or MinValue when the text is not a number.
    double Value() const;
    // Clamps, then shows the shortest text of the number.
    void setValue(double wert);
    int MinValue() const { return FMinValue; }
    void setMinValue(int v) { FMinValue = v; }
    int MaxValue() const { return FMaxValue; }
    void setMaxValue(int v) { FMaxValue = v; }
    double Increment() const { return FIncrement; }
    void setIncrement(double v) { FIncrement = v; }
    bool EditorEnabled() const { return FEditorEnabled; }
    void setEditorEnabled(bool an) { FEditorEnabled = an; }
    TKSpinButton* Button() const { return button_; }

    double CheckValue(double wert) const;
    // Shortest text of a number with decimal comma.
    static QString ZahlText(double wert);

signals:
    // A typed key was refused (with the system beep).
    void abgewiesen();
    void betreten();
    void verlassen();

public slots:
    void UpClick();
    void DownClick();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

private:
    void piep();
    int mindesthoehe() const;
    TKSpinButton* button_;
    int FMinValue = 0, FMaxValue = 0;
    double FIncrement = 1.0;
    bool FEditorEnabled = true;
};

} // namespace brenvik
