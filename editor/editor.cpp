// The editor control: construction, the appearance and layout properties, and the view services the core asks for.
#include "editor/editor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethod>
#include <QScrollBar>
#include <algorithm>

#include "editor/line_number_gutter.h"
#include "editor/scroll_bar.h"
#include "editor/text_input.h"
#include "platform/code_page.h"
#include "platform/font_names.h"

TEditor::TEditor(QWidget* parent) : QAbstractScrollArea(parent)
{
    // Every paint fills its whole area, and scrolling moves pixels: Qt must neither
    // erase the viewport nor fill it first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent, true);
    viewport()->setAutoFillBackground(false);
    setVerticalScrollBar(new tavi::TQuietScrollBar(Qt::Vertical));
    setHorizontalScrollBar(new tavi::TQuietScrollBar(Qt::Horizontal));
    setCursor(Qt::IBeamCursor);
    viewport()->setCursor(Qt::IBeamCursor);
    verticalScrollBar()->setCursor(Qt::ArrowCursor);
    horizontalScrollBar()->setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
    completion_ = new TCompletionPopup(*this);
    InstallAccessibility();
    setAttribute(Qt::WA_InputMethodEnabled, true);
    font_ = QFont(tavi::kFixedSysFontName);
    font_.setPixelSize(12);
    font_.setStyleHint(QFont::TypeWriter);
    reserveWordFont_ = font_;
    ApplyZoom();
    gutter_ = new TLineNumberGutter(*this);
    gutter_->hide();
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this](int a) { VertAction(a); });
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this, [this](int a) { HorzAction(a); });
    ApplyScrollBarPolicy();
    SetBorderStyle(tavi::bsSingle);
    core_.SetView(this);
    core_.Document().SetWorkMeter(&workProgress_);
    resize(185, 89);
    Relayout();
}

TEditor::~TEditor()
{
    core_.Document().SetWorkMeter(nullptr);
    core_.SetView(nullptr);
}

void TEditor::SetColor(tavi::TColor value)
{
    if (value == color_)
        return;
    color_ = value;
    viewport()->update();
}

void TEditor::SetFont(const QFont& value)
{
    if (value == font_)
        return;
    font_ = value;
    // Keeps the reserved-word font's name, size and italic in line.
    SetReserveWordFont(reserveWordFont_);
    ApplyZoom();
    // The pixel offset of a scrolled view would not match the new cell width.
    if (leftCol_ > 0)
        core_.SetCaretCol(0);
    SetLeftCol(0);
    Relayout();
}

void TEditor::SetFontColor(tavi::TColor value)
{
    if (value == fontColor_)
        return;
    fontColor_ = value;
    viewport()->update();
}

void TEditor::SetReserveWordColor(bool value)
{
    if (value == reserveWordColor_)
        return;
    reserveWordColor_ = value;
    viewport()->update();
}

void TEditor::SetSyntaxColoring(bool value)
{
    if (value == cssColouring_.Enabled())
        return;
    cssColouring_.SetEnabled(value);
    viewport()->update();
}

void TEditor::SetSyntaxColor(tavi::TCssClass cls, tavi::TColor value)
{
    if (value == cssColouring_.ColorOf(cls))
        return;
    cssColouring_.SetColor(cls, value);
    viewport()->update();
}

void TEditor::SetReserveWordList(const std::vector<std::string>& value)
{
    reserveWordList_ = value;
    reserved_.Assign(value);
    if (reserveWordColor_)
        viewport()->update();
}

void TEditor::SetReserveWordFont(const QFont& value)
{
    QFont f = value;
    f.setFamilies(font_.families());
    f.setFamily(font_.family());
    if (font_.pixelSize() > 0)
        f.setPixelSize(font_.pixelSize());
    else
        f.setPointSizeF(font_.pointSizeF());
    if (font_.italic())
        f.setItalic(true);
    italicOnly_ = f.italic() && !font_.italic();
    reserveWordFont_ = f;
    ApplyZoom();
    viewport()->update();
}

