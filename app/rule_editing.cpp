// Editing a rule of the sheet in its dialog: finding the rule under the caret, the keys and the context-menu item that
// open a dialog filled from it, and where a dialog's rule goes.
#include <QAction>
#include <QMenu>
#include <QMessageBox>

#include "app/command.h"
#include "app/main_window.h"
#include "css/css_rules.h"
#include "dialogs/style_dialog.h"
#include "editor/editor.h"

void TForm1::CreateRuleEditing()
{
    EditRule1 = PopupMenu1->addAction(QStringLiteral("このルールを編集"));
    EditRule1->setObjectName(QStringLiteral("EditRule1"));
    ConnectCommand(EditRule1, &QAction::triggered, this, &TForm1::EditRule1Click);
    for (int d = 0; d < 8; ++d) {
        auto* key = new QAction(this);
        key->setObjectName(QStringLiteral("EditRuleKey%1").arg(d + 1));
        key->setShortcut(QKeySequence(Qt::SHIFT | static_cast<Qt::Key>(Qt::Key_F1 + d)));
        key->setShortcutContext(Qt::WindowShortcut);
        addAction(key);
        connect(key, &QAction::triggered, this, [this, d] { Guarded([this, d] { EditRuleWith(d); }); });
        EditRuleKeys[static_cast<std::size_t>(d)] = key;
    }
    // The item is offered only where there is a rule to edit.
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { EditRule1->setEnabled(RuleAtCaret().has_value()); });
}

std::optional<TForm1::TRuleAtCaret> TForm1::RuleAtCaret() const
{
    const tavi::TEditorCore& core = ExtMemo1->Core();
    const std::string bytes = core.TextRange(0, core.GetTextLen());
    const long long caret = ExtMemo1->SelStart();
    const std::optional<tavi::TCssStyleRule> found =
        tavi::CssStyleRuleAt(tavi::CssStyleRulesOf(bytes, core.Encoding()), static_cast<int>(caret));
    if (!found)
        return std::nullopt;
    // The rule and the line after it, where the dialogs write their comment.
    std::size_t end = bytes.find('\n', static_cast<std::size_t>(found->End));
    end = end == std::string::npos ? bytes.size() : bytes.find('\n', end + 1);
    const std::string_view piece =
        std::string_view(bytes).substr(found->Begin, (end == std::string::npos ? bytes.size() : end) - found->Begin);
    const QString text = ExtMemo1->FromDocument(piece);
    std::optional<tavi::TReadRule> read = tavi::ReadRuleText(text);
    if (!read)
        return std::nullopt;
    const auto bytesOf = [&](qsizetype chars) {
        return static_cast<long long>(ExtMemo1->ToDocument(QStringView(text).left(chars)).size());
    };
    return TRuleAtCaret{found->Begin + bytesOf(read->Begin), found->Begin + bytesOf(read->End), found->End,
                        std::move(*read)};
}

bool TForm1::RuleSelected() const
{
    if (ExtMemo1->SelLength() <= 0)
        return false;
    const std::optional<TRuleAtCaret> rule = RuleAtCaret();
    return rule && ExtMemo1->SelStart() <= rule->From && ExtMemo1->SelStart() + ExtMemo1->SelLength() >= rule->BraceEnd;
}

void TForm1::EditRule1Click()
{
    const std::optional<TRuleAtCaret> rule = RuleAtCaret();
    if (!rule) {
        Inform(kNoRuleAtCaretText);
        return;
    }
    EditRuleWith(DialogForRule(rule->Rule));
}

void TForm1::PlaceRule(const QStringList& lines, const std::optional<TRuleAtCaret>& rule)
{
    const QString text = lines.join(QStringLiteral("\r\n"));
    if (rule) {
        ExtMemo1->Core().ReplaceRange(rule->From, rule->To, ExtMemo1->ToDocument(text));
        return;
    }
    if (!InsertRuleAtCaret) {
        for (const QString& line : lines)
            AppendLine(line);
        return;
    }
    // After the rule the caret is in, or at the start of the caret's line.
    if (const std::optional<TRuleAtCaret> around = RuleAtCaret()) {
        ExtMemo1->Core().ReplaceRange(around->To, around->To, ExtMemo1->ToDocument(QStringLiteral("\r\n") + text));
        return;
    }
    const tavi::TEditorCore& core = ExtMemo1->Core();
    const long long caret = ExtMemo1->SelStart();
    const std::string before = core.TextRange(0, caret);
    const std::size_t lineBreak = before.rfind('\n');
    const long long lineStart = lineBreak == std::string::npos ? 0 : static_cast<long long>(lineBreak) + 1;
    ExtMemo1->Core().ReplaceRange(lineStart, lineStart, ExtMemo1->ToDocument(text + QStringLiteral("\r\n")));
}

void TForm1::Inform(const QString& text)
{
    QMessageBox box(QMessageBox::Information, kDialogMessageCaption, text, QMessageBox::Ok, this);
    box.exec();
}
