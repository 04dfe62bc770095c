// The editor control's colour swatches: each row's colour values shown in the left margin, and clicks on them.
#include <QPainter>

#include "editor/editor.h"

QRect TEditor::SwatchBox(int rowTop) const
{
    return QRect(2, rowTop + 2, leftMargin_ - 6, std::max(2, rowHeight_ - 4));
}

void TEditor::PaintSwatches(QPainter& p, const QRect& clip)
{
    const int rp = RowPitch();
    const int count = core_.Rows().Count();
    const int first = topRow_ + std::max(0, clip.top() - topMargin_) / rp;
    const int last = std::min(count - 1, topRow_ + std::max(0, clip.bottom() - topMargin_) / rp);
    p.save();
    p.setClipRect(clip.intersected(QRect(0, topMargin_, leftMargin_, viewport()->height() - topMargin_)));
    for (int r = first; r <= last; ++r) {
        const std::vector<tavi::TColourValue> values = cssColouring_.ColourValuesOfRow(r);
        if (values.empty())
            continue;
        // One stripe for each colour of the row, left to right as they are written.
        const QRect box = SwatchBox(CellPos(r, 0).y());
        const int n = static_cast<int>(values.size());
        for (int i = 0; i < n; ++i) {
            const int x0 = box.left() + box.width() * i / n;
            const int x1 = box.left() + box.width() * (i + 1) / n;
            p.fillRect(QRect(x0, box.top(), x1 - x0, box.height()), values[static_cast<std::size_t>(i)].Color);
        }
        p.setPen(Qc(fontColor_));
        p.drawRect(box.adjusted(0, 0, -1, -1));
    }
    p.restore();
}

std::optional<tavi::TColourValue> TEditor::SwatchAt(QPoint pixel)
{
    if (!SwatchesShown() || pixel.x() >= leftMargin_ || pixel.y() < topMargin_)
        return std::nullopt;
    const int r = topRow_ + (pixel.y() - topMargin_) / RowPitch();
    const QRect box = SwatchBox(CellPos(r, 0).y());
    if (!box.contains(pixel))
        return std::nullopt;
    const std::vector<tavi::TColourValue> values = cssColouring_.ColourValuesOfRow(r);
    if (values.empty())
        return std::nullopt;
    const auto i = static_cast<std::size_t>((pixel.x() - box.left()) * static_cast<int>(values.size()) / box.width());
    return values[std::min(i, values.size() - 1)];
}

bool TEditor::ReplaceColourValue(const tavi::TColourValue& value, std::string_view text)
{
    if (ReadOnly() || value.Row >= core_.Rows().Count())
        return false;
    return core_.EditText({tavi::TRow(value.Row), tavi::TByte(value.Begin)},
                          {tavi::TRow(value.Row), tavi::TByte(value.End)}, text, {});
}
