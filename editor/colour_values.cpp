// Colours written in a style sheet's rows: where they stand and the colour each names.
#include "editor/colour_values.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tavi {

namespace {

std::string Lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return out;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<QColor> HexColour(std::string_view digits)
{
    std::vector<int> v;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0)
            return std::nullopt;
        v.push_back(d);
    }
    switch (v.size()) {
        case 3:
        case 4:
            return QColor(v[0] * 17, v[1] * 17, v[2] * 17, v.size() == 4 ? v[3] * 17 : 255);
        case 6:
        case 8:
            return QColor(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5], v.size() == 8 ? v[6] * 16 + v[7] : 255);
        default:
            return std::nullopt;
    }
}

// One argument of a colour function: its number and whether it was a percentage.
struct TArgument {
    double Value;
    bool Percent;
    std::string Unit;
};

std::optional<std::vector<TArgument>> Arguments(std::string_view inside)
{
    std::vector<TArgument> args;
    std::string text(inside);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == ',' || c == '/' || c == '\t'; }, ' ');
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const char* start = text.c_str() + i;
        char* end = nullptr;
        const double value = std::strtod(start, &end);
        if (end == start)
            return std::nullopt;
        std::size_t j = i + static_cast<std::size_t>(end - start);
        std::string unit;
        while (j < text.size() && text[j] != ' ')
            unit += text[j++];
        args.push_back({value, unit == "%", unit == "%" ? std::string() : unit});
        i = j;
    }
    return args;
}

int Channel(const TArgument& a)
{
    return std::clamp(static_cast<int>(std::lround(a.Percent ? a.Value * 2.55 : a.Value)), 0, 255);
}

double Alpha(const std::vector<TArgument>& args, std::size_t i)
{
    if (args.size() <= i)
        return 1.0;
    return std::clamp(args[i].Percent ? args[i].Value / 100.0 : args[i].Value, 0.0, 1.0);
}

double Degrees(const TArgument& a)
{
    if (a.Unit == "turn")
        return a.Value * 360.0;
    if (a.Unit == "rad")
        return a.Value * 180.0 / M_PI;
    if (a.Unit == "grad")
        return a.Value * 0.9;
    return a.Value;
}

}  // namespace

std::optional<QColor> ParseCssColour(std::string_view text)
{
    const std::string lower = Lowered(text);
    if (lower.starts_with('#'))
        return HexColour(std::string_view(lower).substr(1));
    const std::size_t open = lower.find('(');
    if (open == std::string::npos) {
        if (lower == "transparent")
            return QColor(0, 0, 0, 0);
        if (lower == "rebeccapurple")
            return QColor(0x66, 0x33, 0x99);  // newer than the toolkit's list of names
        const QColor named = QColor::fromString(QLatin1StringView(lower.data(), static_cast<qsizetype>(lower.size())));
        return named.isValid() && lower.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos
                   ? std::optional<QColor>(named)
                   : std::nullopt;
    }
    if (!lower.ends_with(')'))
        return std::nullopt;
    const std::string name = lower.substr(0, open);
    const auto args = Arguments(std::string_view(lower).substr(open + 1, lower.size() - open - 2));
    if (!args || args->size() < 3 || args->size() > 4)
        return std::nullopt;
    const std::vector<TArgument>& a = *args;
    if (name == "rgb" || name == "rgba") {
        QColor colour(Channel(a[0]), Channel(a[1]), Channel(a[2]));
        colour.setAlphaF(static_cast<float>(Alpha(a, 3)));
        return colour;
    }
    if (name == "hsl" || name == "hsla") {
        const double hue = std::fmod(std::fmod(Degrees(a[0]), 360.0) + 360.0, 360.0);
        QColor colour = QColor::fromHslF(static_cast<float>(hue / 360.0),
                                         static_cast<float>(std::clamp(a[1].Value / 100.0, 0.0, 1.0)),
                                         static_cast<float>(std::clamp(a[2].Value / 100.0, 0.0, 1.0)));
        colour.setAlphaF(static_cast<float>(Alpha(a, 3)));
        return colour.toRgb();
    }
    return std::nullopt;
}

std::vector<TColourValue> ColourValuesOf(int row, std::string_view text, const std::vector<TCssSpan>& spans)
{
    std::vector<TColourValue> values;
    for (const TCssSpan& span : spans) {
        int end = span.End;
        if (span.Class == TCssClass::Value) {
            // A colour function: its name, then everything to its ")" on this row.
            const std::string name = Lowered(text.substr(static_cast<std::size_t>(span.Begin), span.End - span.Begin));
            if (name != "rgb" && name != "rgba" && name != "hsl" && name != "hsla")
                continue;
            if (static_cast<std::size_t>(end) >= text.size() || text[static_cast<std::size_t>(end)] != '(')
                continue;
            const std::size_t close = text.find(')', static_cast<std::size_t>(end));
            if (close == std::string_view::npos)
                continue;
            end = static_cast<int>(close) + 1;
        } else if (span.Class != TCssClass::Colour) {
            continue;
        }
        const std::string_view written = text.substr(static_cast<std::size_t>(span.Begin), end - span.Begin);
        if (const std::optional<QColor> colour = ParseCssColour(written))
            values.push_back({row, span.Begin, end, *colour});
    }
    return values;
}

std::string CssColourText(const QColor& color)
{
    if (color.alpha() == 255)
        return QString::asprintf("#%02X%02X%02X", color.red(), color.green(), color.blue()).toStdString();
    return QString::asprintf("rgba(%d, %d, %d, %.3g)", color.red(), color.green(), color.blue(), color.alphaF())
        .toStdString();
}

}  // namespace tavi
