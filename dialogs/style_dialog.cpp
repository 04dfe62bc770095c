// What every style rule dialog shares: its frame, the OK and Cancel buttons, and how its rule is written.
#include "dialogs/style_dialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>

#include "components/bit_btn.h"
#include "dialogs/rule_lines.h"
#include "dialogs/selector_group.h"
#include "platform/font_names.h"

TStyleDialog::TStyleDialog(const QString& caption, QSize clientSize, TLineSink sink, QWidget* parent)
    : QDialog(parent), sink_(std::move(sink))
{
    setWindowTitle(caption);
    setFont(tavi::FormFont(12));
    setFixedSize(clientSize);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void TStyleDialog::SetCommentOption(QCheckBox* box, QLineEdit* edit, bool editStartsEnabled)
{
    commentBox_ = box;
    commentEdit_ = edit;
    edit->setEnabled(editStartsEnabled);
    connect(box, &QCheckBox::clicked, edit, &QWidget::setEnabled);
}

TBitBtn* TStyleDialog::MakeOkButton(QPoint pos)
{
    auto* button = new TBitBtn(QStringLiteral("&OK"), this);
    button->SetKind(TBitBtn::bkOK);
    button->setGeometry(QRect(pos, QSize(75, 25)));
    return button;
}

TBitBtn* TStyleDialog::MakeCancelButton(QPoint pos)
{
    auto* button = new TBitBtn(QStringLiteral("&Cancel"), this);
    button->SetKind(TBitBtn::bkCancel);
    button->setGeometry(QRect(pos, QSize(75, 25)));
    return button;
}

std::optional<QStringList> TStyleDialog::RuleLines() const
{
    const std::optional<QString> selector = selectorGroup_ ? selectorGroup_->SelectorLine() : std::nullopt;
    if (!selector)
        return std::nullopt;
    QStringList lines{*selector};
    lines += Declarations();
    if (commentBox_ && commentBox_->isChecked())
        lines += tavi::CommentLine(commentEdit_->text());
    return lines;
}

void TStyleDialog::AppendRuleAndClose()
{
    const std::optional<QStringList> lines = RuleLines();
    if (!lines) {
        QMessageBox box(QMessageBox::Information, kDialogMessageCaption, kSelectorMissingText, QMessageBox::Ok, this);
        box.exec();
        return;
    }
    for (const QString& line : *lines)
        sink_(line);
    close();
}

void TStyleDialog::keyPressEvent(QKeyEvent* event)
{
    // No button is the default or the cancel button: Enter and Escape do nothing here.
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}
