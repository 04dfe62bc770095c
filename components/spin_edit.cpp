// An integer edit box with up and down buttons that keeps whatever text the user leaves in it.
#include "components/spin_edit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <algorithm>
#include <iterator>
#include <limits>

TSpinEdit::TSpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    setAccelerated(false);
    SetValue(0);
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            OnChange();
    });
}

int TSpinEdit::Value() const
{
    bool ok = false;
    const qlonglong value = Text().trimmed().toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return minValue_;
    return static_cast<int>(value);
}

void TSpinEdit::SetValue(int value)
{
    SetText(QString::number(CheckValue(value)));
}

QString TSpinEdit::Text() const
{
    return lineEdit()->text();
}

void TSpinEdit::SetText(const QString& text)
{
    lineEdit()->setText(text);
}

int TSpinEdit::CheckValue(int value) const
{
    if (minValue_ == 0 && maxValue_ == 0)
        return value;
    return std::clamp(value, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
}

void TSpinEdit::stepBy(int steps)
{
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    const qint64 next = static_cast<qint64>(Value()) + static_cast<qint64>(steps) * increment_;
    SetValue(
        static_cast<int>(std::clamp<qint64>(next, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
    lineEdit()->selectAll();
}

QValidator::State TSpinEdit::validate(QString&, int&) const
{
    // Typing is filtered key by key; whatever reaches the box (a paste too) is kept.
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

bool TSpinEdit::IsAcceptedCharacter(QChar c) const
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') || c == QLatin1Char('-') ||
           c == locale().decimalPoint().front();
}

QString TSpinEdit::ToAscii(QString text)
{
    // The full-width forms U+FF01..U+FF5E lie 0xFEE0 above their ASCII forms.
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if ((u >= u'０' && u <= u'９') || u == u'＋' || u == u'－' || u == u'．' || u == u'，')
            c = QChar(static_cast<char16_t>(u - 0xFEE0));
    }
    return text;
}

void TSpinEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
        case Qt::Key_Up:
            stepBy(1);
            return;
        case Qt::Key_Down:
            stepBy(-1);
            return;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            event->ignore();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            QApplication::beep();
            return;
        default:
            break;
    }
    const QString text = ToAscii(event->text());
    const bool printable = !text.isEmpty() && text.front() >= QLatin1Char(' ') &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (printable && !std::all_of(text.begin(), text.end(), [this](QChar c) { return IsAcceptedCharacter(c); })) {
        QApplication::beep();
        return;
    }
    if (printable && text != event->text()) {
        lineEdit()->insert(text);
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

bool TSpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != lineEdit() || event->type() != QEvent::InputMethod)
        return QAbstractSpinBox::eventFilter(watched, event);
    // A committed text keeps only what could have been typed, in ASCII.
    const auto* input = static_cast<QInputMethodEvent*>(event);
    const QString committed = ToAscii(input->commitString());
    QString kept;
    std::copy_if(committed.begin(), committed.end(), std::back_inserter(kept),
                 [this](QChar c) { return IsAcceptedCharacter(c); });
    if (kept == input->commitString())
        return false;
    if (kept.size() != committed.size())
        QApplication::beep();
    QInputMethodEvent filtered(input->preeditString(), input->attributes());
    filtered.setCommitString(kept, input->replacementStart(), input->replacementLength());
    QApplication::sendEvent(lineEdit(), &filtered);
    return true;
}

void TSpinEdit::focusOutEvent(QFocusEvent* event)
{
    QAbstractSpinBox::focusOutEvent(event);
    const int value = Value();
    if (CheckValue(value) != value)
        SetValue(value);
}
