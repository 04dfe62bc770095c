// A push button with an optional glyph that is never a default button, so Enter presses none.
#include "components/bit_btn.h"

#include <QKeyEvent>

TBitBtn::TBitBtn(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
    setDefault(false);
}

void TBitBtn::SetKind(TBitBtnKind kind)
{
    switch (kind) {
        case bkOK:
            setIcon(QIcon(QStringLiteral(":/glyphs/ok.png")));
            break;
        case bkCancel:
            setIcon(QIcon(QStringLiteral(":/glyphs/cancel.png")));
            break;
        case bkCustom:
            setIcon(QIcon());
            break;
    }
}

void TBitBtn::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
