// A push button with an optional glyph that is never a default button, so Enter presses none.
#pragma once

#include <QPushButton>

// Enter and Space press the button only while it has the focus; Enter elsewhere in a
// dialog presses nothing. The caption's "&" letter presses it with Alt.
class TBitBtn : public QPushButton {
    Q_OBJECT
public:
    TBitBtn(const QString& caption, QWidget* parent = nullptr);

    // A standard glyph for the button's kind.
    enum TBitBtnKind { bkCustom, bkOK, bkCancel };
    void SetKind(TBitBtnKind kind);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
