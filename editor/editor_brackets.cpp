// The editor control's brackets: the pair next to the caret framed, and the jump to a bracket's partner.
#include <QPainter>

#include "editor/editor.h"

namespace {

// How far the partner of a bracket is looked for while the caret moves, and for a jump.
constexpr int kMarkRowLimit = 2000;
constexpr int kJumpRowLimit = 100000;

}  // namespace

int TEditor::ColumnOfByte(int row, int byte) const
{
    return tavi::DisplayWidth(core_.RowText(row).substr(0, static_cast<std::size_t>(byte)), core_.TabSpaceCount(),
                              core_.Encoding());
}

std::optional<std::pair<tavi::TCssBracket, tavi::TCssBracket>> TEditor::BracketNextToCaret(int rowLimit)
{
    const int row = core_.CaretRow();
    if (row >= core_.Rows().Count())
        return std::nullopt;
    const int byte = tavi::ColumnToByte(core_.ColumnMapOf(row), core_.CaretCol());
    return cssColouring_.BracketAt(row, byte, rowLimit);
}

void TEditor::UpdateBracketMarks()
{
    const auto marked = cssColouring_.Enabled() ? BracketNextToCaret(kMarkRowLimit) : std::nullopt;
    if (marked == brackets_)
        return;
    for (const auto& pair : {brackets_, marked}) {
        if (pair) {
            InvalidateRows(pair->first.Row, pair->first.Row);
            InvalidateRows(pair->second.Row, pair->second.Row);
        }
    }
    brackets_ = marked;
}

void TEditor::ForgetBracketMarks(const tavi::TChange& change)
{
    if (!brackets_)
        return;
    // The frames are repainted away where their rows are now; the caret's move marks anew.
    for (const tavi::TCssBracket& bracket : {brackets_->first, brackets_->second}) {
        const int row = !change.Whole && bracket.Row >= change.First.Value() + change.OldRows
                            ? bracket.Row + change.Delta()
                            : bracket.Row;
        InvalidateRows(row, row);
    }
    brackets_.reset();
}

void TEditor::PaintBracketMarks(QPainter& p, const TRowPaint& row)
{
    if (!brackets_)
        return;
    p.save();
    p.setPen(Qc(fontColor_));
    for (const tavi::TCssBracket& bracket : {brackets_->first, brackets_->second}) {
        if (bracket.Row == row.Row) {
            const int col = ColumnOfByte(row.Row, bracket.Byte);
            p.drawRect(QRect(row.X + col * charWidth_, row.Top, charWidth_ - 1, rowHeight_ - 1));
        }
    }
    p.restore();
}

bool TEditor::JumpToPartnerBracket()
{
    const auto pair = BracketNextToCaret(kJumpRowLimit);
    if (!pair)
        return false;
    core_.Deselect();
    core_.PlaceCaretAt(pair->second.Row, ColumnOfByte(pair->second.Row, pair->second.Byte));
    return true;
}