void TEditor::SetReserveWordFontColor(tavi::TColor value)
{
    if (value == reserveWordFontColor_)
        return;
    reserveWordFontColor_ = value;
    viewport()->update();
}

void TEditor::SetReserveBkColor(tavi::TColor value)
{
    if (value == reserveBkColor_)
        return;
    reserveBkColor_ = value;
    if (reserveWordColor_)
        viewport()->update();
}

void TEditor::SetDelimDBCS(bool value)
{
    if (value == core_.Options().DelimDBCS)
        return;
    core_.Options().DelimDBCS = value;
    viewport()->update();
}

void TEditor::SetDrawAllWords(bool value)
{
    if (value == drawAllWords_)
        return;
    drawAllWords_ = value;
    viewport()->update();
}

void TEditor::SetDefaultDrawing(bool value)
{
    if (value == defaultDrawing_)
        return;
    defaultDrawing_ = value;
    viewport()->update();
}

void TEditor::SetRetMark(bool value)
{
    if (value == core_.RetMark())
        return;
    core_.SetRetMark(value);
    viewport()->update();
}

void TEditor::SetRetMarkColor(tavi::TColor value)
{
    if (value == retMarkColor_)
        return;
    retMarkColor_ = value;
    viewport()->update();
}

void TEditor::SetEofMark(bool value)
{
    if (value == core_.EofMark())
        return;
    core_.SetEofMark(value);
    viewport()->update();
}

void TEditor::SetEofMarkColor(tavi::TColor value)
{
    if (value == eofMarkColor_)
        return;
    eofMarkColor_ = value;
    viewport()->update();
}

void TEditor::SetUnderLine(bool value)
{
    if (value == underLine_)
        return;
    underLine_ = value;
    Relayout();
}

void TEditor::SetUnderLineColor(tavi::TColor value)
{
    if (value == underLineColor_)
        return;
    underLineColor_ = value;
    viewport()->update(UnderlineRect());
}

void TEditor::SetCaretStyle(tavi::TCaretStyle value)
{
    if (value == caretStyle_)
        return;
    caretStyle_ = value;
    UpdateCaretPos();
}

void TEditor::SetLeftMargin(int value)
{
    value = std::clamp(value, 0, 100);
    if (value == leftMargin_)
        return;
    leftMargin_ = value;
    Relayout();
}

void TEditor::SetTopMargin(int value)
{
    value = std::clamp(value, 0, 100);
    if (value == topMargin_)
        return;
    topMargin_ = value;
    Relayout();
}

void TEditor::SetLineMargin(int value)
{
    value = std::clamp(value, 0, 100);
    if (value == lineMargin_)
        return;
    lineMargin_ = value;
    Relayout();
}

void TEditor::SetCharacterMargin(int value)
{
    value = std::clamp(value, -5, 100);
    if (value == characterMargin_)
        return;
    characterMargin_ = value;
    Relayout();
}

void TEditor::SetScrollBars(tavi::TScrollStyle value)
{
    if (value == scrollBars_)
        return;
    scrollBars_ = value;
    ApplyScrollBarPolicy();
    Relayout();
}

void TEditor::SetBorderStyle(tavi::TBorderStyle value)
{
    borderStyle_ = value;
    setFrameStyle(value == tavi::bsSingle ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
}

void TEditor::SetRedraw(bool on)
{
    viewport()->setUpdatesEnabled(on);
    if (on)
        viewport()->update();
}

void TEditor::SetReadOnly(bool value)
{
    if (value == core_.Options().ReadOnly)
        return;
    core_.Options().ReadOnly = value;
    // The input method is turned off for a read-only document and back on after it.
    if (hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImEnabled);
}

std::string TEditor::ClipboardText() const
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return {};
    // Plain text ends at its first NUL character, as a text buffer does; characters the
    // document's encoding lacks (code page 932) become "?".
    QString text = clipboard->text();
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    return tavi::DocumentBytes(text, core_.Encoding());
}

void TEditor::SetClipboardText(const std::string& text)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(tavi::DocumentText(text, core_.Encoding()));
}
