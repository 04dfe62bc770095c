// Colours written in a style sheet's rows: where they stand and the colour each names.
#pragma once

#include <QColor>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "css/css_reader.h"

namespace tavi {

// A colour value of a row: bytes [Begin, End) and the colour they name.
struct TColourValue {
    int Row = 0;
    int Begin = 0;
    int End = 0;
    QColor Color;
};

// The colour `text` names in CSS: #rgb, #rgba, #rrggbb, #rrggbbaa, rgb()/rgba() and
// hsl()/hsla() with commas or spaces (and "/ alpha"), or a named colour. Nothing for
// anything else (currentcolor, var(), a misspelling).
std::optional<QColor> ParseCssColour(std::string_view text);

// The colour values of row `row` whose text is `text`, read as `spans` say: hash colours and
// named colours in values, and colour functions closed on the row.
std::vector<TColourValue> ColourValuesOf(int row, std::string_view text, const std::vector<TCssSpan>& spans);

// How a chosen colour is written back: "#RRGGBB", or rgba() when it is not opaque.
std::string CssColourText(const QColor& color);

}  // namespace tavi
