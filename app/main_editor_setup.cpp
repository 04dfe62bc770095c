// The design-time configuration of the main window's editor.
#include "app/main_editor_setup.h"

#include <string>
#include <vector>

#include "editor/editor.h"
#include "platform/font_names.h"

namespace {

// The words drawn in the reserved-word style: CSS property vocabulary and punctuation.
// The empty entry and "  font-size:" (it holds delimiters) never match a word.
const std::vector<std::string>& MainReserveWords()
{
    static const std::vector<std::string> words{
        "",       "-",        "  font-size:", "*",         "/",       ":",        ";",     "{",          "}",
        "align",  "azimuth",  "background",   "border",    "bottom",  "clear",    "color", "decoration", "display",
        "during", "family",   "float",        "font",      "header",  "height",   "image", "indent",     "left",
        "letter", "line",     "list",         "margin",    "padding", "pitch",    "play",  "position",   "range",
        "rate",   "richness", "right",        "size",      "space",   "spacing",  "speak", "speech",     "stress",
        "style",  "text",     "top",          "transform", "type",    "vertical", "voice", "volume",     "weight",
        "white",  "width",    "word"};
    return words;
}

}  // namespace

void ConfigureMainEditor(TEditor* editor)
{
    editor->SetCaretAutoIndent(true);
    editor->SetCaretFree(true);
    editor->SetCaretInTab(false);
    editor->SetCaretNextLine(false);
    editor->SetPrevSpaceIndent(false);
    editor->SetReadOnly(false);
    editor->SetSoftTab(false);
    editor->SetTabIndent(false);
    editor->SetWantReturns(true);
    // Tab moves the focus between the window's controls.
    editor->SetWantTabs(false);
    editor->SetDisposeBlank(false);
    editor->SetTabSpaceCount(8);
    editor->SetUndoListMax(64);
    editor->SetWordWrap(true);
    editor->SetWrapByte(80);

    QFont font(tavi::kFixedSysFontName);
    font.setPixelSize(12);
    font.setStyleHint(QFont::TypeWriter);
    editor->SetFont(font);
    editor->SetFontColor(tavi::clWindowText);
    editor->SetColor(tavi::clWindow);
    editor->SetCharacterMargin(0);
    editor->SetLeftMargin(19);
    editor->SetTopMargin(2);
    editor->SetLineMargin(0);
    editor->SetScrollBars(tavi::ssVertical);
    editor->SetCaretStyle(tavi::csBrief);
    editor->SetDefaultDrawing(true);
    editor->SetDelimDBCS(false);
    editor->SetDrawAllWords(false);
    editor->SetEofMark(true);
    editor->SetEofMarkColor(tavi::clGreen);
    editor->SetRetMark(true);
    editor->SetRetMarkColor(tavi::clGreen);
    editor->SetUnderLine(true);
    editor->SetUnderLineColor(tavi::clGreen);
    editor->SetReserveBkColor(tavi::clWindow);
    editor->SetReserveWordFont(font);
    editor->SetReserveWordFontColor(tavi::clTeal);
    editor->SetReserveWordList(MainReserveWords());
    editor->SetReserveWordColor(true);
    editor->SetSelectBkColor(tavi::clHighlight);
    editor->SetSelectFontColor(tavi::clHighlightText);
}
