// What assistive technologies see of the editor: a document, editable unless read-only, named by its form, whose text
// they read, select and edit by character offsets.
#include <QAccessible>
#include <QAccessibleWidget>
#include <algorithm>

#include "editor/accessible_text_events.h"
#include "editor/editor.h"

namespace {

using tavi::TAccessibleText;
using tavi::TTextSpan;
using tavi::TTextUnit;

// Bytes that follow a row in the core's text offsets.
long long SeparatorBytes(tavi::TRowEnd end)
{
    return end == tavi::reBreak ? 2 : end == tavi::reEof ? 1 : 0;
}

class TEditorAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TEditorAccessible(TEditor* editor) : QAccessibleWidget(editor, QAccessible::Document) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiLine = true;
        state.editable = !Editor()->ReadOnly();
        state.readOnly = !state.editable;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface && !Editor()->ReadOnly())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // --- Selection: the editor has at most one ---
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        const std::optional<TTextSpan> selected = Text().Selection();
        if (selectionIndex == 0 && selected) {
            *startOffset = tavi::ToAccessibleOffset(selected->Start);
            *endOffset = tavi::ToAccessibleOffset(selected->End);
        }
    }
    int selectionCount() const override { return Text().Selection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex != 0)
            return;
        Editor()->Core().Deselect();
        Editor()->AccessibleTextEvents().SelectionChanged();
    }
    // Selects the characters between the offsets, the caret at their end.
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        const tavi::TTextPos a = Text().PlaceOf(std::min(startOffset, endOffset));
        const tavi::TTextPos b = Text().PlaceOf(std::max(startOffset, endOffset));
        PlaceCaret(a);
        if (a != b)
            Editor()->Core().SetSelLength(BytesBetween(a, b));
    }

    // --- Caret ---
    int cursorPosition() const override { return tavi::ToAccessibleOffset(Text().CaretOffset()); }
    void setCursorPosition(int position) override { PlaceCaret(Text().PlaceOf(position)); }

    // --- Text ---
    QString text(int startOffset, int endOffset) const override { return Text().Text(startOffset, endOffset); }
    int characterCount() const override { return tavi::ToAccessibleOffset(Text().CharacterCount()); }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                         int* endOffset) const override
    {
        if (type == QAccessible::NoBoundary)
            return WholeText(startOffset, endOffset);
        return Answer(Text().SpanAt(Offset(offset), UnitOf(type)), startOffset, endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                             int* endOffset) const override
    {
        if (type == QAccessible::NoBoundary)
            return Answer(std::nullopt, startOffset, endOffset);
        return Answer(Text().SpanBefore(Offset(offset), UnitOf(type)), startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                            int* endOffset) const override
    {
        if (type == QAccessible::NoBoundary)
            return Answer(std::nullopt, startOffset, endOffset);
        return Answer(Text().SpanAfter(Offset(offset), UnitOf(type)), startOffset, endOffset);
    }
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }

    // --- Geometry: the cells of the editor's grid, in screen coordinates ---
    QRect characterRect(int offset) const override
    {
        const TEditor* editor = Editor();
        const tavi::TTextPos p = Text().PlaceOf(offset);
        const tavi::TCaretPlace place = editor->Core().Document().CaretPlaceOf(p);
        const std::string_view row = editor->Core().Document().RowText(p.Row);
        int columns = 1;  // a line's end shows as one cell
        if (p.Byte.Value() < static_cast<int>(row.size())) {
            columns =
                row[static_cast<std::size_t>(p.Byte.Value())] == '\t'
                    ? tavi::TabWidthAt(place.Col.Value(), editor->TabSpaceCount())
                    : tavi::CharAt(row, static_cast<std::size_t>(p.Byte.Value()), editor->Core().Encoding()).Columns;
        }
        const QPoint topLeft = editor->CellPos(place.Row.Value(), place.Col.Value());
        return QRect(editor->viewport()->mapToGlobal(topLeft),
                     QSize(columns * editor->CharWidth(), editor->RowHeight()));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const TEditor* editor = Editor();
        const QPoint local = editor->viewport()->mapFromGlobal(point);
        if (!editor->viewport()->rect().contains(local))
            return -1;
        const QPoint origin = editor->CellPos(0, 0);
        const int row = (local.y() - origin.y()) / editor->RowPitch();
        const int col = std::max(0, (local.x() - origin.x()) / editor->CharWidth());
        if (row < 0 || row >= editor->Core().Rows().Count())
            return row < 0 ? 0 : characterCount();
        const int byte = tavi::ColumnToByte(editor->Core().ColumnMapOf(row), col);
        return tavi::ToAccessibleOffset(Text().OffsetOf({tavi::TRow(row), tavi::TByte(byte)}));
    }
    // Scrolls the start of the range into view; the caret stays.
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        (void)endIndex;
        TEditor* editor = Editor();
        const tavi::TCaretPlace place = editor->Core().Document().CaretPlaceOf(Text().PlaceOf(startIndex));
        const int row = place.Row.Value();
        const int col = place.Col.Value();
        const int rows = std::max(1, editor->VisibleRows());
        const int cols = std::max(1, editor->VisibleCols());
        if (row < editor->TopRow())
            editor->SetTopRow(row);
        else if (row >= editor->TopRow() + rows)
            editor->SetTopRow(row - rows + 1);
        if (col < editor->LeftCol())
            editor->SetLeftCol(col);
        else if (col >= editor->LeftCol() + cols)
            editor->SetLeftCol(col - cols + 1);
    }

    // --- Editing: each call is one undo step; nothing happens while read-only ---
    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        TEditor* editor = Editor();
        if (editor->ReadOnly())
            return;
        const tavi::TTextPos from = Text().PlaceOf(std::min(startOffset, endOffset));
        const tavi::TTextPos to = Text().PlaceOf(std::max(startOffset, endOffset));
        editor->Core().EditText(from, to, editor->ToDocument(text), {});
    }

