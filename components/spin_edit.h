// An integer edit box with up and down buttons that keeps whatever text the user leaves in it.
#pragma once

#include <QAbstractSpinBox>
#include <functional>

// Dialogs read Text(), so a text that is not a number is written as it stands. Only
// ASCII digits, "+", "-", the locale's decimal separator and editing keys can be typed
// (other keys, Enter included, are dropped with a beep); full-width digits and signs,
// typed or committed by the input method, become their ASCII forms. Up and Down (keys and buttons, with
// auto-repeat) add or subtract Increment. When the box loses the focus a number outside
// MinValue..MaxValue is pulled to the nearer bound; with both bounds 0 there is no range.
class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    int MinValue() const { return minValue_; }
    void SetMinValue(int value) { minValue_ = value; }
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value) { maxValue_ = value; }
    int Increment() const { return increment_; }
    void SetIncrement(int value) { increment_ = value; }

    // The number shown; MinValue when the text is not a number.
    int Value() const;
    // Shows `value` pulled into the range.
    void SetValue(int value);

    QString Text() const;
    void SetText(const QString& text);

    // `value` pulled to the nearer bound when there is a range.
    int CheckValue(int value) const;

    // Called after the text changes, by typing or by stepping.
    std::function<void()> OnChange;

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    // The input method talks to the inner line edit, which has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool IsAcceptedCharacter(QChar c) const;
    // `text` with full-width digits and signs in their ASCII forms.
    static QString ToAscii(QString text);

    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
};
