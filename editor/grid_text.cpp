// Places the glyphs of Shift-JIS text on the cell grid with one glyph run per call.
#include "editor/grid_text.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "platform/code_page.h"
#include "text/row_text.h"
#include "text/utf8.h"

namespace tavi {

namespace {

// The Unicode character of each single byte and each lead/trail pair, decoded once
// per lead byte on first use (0 for bytes that draw nothing).
class TCp932Table {
public:
    char16_t Single(unsigned char b)
    {
        if (!singleReady_) {
            for (int c = 0; c < 256; ++c) {
                const char byte = static_cast<char>(c);
                const QString s = c > 0x20 && c != 0x7F && !IsLeadByte(static_cast<unsigned char>(c))
                                      ? FromCp932(std::string_view(&byte, 1))
                                      : QString();
                single_[c] = s.size() == 1 && s[0] != QChar::ReplacementCharacter ? s[0].unicode() : 0;
            }
            singleReady_ = true;
        }
        return single_[b];
    }

    char16_t Double(unsigned char lead, unsigned char trail)
    {
        std::unique_ptr<std::array<char16_t, 256>>& row = pairs_[lead];
        if (!row) {
            row = std::make_unique<std::array<char16_t, 256>>();
            for (int t = 0; t < 256; ++t) {
                const char pair[2] = {static_cast<char>(lead), static_cast<char>(t)};
                const QString s = FromCp932(std::string_view(pair, 2));
                (*row)[t] = s.size() == 1 ? s[0].unicode() : char16_t{0xFFFD};
            }
        }
        return (*row)[trail];
    }

private:
    bool singleReady_ = false;
    std::array<char16_t, 256> single_{};
    std::array<std::unique_ptr<std::array<char16_t, 256>>, 256> pairs_;
};

TCp932Table& Table()
{
    static TCp932Table table;
    return table;
}

// The raw font of a QFont, remembered for the few fonts an editor uses.
const QRawFont& RawFontFor(const QFont& font)
{
    struct TEntry {
        QFont Font;
        QRawFont Raw;
    };
    static std::vector<TEntry> cache;
    for (const TEntry& e : cache) {
        if (e.Font == font)
            return e.Raw;
    }
    if (cache.size() >= 16)
        cache.erase(cache.begin());
    cache.push_back({font, QRawFont::fromFont(font)});
    return cache.back().Raw;
}

}  // namespace

int CharStartAt(std::string_view text, int i)
{
    int start = 0;
    for (int k = 0; k <= i && k < static_cast<int>(text.size());) {
        start = k;
        k += IsLeadByte(static_cast<unsigned char>(text[static_cast<std::size_t>(k)])) ? 2 : 1;
    }
    return start;
}

TCellGlyphs CellGlyphsOf(std::string_view text, int tabSpaceCount)
{
    TCellGlyphs glyphs;
    glyphs.Text.reserve(static_cast<qsizetype>(text.size()));
    int col = 0;
    for (std::size_t i = 0; i < text.size();) {
        const TCharSpan span = CharAt(text, i, TTextEncoding::Utf8);
        const auto c = static_cast<unsigned char>(text[i]);
        const int columns = c == '\t' ? TabWidthAt(col, tabSpaceCount) : span.Columns;
        const std::string_view bytes = text.substr(i, static_cast<std::size_t>(span.Bytes));
        const bool blank = c <= 0x20 || c == 0x7F || bytes == "\xE3\x80\x80";
        if (!blank) {
            glyphs.Columns.push_back(col);
            glyphs.Widths.push_back(columns);
            glyphs.Starts.push_back(static_cast<int>(glyphs.Text.size()));
            if (c < 0x80 && span.Bytes == 1)
                glyphs.Text.append(QChar(c));
            else if (c < 0x80 || Utf8SequenceAt(text, i).WellFormed)
                glyphs.Text.append(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
            else
                glyphs.Text.append(QChar::ReplacementCharacter);
        }
        col += columns;
        i += static_cast<std::size_t>(span.Bytes);
    }
    return glyphs;
}

void TGridBatch::Add(std::string_view text, int from, int to, int x0, int baseline, int cellWidth,
                     const TCellGlyphs* glyphs)
{
    if (glyphs != nullptr) {
        const auto first = std::lower_bound(glyphs->Columns.begin(), glyphs->Columns.end(), from);
        for (auto k = static_cast<std::size_t>(first - glyphs->Columns.begin());
             k < glyphs->Columns.size() && glyphs->Columns[k] < to; ++k) {
            const int start = glyphs->Starts[k];
            const int end =
                k + 1 < glyphs->Starts.size() ? glyphs->Starts[k + 1] : static_cast<int>(glyphs->Text.size());
            const QPointF at(x0 + glyphs->Columns[k] * cellWidth, baseline);
            if (end - start == 1) {
                chars_.append(glyphs->Text[start]);
                positions_.append(at);
            } else {
                clusters_.push_back({glyphs->Text.mid(start, end - start), at, glyphs->Widths[k] * cellWidth});
            }
        }
        return;
    }
    const int size = static_cast<int>(text.size());
    const int n = std::min(to, size);
    for (int b = std::max(from, 0); b < n; ++b) {
        const auto c = static_cast<unsigned char>(text[static_cast<std::size_t>(b)]);
        const int cell = b;
        char16_t u = 0;
        if (IsLeadByte(c) && b + 1 < size) {
            u = Table().Double(c, static_cast<unsigned char>(text[static_cast<std::size_t>(b) + 1]));
            ++b;
        } else {
            u = Table().Single(c);
        }
        if (u == 0)
            continue;
        chars_.append(QChar(u));
        positions_.append(QPointF(x0 + cell * cellWidth, baseline));
    }
}

void TGridBatch::Flush(QPainter& p, const QFont& font, const QColor& color)
{
    for (const TCluster& cluster : clusters_) {
        p.save();
        p.setPen(color);
        p.setFont(font);
        // Only across: the rows' own clip already bounds the height.
        p.setClipRect(QRectF(cluster.Position.x(), cluster.Position.y() - 4096, cluster.Width, 8192),
                      Qt::IntersectClip);
        p.drawText(cluster.Position, cluster.Text);
        p.restore();
    }
    clusters_.clear();
    if (chars_.isEmpty())
        return;
    const QRawFont& raw = RawFontFor(font);
    thread_local QList<quint32> glyphs;
    glyphs.resize(chars_.size());
    int count = static_cast<int>(glyphs.size());
    if (!raw.isValid() ||
        !raw.glyphIndexesForChars(chars_.constData(), static_cast<int>(chars_.size()), glyphs.data(), &count) ||
        count != chars_.size()) {
        glyphs.fill(0);
    }
    p.setPen(color);
    // Characters the face lacks are rare: they go through the font's fallbacks one by one.
    qsizetype kept = 0;
    for (qsizetype k = 0; k < glyphs.size(); ++k) {
        if (glyphs[k] == 0) {
            p.setFont(font);
            p.drawText(positions_[k], QString(chars_[k]));
        } else {
            glyphs[kept] = glyphs[k];
            positions_[kept] = positions_[k];
            ++kept;
        }
    }
    if (kept > 0) {
        glyphs.resize(kept);
        positions_.resize(kept);
        QGlyphRun run;
        run.setRawFont(raw);
        run.setUnderline(font.underline());
        run.setStrikeOut(font.strikeOut());
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions_);
        p.drawGlyphRun(QPointF(0, 0), run);
    }
    chars_.clear();
    positions_.clear();
}

void DrawGridText(QPainter& p, const QFont& font, const QColor& color, std::string_view text, int from, int to, int x0,
                  int baseline, int cellWidth, const TCellGlyphs* glyphs)
{
    TGridBatch batch;
    batch.Add(text, from, to, x0, baseline, cellWidth, glyphs);
    batch.Flush(p, font, color);
}

}  // namespace tavi
