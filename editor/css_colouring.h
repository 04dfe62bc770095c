// Colouring the editor's rows by the CSS grammar: the reading of the document, each row's classes by display column,
// and which rows a change recolours.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "css/css_brackets.h"
#include "css/css_row_states.h"
#include "css/css_sample_page.h"
#include "editor/colour_values.h"
#include "editor/core/change.h"
#include "editor/core/editor_core.h"
#include "platform/colors.h"

namespace tavi {

// The colours of the classes a sheet is read in, by TCssClass (Plain: the text's colour).
using TCssColors = std::array<TColor, kCssClassCount>;
TCssColors DefaultCssColors();

class TCssColouring {
public:
    explicit TCssColouring(const TEditorCore& core) : rows_(core) {}

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    const TCssColors& Colors() const { return colors_; }
    TColor ColorOf(TCssClass cls) const { return colors_[static_cast<std::size_t>(cls)]; }
    void SetColor(TCssClass cls, TColor color) { colors_[static_cast<std::size_t>(cls)] = color; }

    // The class of each display column of row r (`columns` of them), in `classes`.
    void ClassesOfRow(int r, int columns, std::vector<TCssClass>& classes);
    // The colour values written in row r.
    std::vector<TColourValue> ColourValuesOfRow(int r);
    // What the place before byte `at` of row r is.
    TCssPlace PlaceAt(int r, int at);

    // The bracket at byte `at` of row r (or just before it) and its partner; see MatchBracket.
    std::optional<std::pair<TCssBracket, TCssBracket>> BracketAt(int r, int at, int rowLimit)
    {
        return MatchBracket(states_, rows_, r, at, rowLimit);
    }

    // The simple selectors the sheet's rules name (see SimpleSelectorsOf).
    TCssSimpleSelectors SimpleSelectors() { return SimpleSelectorsOf(states_, rows_); }

    // Follows a change of the document. Returns the rows whose colours may differ that the
    // change's own repaint (RepaintChange) leaves alone, as ranges [first, end).
    std::vector<std::pair<int, int>> Follow(const TChange& change);

private:
    // The document's rows as the reading goes over them.
    class TCoreRows : public TCssRowSource {
    public:
        explicit TCoreRows(const TEditorCore& core) : core_(core) {}
        int RowCount() const override { return core_.Rows().Count(); }
        std::string_view RowText(int r) const override { return core_.RowText(r); }
        bool RowEndsLine(int r) const override { return core_.RowEnd(r) == reBreak; }
        TTextEncoding Encoding() const override { return core_.Encoding(); }
        const TEditorCore& Core() const { return core_; }

    private:
        const TEditorCore& core_;
    };

    TCoreRows rows_;
    TCssRowStates states_;
    bool enabled_ = false;  // the main window turns it on from its settings
    TCssColors colors_ = DefaultCssColors();
    std::vector<TCssSpan> spans_;
    std::vector<TCssClass> byteClasses_;
    // The rows painted last, [shownFirst_, shownFirst_ + shown_.size()): their start states,
    // against which a change finds the rows it recolours, and once painted the class of the
    // token their end cuts and their colour values (for the swatches drawn after the rows).
    struct TShownRow {
        TCssState Start;
        std::optional<TCssClass> EndClass;
        std::optional<std::vector<TColourValue>> Colours;
    };
    int shownFirst_ = 0;
    std::vector<TShownRow> shown_;
};

}  // namespace tavi
