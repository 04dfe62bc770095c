// The completion list of the editor control: property names where a property is named, the property's keywords in its
// value.
#include "editor/completion_popup.h"

#include <QKeyEvent>
#include <QListWidget>
#include <algorithm>

#include "css/css_names.h"
#include "editor/editor.h"

namespace {

// Rows above the caret's that the declaration being completed may begin on.
constexpr int kRowsLookedBack = 20;
constexpr int kRowsShown = 10;

bool IsNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

}  // namespace

TCompletionPopup::TCompletionPopup(TEditor& editor) : QObject(&editor), editor_(editor)
{
    list_ = new QListWidget(editor.viewport());
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setFont(editor.ShownFont());
    list_->setAccessibleName(QStringLiteral("入力候補"));
    list_->hide();
    // A click on a word takes it as Enter would.
    connect(list_, &QListWidget::itemClicked, this, [this] { Accept(); });
}

bool TCompletionPopup::Visible() const
{
    return list_->isVisible();
}

void TCompletionPopup::Close()
{
    list_->hide();
}

std::vector<std::string> TCompletionPopup::Completions(const std::string& before, bool property, bool asked,
                                                       std::size_t* wordLength)
{
    std::size_t start = before.size();
    while (start > 0 && IsNameChar(before[start - 1]))
        --start;
    const std::string word = before.substr(start);
    *wordLength = word.size();
    std::vector<std::string_view> found;
    if (property) {
        if (word.empty() && !asked)
            return {};
        found = tavi::CssPropertiesStartingWith(word);
    } else {
        // The property the value belongs to: the name before the last ":" of the declaration.
        const std::size_t colon = before.rfind(':', start);
        const std::size_t stop = start == 0 ? std::string::npos : before.find_last_of(";{}", start - 1);
        if (colon == std::string::npos || (stop != std::string::npos && stop > colon))
            return {};
        const std::size_t nameEnd = before.find_last_not_of(" \t\n", colon == 0 ? 0 : colon - 1);
        if (nameEnd == std::string::npos || colon == 0)
            return {};
        std::size_t nameStart = nameEnd + 1;
        while (nameStart > 0 && IsNameChar(before[nameStart - 1]))
            --nameStart;
        // Offered by themselves right after the colon; later, as a word is typed.
        const bool afterColon = before.find_first_not_of(" \t", colon + 1) == std::string::npos;
        if (word.empty() && !asked && !afterColon)
            return {};
        found = tavi::CssKeywordsStartingWith(before.substr(nameStart, nameEnd + 1 - nameStart), word);
    }
    if (found.size() == 1 && found.front() == word)
        return {};  // nothing left to complete
    return {found.begin(), found.end()};
}

void TCompletionPopup::Update(bool asked)
{
    const tavi::TEditorCore& core = editor_.Core();
    const int row = core.CaretRow();
    if (!editor_.SyntaxColoring() || editor_.ReadOnly() || row >= core.Rows().Count()) {
        Close();
        return;
    }
    const std::string_view text = core.RowText(row);
    const int byte = tavi::ColumnToByte(core.ColumnMapOf(row), core.CaretCol());
    const tavi::TCssPlace place =
        byte <= static_cast<int>(text.size()) ? editor_.CssPlaceAt(row, byte) : tavi::TCssPlace::Comment;
    if (place != tavi::TCssPlace::PropertyName && place != tavi::TCssPlace::Value) {
        Close();
        return;
    }
    std::string before;
    for (int r = std::max(0, row - kRowsLookedBack); r < row; ++r) {
        before += core.RowText(r);
        if (core.RowEnd(r) == tavi::reBreak)
            before += '\n';
    }
    before += text.substr(0, static_cast<std::size_t>(byte));
    std::size_t wordLength = 0;
    const std::vector<std::string> words =
        Completions(before, place == tavi::TCssPlace::PropertyName, asked, &wordLength);
    if (words.empty()) {
        Close();
        return;
    }
    row_ = row;
    wordStart_ = byte - static_cast<int>(wordLength);
    list_->setFont(editor_.ShownFont());
    list_->clear();
    for (const std::string& word : words)
        list_->addItem(QString::fromStdString(word));
    list_->setCurrentRow(0);
    // Under the word, inside the view.
    const int itemHeight = std::max(list_->sizeHintForRow(0), 1);
    const QSize size(std::max(160, list_->sizeHintForColumn(0) + 32),
                     itemHeight * std::min(kRowsShown, list_->count()) + 2 * list_->frameWidth());
    const int col =
        tavi::DisplayWidth(text.substr(0, static_cast<std::size_t>(wordStart_)), core.TabSpaceCount(), core.Encoding());
    QPoint at = editor_.CellPos(row, col) + QPoint(0, editor_.RowPitch());
    const QRect view = editor_.viewport()->rect();
    if (at.y() + size.height() > view.bottom())
        at.setY(std::max(0, at.y() - editor_.RowPitch() - size.height()));
    at.setX(std::clamp(at.x(), 0, std::max(0, view.width() - size.width())));
    list_->setGeometry(QRect(at, size));
    list_->show();
    list_->raise();
}

bool TCompletionPopup::HandleKey(const QKeyEvent& key)
{
    if (!Visible() || (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const int count = list_->count();
    const int current = list_->currentRow();
    switch (key.key()) {
        case Qt::Key_Up:
            list_->setCurrentRow(std::max(0, current - 1));
            return true;
        case Qt::Key_Down:
            list_->setCurrentRow(std::min(count - 1, current + 1));
            return true;
        case Qt::Key_PageUp:
            list_->setCurrentRow(std::max(0, current - kRowsShown));
            return true;
        case Qt::Key_PageDown:
            list_->setCurrentRow(std::min(count - 1, current + kRowsShown));
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
            Accept();
            return true;
        case Qt::Key_Escape:
            Close();
            return true;
        default:
            return false;
    }
}

void TCompletionPopup::Accept()
{
    const QListWidgetItem* item = list_->currentItem();
    Close();
    tavi::TEditorCore& core = editor_.Core();
    if (!item || core.CaretRow() != row_)
        return;
    const int byte = tavi::ColumnToByte(core.ColumnMapOf(row_), core.CaretCol());
    const std::string word = item->text().toStdString();
    core.EditText({tavi::TRow(row_), tavi::TByte(wordStart_)}, {tavi::TRow(row_), tavi::TByte(byte)}, word, {});
}
