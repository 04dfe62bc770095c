// The editor control: a custom-drawn, fixed-pitch editor for Shift-JIS text.
#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QFont>
#include <QString>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/accessible_text_events.h"
#include "editor/change_repaint.h"
#include "editor/completion_popup.h"
#include "editor/core/editor_core.h"
#include "editor/core/editor_input.h"
#include "editor/css_colouring.h"
#include "editor/editor_document.h"
#include "editor/editor_types.h"
#include "editor/grid_text.h"
#include "editor/reserved_words.h"
#include "editor/work_progress.h"
#include "platform/colors.h"

// Shows the rows of its TEditorCore on a grid of CharWidth x RowPitch cells inside its
// viewport (the client area; coordinates below are viewport coordinates). Every byte
// takes one cell, a double-byte character two, whatever the font's glyph widths.
// Properties follow the getter X() / setter SetX(v) pattern; setters store only changes.
// The editing commands and behaviour properties come from TEditorDocument.
class QHelpEvent;
class TLineNumberGutter;

class TEditor : public QAbstractScrollArea,
                public tavi::TEditorView,
                private tavi::TRowPainter,
                public TEditorDocument {
    Q_OBJECT
public:
    explicit TEditor(QWidget* parent = nullptr);
    ~TEditor() override;

    // Blocks typing, Enter, Tab, Backspace, Delete, input-method text, SetSelText and
    // paste; navigation, selection and copy keep working.
    bool ReadOnly() const { return core_.Options().ReadOnly; }
    void SetReadOnly(bool value);
    // Where long work on the document shows its progress and can be stopped.
    tavi::TWorkProgress& WorkProgress() { return workProgress_; }
    const tavi::TWorkProgress& WorkProgress() const { return workProgress_; }

    // --- Appearance (a change repaints unless noted) ---
    tavi::TColor Color() const { return color_; }
    void SetColor(tavi::TColor value);
    // The text font; its pixel size sets the cell metrics. ReserveWordFont follows its
    // family, size and italic.
    const QFont& Font() const { return font_; }
    void SetFont(const QFont& value);
    // Zoom in percent of Font's size (25..400): the text and its grid are drawn in
    // ShownFont, Font itself stays as set. Ctrl+wheel steps it.
    int Zoom() const { return zoom_; }
    void SetZoom(int percent);
    // Moves the zoom by `steps` of the zoom ladder (negative: smaller).
    void StepZoom(int steps);
    const QFont& ShownFont() const { return shownFont_; }
    // On: logical line numbers in a strip left of the text area (TLineNumberGutter); the
    // viewport, and with it every viewport coordinate below, starts right of the strip.
    bool LineNumbers() const { return lineNumbers_; }
    void SetLineNumbers(bool value);
    int GutterWidth() const { return gutterWidth_; }
    // On (with WordWrap on): the wrap width follows the visible columns (20..250) as the
    // control changes size, font or zoom; the caret and selection keep their place in the
    // text and the caret's row its place on the screen, and undo goes on.
    bool WrapToWindow() const { return wrapToWindow_; }
    void SetWrapToWindow(bool value);
    tavi::TColor FontColor() const { return fontColor_; }
    void SetFontColor(tavi::TColor value);
    bool ReserveWordColor() const { return reserveWordColor_; }
    void SetReserveWordColor(bool value);
    // Matched as whole words, ignoring case, in any order.
    const std::vector<std::string>& ReserveWordList() const { return reserveWordList_; }
    void SetReserveWordList(const std::vector<std::string>& value);
    const QFont& ReserveWordFont() const { return reserveWordFont_; }
    void SetReserveWordFont(const QFont& value);  // family, size and italic then follow Font
    tavi::TColor ReserveWordFontColor() const { return reserveWordFontColor_; }
    void SetReserveWordFontColor(tavi::TColor value);
    tavi::TColor ReserveBkColor() const { return reserveBkColor_; }
    void SetReserveBkColor(tavi::TColor value);
    // On: the text is coloured by the CSS grammar (comments, strings, selectors, properties,
    // values...), reserved words outside comments and strings keeping their own look; off:
    // only the reserved words are.
    bool SyntaxColoring() const { return cssColouring_.Enabled(); }
    void SetSyntaxColoring(bool value);
    tavi::TColor SyntaxColor(tavi::TCssClass cls) const { return cssColouring_.ColorOf(cls); }
    void SetSyntaxColor(tavi::TCssClass cls, tavi::TColor value);
    // With syntax colouring on and a left margin of 8 pixels or more, each row with colour
    // values shows them as swatches in the margin; a click on one is handed to
    // OnColorSwatchClick, which may write another colour with ReplaceColourValue.
    bool SwatchesShown() const { return cssColouring_.Enabled() && leftMargin_ >= 8; }
    std::optional<tavi::TColourValue> SwatchAt(QPoint pixel);
    std::function<void(TEditor* sender, const tavi::TColourValue& value)> OnColorSwatchClick;
    // Writes `text` over a colour value as one undo step. False when nothing changed.
    bool ReplaceColourValue(const tavi::TColourValue& value, std::string_view text);
    // With syntax colouring on, the bracket next to the caret and its partner, which are
    // framed; empty otherwise.
    std::optional<std::pair<tavi::TCssBracket, tavi::TCssBracket>> MarkedBrackets() const { return brackets_; }
    // Moves the caret to the partner of the bracket next to it (Ctrl+]). False without one.
    bool JumpToPartnerBracket();
    // With syntax colouring on, the list of property names and keywords for the word at the
    // caret: typing a name or ":" opens it, Ctrl+Space asks for it.
    TCompletionPopup& Completion() { return *completion_; }
    // Stretches of text marked with a wavy red line and a tip (declarations a browser
    // drops), in order. A change of the text takes away the marks on the rows it touches and
    // moves those below; a new text takes them all away.
    struct TTextMark {
        tavi::TTextPos Begin;
        tavi::TTextPos End;
        QString Tip;
    };
    const std::vector<TTextMark>& TextMarks() const { return textMarks_; }
    void SetTextMarks(std::vector<TTextMark> marks);
    // The mark under a pixel of the viewport, if any.
    const TTextMark* TextMarkAt(QPoint pixel) const;
    // The simple selectors the sheet's rules name, for a page to show them.
    tavi::TCssSimpleSelectors CssSimpleSelectors() { return cssColouring_.SimpleSelectors(); }
    // What the place before byte `byte` of row `row` is in the sheet.
    tavi::TCssPlace CssPlaceAt(int row, int byte) { return cssColouring_.PlaceAt(row, byte); }
    // On: a run of double-byte characters is a word apart from the letters around it.
    bool DelimDBCS() const { return core_.Options().DelimDBCS; }
    void SetDelimDBCS(bool value);
    bool DrawAllWords() const { return drawAllWords_; }
    void SetDrawAllWords(bool value);
    // Off: rows are left to OnDrawLine.
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool value);
    tavi::TColor SelectBkColor() const { return selectBkColor_; }
    void SetSelectBkColor(tavi::TColor value) { selectBkColor_ = value; }  // no repaint
    tavi::TColor SelectFontColor() const { return selectFontColor_; }
    void SetSelectFontColor(tavi::TColor value) { selectFontColor_ = value; }  // no repaint
    // Turning either mark on turns DisposeBlank off.
    bool RetMark() const { return core_.RetMark(); }
    void SetRetMark(bool value);
    tavi::TColor RetMarkColor() const { return retMarkColor_; }
    void SetRetMarkColor(tavi::TColor value);
    bool EofMark() const { return core_.EofMark(); }
    void SetEofMark(bool value);
    tavi::TColor EofMarkColor() const { return eofMarkColor_; }
    void SetEofMarkColor(tavi::TColor value);
    // On: a one-pixel line under the caret row, which adds one pixel to RowPitch.
    bool UnderLine() const { return underLine_; }
    void SetUnderLine(bool value);
    tavi::TColor UnderLineColor() const { return underLineColor_; }
    void SetUnderLineColor(tavi::TColor value);
    tavi::TCaretStyle CaretStyle() const { return caretStyle_; }
    void SetCaretStyle(tavi::TCaretStyle value);

    // --- Layout (limits in brackets; a change re-lays the grid and repaints) ---
    int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int value);  // 0..100
    int TopMargin() const { return topMargin_; }
    void SetTopMargin(int value);  // 0..100
    int LineMargin() const { return lineMargin_; }
    void SetLineMargin(int value);  // 0..100
    int CharacterMargin() const { return characterMargin_; }
    void SetCharacterMargin(int value);  // -5..100
    tavi::TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(tavi::TScrollStyle value);
    tavi::TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(tavi::TBorderStyle value);

    // --- Metrics (pixels; VisibleRows/Cols never negative, CharWidth at least 1) ---
    int RowHeight() const { return rowHeight_; }
    int CharWidth() const { return charWidth_; }
    int RowPitch() const { return rowHeight_ + (underLine_ ? 1 : 0) + lineMargin_; }
    int VisibleRows() const override { return visibleRows_; }
    int VisibleCols() const override { return visibleCols_; }
    int MaxLeftCol() const override { return 8000 / charWidth_; }
    // Top-left corner of row r, column c in viewport coordinates.
    QPoint CellPos(int row, int col) const;
    // Largest top row: max(0, row count + VisibleRows - 2).
    int MaxTopRow() const;

    // --- Scrolling ---
    int TopRow() const override { return topRow_; }
    void SetTopRow(int row) override;  // clamped to 0..row count
    int LeftCol() const { return leftCol_; }
    void SetLeftCol(int col);  // clamped to 0..MaxLeftCol
    // Scrolls by n rows keeping the caret at the same place on the screen.
    void ScrollRows(int n) { core_.ScrollRows(n); }
    // Brings the caret into view (horizontally in quarter-page jumps) and places it.
    void ScrollToCaret();
    // Scroll bar state in the platform's terms: range Min..Max with a Page-sized thumb.
    tavi::TScrollInfo VertScrollInfo() const { return vertInfo_; }
    tavi::TScrollInfo HorzScrollInfo() const { return horzInfo_; }
    // Where the caret's top-left pixel is (csBrief: the bottom two pixels of the cell).
    QPoint CaretPos() const { return caretPos_; }
    // The caret's pixels, drawn inverted over the text while the control has the focus,
    // no HideCaret is in effect and the blink phase is on. Empty when out of view.
    QRect CaretRect() const { return caretRect_; }

    // --- The view the core drives (rows are document rows, limited to the screen) ---
    // Follows a change of the document (change_repaint.h says what it repaints).
    void DocumentChanged(const tavi::TChange& change) override;
    void DocumentChangedInUpdate(const tavi::TChange& change) override;
    void InvalidateRows(int a, int b);
    void InvalidateRows(tavi::TRow a, tavi::TRow b) override { InvalidateRows(a.Value(), b.Value()); }
    void InvalidateAll() override;
    // After n rows were inserted at `row` (or -n removed), moves the text area from row
    // `row` down by n rows and paints the uncovered band.
    void ShiftRowsBelow(int row, int n);
    void UpdateMetrics() override;
    void UpdateScrollBars() override;
    void PlaceCaret() override { ScrollToCaret(); }
    void HideCaret() override;
    void ShowCaret() override;
    void HideUnderline() override;
    void ShowUnderline() override;
    void SetRedraw(bool on) override;
    std::string ClipboardText() const override;
    void SetClipboardText(const std::string& text) override;

    // --- Repainting helpers for editing ---
    // After typing on `row` at `col`: moves the rest of the row by `count` columns in
    // direction `dir` (+1 insert, -1 delete, 0 none) and repaints the words around it.
    void RepaintTyped(int row, int col, int dir, int count);
    // Repaints exactly the cells whose selected state changed from `prev` to `now`.
    void SelectionChanged(const tavi::TSelBounds& prev, const tavi::TSelBounds& now) override;
    // Rows drawn by paint events since the last reset (for tests and benchmarks).
    int PaintedRowCount() const { return paintedRows_; }
    void ResetPaintedRowCount() { paintedRows_ = 0; }

    // --- Events ---
    std::function<void(TEditor* sender, std::string_view wordStr, bool reserved, tavi::TWordStyle& style)>
        OnBeforeDrawWord;
    std::function<void(TEditor* sender, QPainter& canvas, const std::string& lineStr, int x, int y, int index,
                       const QRect& rect)>
        OnDrawLine;
    std::function<void(TEditor* sender)> OnTopRowChange;
    std::function<void(TEditor* sender)> OnTopColChange;
    std::function<void(TEditor* sender)> OnCaretMoved;

    // The keys the editor answers itself (moving, selecting, editing), as a key and what it
    // does, for a list of the program's keys.
    static std::vector<std::pair<QString, QString>> OwnKeyNames();

    // What assistive technologies read of the text and are told of its changes.
    tavi::TAccessibleTextEvents& AccessibleTextEvents() { return accessibleText_; }

    QSize sizeHint() const override { return {185, 89}; }
    // The caret cell, the font and the caret row's text for the input method.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int, int) override {}
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // The row painter change records are read into.
    void ShiftRowsBelow(tavi::TRow row, int n) override { ShiftRowsBelow(row.Value(), n); }
    void RepaintTyped(tavi::TRow row, tavi::TColumn col, int growth) override
    {
        RepaintTyped(row.Value(), col.Value(), growth >= 0 ? 1 : -1, std::abs(growth));
    }
    // Makes assistive technologies see every editor as a document (once per program).
    static void InstallAccessibility();

    // A selection in display columns: rows StartRow..EndRow, from StartCol on the first
    // row up to EndCol (exclusive) on the last.
    struct TSelection {
        bool Active = false;
        int StartRow = 0, StartCol = 0, EndRow = 0, EndCol = 0;
    };
    // One row to draw: the area to paint (aligned to cells), X origin, top and text.
    struct TRowPaint {
        QRect Area;
        int Row = 0;
        int X = 0;
        int Top = 0;
        std::string Text;  // one byte per column (see TEditorCore::DisplayRowText)
        tavi::TRowEnd End = tavi::reBreak;
        bool Last = false;
        std::optional<tavi::TCellGlyphs> Glyphs;  // what a UTF-8 row draws
        const tavi::TCellGlyphs* GlyphsOrNull() const { return Glyphs ? &*Glyphs : nullptr; }
    };

    // editor_metrics.cpp
    void Relayout();
    void FollowWindowWidth();
    void ApplyZoom();
    // Sizes and places the line-number strip for the current line count and font.
    void PlaceGutter();
    // Repaints the line numbers from viewport row `row` down (all when row <= TopRow).
    void RepaintGutterFrom(int row);
    void ApplyScrollBarPolicy();
    void UpdateCaretPos();
    QColor Qc(tavi::TColor c) const;
    int XOrigin() const { return leftMargin_ - leftCol_ * charWidth_; }
    int UnderlineY() const;
    bool UnderlineVisible() const;
    QRect UnderlineRect() const;
    // editor_scroll.cpp
    void ScrollTextArea(int dx, int dy, const QRect& area);
    int RowInkRight() const;
    QRect RowsFrom(int top) const;
    void VertAction(int action);
    void HorzAction(int action);
    void VScrollTo(int target);
    // editor_paint.cpp, editor_row_paint.cpp
    void PaintArea(QPainter& p, const QRect& clip);
    void PaintRow(QPainter& p, const TRowPaint& row);
    void PaintWords(QPainter& p, const TRowPaint& row, bool eventDrawing);
    void PaintCssWords(QPainter& p, const TRowPaint& row, int from, int to);
    void FlushGlyphs(QPainter& p);
    void PaintSelected(QPainter& p, const TRowPaint& row, int fromCol, int toCol);
    void PaintMarks(QPainter& p, const TRowPaint& row, bool selectedMark);
    void DrawReturnMark(QPainter& p, int x, int y, const QColor& color) const;
    void DrawEofMark(QPainter& p, int x, int y);
    tavi::TWordStyle StyleFor(bool reserved) const;
    // editor_selection.cpp: the one place that reads the selection state.
    TSelection CurrentSelection() const;
    static TSelection FromBounds(const tavi::TSelBounds& b);
    static std::optional<std::pair<int, int>> SelectedSpan(const TSelection& s, int row);
    // editor_caret_paint.cpp
    QRect TextArea() const;
    bool CaretShown() const;
    void RestartBlink();
    void StopBlink();
    void PaintCaret(QPainter& p);
    // editor_keys.cpp
    bool OwnsKey(const QKeyEvent& key) const;
    // editor_mouse.cpp
    QPoint CellAt(QPoint pixel, bool dragging) const;
    void DragTo(QPoint pixel);
    // editor_input_method.cpp
    QRect PreeditRect() const;
    void SetPreedit(const QString& text);
    void PaintPreedit(QPainter& p);

    // editor_swatches.cpp
    QRect SwatchBox(int rowTop) const;
    void PaintSwatches(QPainter& p, const QRect& clip);
    int RowsLeft() const { return SwatchesShown() ? 0 : leftMargin_; }
    // editor_brackets.cpp
    std::optional<std::pair<tavi::TCssBracket, tavi::TCssBracket>> BracketNextToCaret(int rowLimit);
    void UpdateBracketMarks();
    void ForgetBracketMarks(const tavi::TChange& change);
    void PaintBracketMarks(QPainter& p, const TRowPaint& row);
    int ColumnOfByte(int row, int byte) const;
    // editor_text_marks.cpp
    void FollowTextMarks(const tavi::TChange& change);
    void PaintTextMarks(QPainter& p, const TRowPaint& row);
    bool ShowTextMarkTip(QHelpEvent* event);

    std::vector<TTextMark> textMarks_;
    tavi::TCssColouring cssColouring_{core_};
    TCompletionPopup* completion_ = nullptr;
    bool typing_ = false;  // a key is being typed: the caret's move keeps the completion list
    std::optional<std::pair<tavi::TCssBracket, tavi::TCssBracket>> brackets_;
    std::vector<tavi::TCssClass> cssClasses_;  // of the row being painted, by column
    tavi::TReservedWords reserved_;
    std::vector<std::string> reserveWordList_;
    QFont font_;
    QFont reserveWordFont_;
    QFont shownFont_;  // font_ and reserveWordFont_ at zoom_
    QFont shownReserveWordFont_;
    int zoom_ = 100;
    int zoomWheel_ = 0;  // high-resolution wheel steps short of a notch
    bool lineNumbers_ = false;
    bool wrapToWindow_ = false;
    bool followingWidth_ = false;  // FollowWindowWidth is re-wrapping
    int gutterWidth_ = 0;
    int gutterCaretRow_ = -1;  // the caret row the strip last showed
    TLineNumberGutter* gutter_ = nullptr;
    bool italicOnly_ = false;
    tavi::TColor color_ = tavi::clWindow;
    tavi::TColor fontColor_ = tavi::clWindowText;
    tavi::TColor reserveWordFontColor_ = tavi::clWindowText;
    tavi::TColor reserveBkColor_ = tavi::clWindow;
    tavi::TColor selectBkColor_ = tavi::clHighlight;
    tavi::TColor selectFontColor_ = tavi::clHighlightText;
    tavi::TColor retMarkColor_ = tavi::clWindowText;
    tavi::TColor eofMarkColor_ = tavi::clWindowText;
    tavi::TColor underLineColor_ = tavi::clWindowText;
    bool reserveWordColor_ = false;
    bool drawAllWords_ = false;
    bool defaultDrawing_ = true;
    bool underLine_ = false;
    tavi::TCaretStyle caretStyle_ = tavi::csBrief;
    int leftMargin_ = 19, topMargin_ = 2, lineMargin_ = 0, characterMargin_ = 0;
    tavi::TScrollStyle scrollBars_ = tavi::ssNone;
    tavi::TBorderStyle borderStyle_ = tavi::bsSingle;
    int rowHeight_ = 1, charWidth_ = 1, ascent_ = 0, visibleRows_ = 0, visibleCols_ = 0;
    int topRow_ = 0, leftCol_ = 0;
    tavi::TScrollInfo vertInfo_, horzInfo_;
    QPoint caretPos_;
    QRect caretRect_;           // the caret's pixels, limited to the text area
    QBasicTimer caretBlink_;    // runs while focused and the platform blinks carets
    bool caretBlinkOn_ = true;  // the blink phase: the caret is drawn
    bool focused_ = false;
    QBasicTimer dragScroll_;  // repeats the drag while the pointer is outside the text area
    QPoint dragPoint_;
    bool dragging_ = false;
    std::string preedit_;  // the input method's composition, code page 932, drawn at the caret
    QRect preeditRect_;    // where it was last drawn
    int caretHide_ = 0, underlineHide_ = 0, wheelRemainder_ = 0, paintedRows_ = 0;
    bool inBarAction_ = false;
    tavi::TWorkProgress workProgress_{this};
    tavi::TAccessibleTextEvents accessibleText_{*this, core_};
};