private:
    TEditor* Editor() const { return static_cast<TEditor*>(widget()); }
    TAccessibleText& Text() const { return Editor()->AccessibleTextEvents().Text(); }

    // -1 stands for the end of the text.
    long long Offset(int offset) const { return offset < 0 ? Text().CharacterCount() : offset; }

    static TTextUnit UnitOf(QAccessible::TextBoundaryType type)
    {
        switch (type) {
            case QAccessible::CharBoundary:
                return TTextUnit::Character;
            case QAccessible::WordBoundary:
                return TTextUnit::Word;
            default:
                return TTextUnit::Line;  // sentences and paragraphs too: a line of a style sheet is both
        }
    }

    QString Answer(std::optional<TTextSpan> span, int* startOffset, int* endOffset) const
    {
        if (!span) {
            *startOffset = *endOffset = -1;
            return QString();
        }
        *startOffset = tavi::ToAccessibleOffset(span->Start);
        *endOffset = tavi::ToAccessibleOffset(span->End);
        return Text().Text(span->Start, span->End);
    }
    QString WholeText(int* startOffset, int* endOffset) const
    {
        return Answer(TTextSpan{0, Text().CharacterCount()}, startOffset, endOffset);
    }

    // Puts the caret at p, ending any selection.
    void PlaceCaret(tavi::TTextPos p)
    {
        tavi::TEditorCore& core = Editor()->Core();
        const tavi::TCaretPlace place = core.Document().CaretPlaceOf(p);
        core.Deselect();
        core.PlaceCaretAt(place.Row.Value(), place.Col.Value());
        Editor()->AccessibleTextEvents().SelectionChanged();
    }

    // The core's byte count from a to b (a <= b): a walk over the rows between them.
    long long BytesBetween(tavi::TTextPos a, tavi::TTextPos b) const
    {
        const tavi::TDocument& doc = Editor()->Core().Document();
        if (a.Row == b.Row)
            return b.Byte - a.Byte;
        long long bytes =
            static_cast<long long>(doc.RowText(a.Row).size()) - a.Byte.Value() + SeparatorBytes(doc.RowEnd(a.Row));
        for (tavi::TRow r = a.Row + 1; r < b.Row; ++r)
            bytes += static_cast<long long>(doc.RowText(r).size()) + SeparatorBytes(doc.RowEnd(r));
        return bytes + b.Byte.Value();
    }
};

QAccessibleInterface* EditorAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("TEditor"))
        if (auto* editor = qobject_cast<TEditor*>(object))
            return new TEditorAccessible(editor);
    return nullptr;
}

}  // namespace

void TEditor::InstallAccessibility()
{
    static const bool installed = (QAccessible::installFactory(EditorAccessible), true);
    (void)installed;
}
