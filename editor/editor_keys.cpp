// The editor control's keyboard: navigation and editing keys for the core, typed text, Tab and shortcut routing.
#include <QKeyEvent>
#include <cctype>
#include <optional>

#include "editor/editor.h"
#include "editor/text_input.h"

namespace {

std::optional<tavi::TEditKey> EditKeyOf(int key)
{
    switch (key) {
        case Qt::Key_PageUp:
            return tavi::TEditKey::PageUp;
        case Qt::Key_PageDown:
            return tavi::TEditKey::PageDown;
        case Qt::Key_Home:
            return tavi::TEditKey::Home;
        case Qt::Key_End:
            return tavi::TEditKey::End;
        case Qt::Key_Left:
            return tavi::TEditKey::Left;
        case Qt::Key_Right:
            return tavi::TEditKey::Right;
        case Qt::Key_Up:
            return tavi::TEditKey::Up;
        case Qt::Key_Down:
            return tavi::TEditKey::Down;
        case Qt::Key_Delete:
            return tavi::TEditKey::Delete;
        case Qt::Key_Backspace:
            return tavi::TEditKey::Backspace;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return tavi::TEditKey::Tab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return tavi::TEditKey::Enter;
        default:
            return std::nullopt;
    }
}

constexpr Qt::KeyboardModifiers kCommandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

}  // namespace

// Kept beside EditKeyOf and keyPressEvent, which answer these keys.
std::vector<std::pair<QString, QString>> TEditor::OwnKeyNames()
{
    return {{QStringLiteral("← → ↑ ↓"), QStringLiteral("キャレットを移動")},
            {QStringLiteral("Ctrl+← / Ctrl+→"), QStringLiteral("前 / 次の単語へ")},
            {QStringLiteral("Ctrl+↑ / Ctrl+↓"), QStringLiteral("1 行スクロール")},
            {QStringLiteral("Home / End"), QStringLiteral("行頭 / 行末へ")},
            {QStringLiteral("Ctrl+Home / Ctrl+End"), QStringLiteral("文書の先頭 / 末尾へ")},
            {QStringLiteral("PageUp / PageDown"), QStringLiteral("1 画面スクロール")},
            {QStringLiteral("Shift+移動キー"), QStringLiteral("選択しながら移動")},
            {QStringLiteral("Backspace / Delete"), QStringLiteral("前 / 後ろの文字を削除")},
            {QStringLiteral("Enter"), QStringLiteral("改行")},
            {QStringLiteral("Tab"), QStringLiteral("タブを入力")},
            {QStringLiteral("Ctrl+ホイール"), QStringLiteral("拡大 / 縮小")}};
}

// Keys the editor handles with at most Shift held: editing and navigation keys and
// printable text. Window shortcuts on such keys would take them away from typing; those
// with Ctrl, Alt or a function key stay the window's.
bool TEditor::OwnsKey(const QKeyEvent& key) const
{
    if (key.modifiers() & kCommandModifiers)
        return false;
    const auto edit = EditKeyOf(key.key());
    if (edit == tavi::TEditKey::Tab)
        return core_.Options().WantTabs && key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier);
    if (edit == tavi::TEditKey::Enter)
        return core_.Options().WantReturns;
    return edit.has_value() || !tavi::InsertableText(key.text(), core_.Encoding()).empty();
}

bool TEditor::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // While the completion list shows, Escape, Tab and Enter are its own.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool listKey = completion_->Visible() && (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Tab);
        if (listKey || OwnsKey(*key)) {
            event->accept();
            return true;
        }
    } else if (event->type() == QEvent::ToolTip) {
        return ShowTextMarkTip(static_cast<QHelpEvent*>(event));
    } else if (event->type() == QEvent::KeyPress) {
        // Qt turns Tab into a focus move before keyPressEvent; with WantTabs on it is ours.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && (OwnsKey(*key) || completion_->Visible())) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void TEditor::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers m = event->modifiers();
    if (completion_->HandleKey(*event)) {
        event->accept();
        return;
    }
    if ((m & kCommandModifiers) == Qt::ControlModifier && event->key() == Qt::Key_Space) {
        completion_->Update(true);
        event->accept();
        return;
    }
    // The sheet's own commands: comment the lines out or in, and go to a bracket's partner.
    if ((m & kCommandModifiers) == Qt::ControlModifier && event->key() == Qt::Key_Slash) {
        core_.ToggleComment();
        event->accept();
        return;
    }
    if ((m & kCommandModifiers) == Qt::ControlModifier && event->key() == Qt::Key_BracketRight) {
        JumpToPartnerBracket();
        event->accept();
        return;
    }
    const auto key = EditKeyOf(event->key());
    // Alt combinations belong to the menus.
    if (key && !(m & Qt::AltModifier)) {
        if (key == tavi::TEditKey::Enter && !core_.Options().WantReturns) {
            event->ignore();
            return;
        }
        const tavi::TKeyMods mods{(m & Qt::ShiftModifier) || event->key() == Qt::Key_Backtab,
                                  (m & Qt::ControlModifier) != 0};
        // Backspace narrows the word the list completes; other keys close it as they move.
        const bool narrows = key == tavi::TEditKey::Backspace && completion_->Visible();
        typing_ = narrows;
        const bool taken = core_.KeyDown(*key, mods, event->isAutoRepeat());
        typing_ = false;
        if (narrows)
            completion_->Update(false);
        if (taken)
            event->accept();
        else
            event->ignore();  // Tab the editor does not want: the window's
        return;
    }
    // Control characters and characters code page 932 cannot hold are not typed.
    const std::string typed = tavi::InsertableText(event->text(), core_.Encoding());
    if (typed.empty()) {
        event->ignore();
        return;
    }
    typing_ = true;
    core_.TypeChars(typed);
    typing_ = false;
    // A name or a colon typed opens or narrows the completion list; any other sign closes it.
    const bool completes =
        typed.size() == 1 && (std::isalnum(static_cast<unsigned char>(typed[0])) || typed[0] == '-' ||
                              typed[0] == '_' || typed[0] == ':' || (typed[0] == ' ' && completion_->Visible()));
    if (completes)
        completion_->Update(false);
    else
        completion_->Close();
    event->accept();
}

void TEditor::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats as release-press pairs; only the real release ends the repeat.
    if (!event->isAutoRepeat())
        core_.KeyUp();
    event->ignore();
}
