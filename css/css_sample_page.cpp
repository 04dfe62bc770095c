// A sample page for a style sheet: one example element for each simple selector the sheet styles.
#include "css/css_sample_page.h"

#include <algorithm>
#include <array>

namespace tavi {

namespace {

constexpr std::string_view kSampleText = "あいうえお 漢字かな交じり文 The quick brown fox jumps";

// Elements a page shows no example of: the page's own frame and what holds no text.
constexpr std::array<std::string_view, 10> kFrameElements = {"html", "body", "head",  "style", "script",
                                                             "meta", "link", "title", "from",  "to"};

bool IsNameByte(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c >= 0x80;
}

void AddOnce(std::vector<std::string>& names, std::string name)
{
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(std::move(name));
}

// The simple selectors of one run of selector text of a line.
void ReadSelectors(std::string_view run, TTextEncoding encoding, TCssSimpleSelectors& found)
{
    const auto nameEnd = [&](std::size_t from) {
        std::size_t end = from;
        while (end < run.size() && IsNameByte(static_cast<unsigned char>(run[end])))
            end += static_cast<std::size_t>(CharAt(run, end, encoding).Bytes);
        return std::min(end, run.size());
    };
    for (std::size_t i = 0; i < run.size();) {
        const char c = run[i];
        if (c == '.' || c == '#' || c == ':') {
            std::size_t start = i + 1;
            while (c == ':' && start < run.size() && run[start] == ':')
                ++start;
            const std::size_t end = nameEnd(start);
            if (c != ':')
                AddOnce(c == '.' ? found.Classes : found.Ids, std::string(run.substr(start, end - start)));
            i = std::max(end, i + 1);
        } else if (IsNameByte(static_cast<unsigned char>(c)) && !(c >= '0' && c <= '9')) {
            const std::size_t end = nameEnd(i);
            std::string name(run.substr(i, end - i));
            std::transform(name.begin(), name.end(), name.begin(),
                           [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; });
            if (std::find(kFrameElements.begin(), kFrameElements.end(), name) == kFrameElements.end())
                AddOnce(found.Elements, std::move(name));
            i = end;
        } else if (c >= '0' && c <= '9') {
            i = nameEnd(i) + 1;  // a keyframe's percentage
        } else {
            i += static_cast<std::size_t>(CharAt(run, i, encoding).Bytes);
        }
    }
}

std::string Escaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// An example of element `name` holding `label` and the sample text.
std::string ElementExample(const std::string& name, const std::string& label)
{
    const std::string text = Escaped(label) + " " + std::string(kSampleText);
    if (name == "img")
        return "<img alt=\"" + text + "\">";
    if (name == "input" || name == "textarea")
        return "<" + name + " value=\"" + text + "\">" + (name == "textarea" ? "</textarea>" : "");
    if (name == "br" || name == "hr")
        return "<" + name + ">";
    if (name == "li")
        return "<ul><li>" + text + "</li></ul>";
    if (name == "td" || name == "th" || name == "tr")
        return "<table><tr><" + std::string(name == "tr" ? "td" : name) + ">" + text + "</" +
               std::string(name == "tr" ? "td" : name) + "></tr></table>";
    return "<" + name + ">" + text + "</" + name + ">";
}

}  // namespace

TCssSimpleSelectors SimpleSelectorsOf(TCssRowStates& states, const TCssRowSource& rows)
{
    TCssSimpleSelectors found;
    std::vector<TCssSpan> spans;
    std::vector<bool> selector;
    std::string run;
    bool inAttribute = false;  // between "[" and "]": names there are no elements
    const auto endRun = [&] {
        ReadSelectors(run, rows.Encoding(), found);
        run.clear();
    };
    for (int r = 0; r < rows.RowCount(); ++r) {
        const std::string_view text = rows.RowText(r);
        states.SpansOfRow(rows, r, spans);
        selector.assign(text.size(), false);
        for (const TCssSpan& span : spans) {
            if (span.Class == TCssClass::Selector)
                std::fill(selector.begin() + span.Begin, selector.begin() + span.End, true);
        }
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (inAttribute) {
                inAttribute = text[i] != ']' || selector[i];
            } else if (selector[i]) {
                run += text[i];
            } else {
                endRun();
                inAttribute = text[i] == '[';
            }
        }
        if (rows.RowEndsLine(r))
            endRun();  // a wrapped row's run goes on in the next row
    }
    endRun();
    return found;
}

std::string SamplePage(const TCssSimpleSelectors& selectors, const std::function<std::string(std::string_view)>& toUtf8)
{
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\"><style id=\"sheet\"></style></head>\n"
        "<body>\n";
    for (const std::string& element : selectors.Elements) {
        const std::string name = toUtf8(element);
        page += ElementExample(name, name) + "\n";
    }
    for (const std::string& name : selectors.Classes) {
        const std::string utf8 = toUtf8(name);
        page += "<div class=\"" + Escaped(utf8) + "\">." + Escaped(utf8) + " " + std::string(kSampleText) + "</div>\n";
    }
    for (const std::string& name : selectors.Ids) {
        const std::string utf8 = toUtf8(name);
        page += "<div id=\"" + Escaped(utf8) + "\">#" + Escaped(utf8) + " " + std::string(kSampleText) + "</div>\n";
    }
    return page + "</body></html>\n";
}

}  // namespace tavi
