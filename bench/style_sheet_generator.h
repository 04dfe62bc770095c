// The generated style sheet the benchmarks share: about 20 MiB of rules with Japanese comments, written once to a
// temporary file.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace tavi::bench {

inline constexpr std::size_t kSheetBytes = 20u << 20;

// Japanese comments in code page 932: headings, a long remark that wraps at 80
// columns, and words with trail bytes equal to "\".
inline const char* const kComments[] = {
    "/* \x8C\xA9\x8F\x6F\x82\xB5\x82\xCC\x8F\x91\x8E\xAE */",
    "/* \x96\x7B\x95\xB6\x82\xCC\x97\x5D\x94\x92\x82\xF0\x8D\x4C\x82\xDF\x82\xC9\x82\xC6\x82\xE9 */",
    "/* \x82\xB1\x82\xB1\x82\xA9\x82\xE7\x89\xBA\x82\xCD\x88\xF3\x8D\xFC\x97\x70\x82\xCC\x90\xDD\x92\xE8\x82\xC5"
    "\x82\xB7\x81\x42\x89\xE6\x96\xCA\x95\x5C\x8E\xA6\x82\xC9\x82\xCD\x89\x65\x8B\xBF\x82\xB5\x82\xDC\x82\xB9"
    "\x82\xF1\x81\x42\xB6\xC0\xB6\xC5 \x83\x5C\x81\x5B\x83\x58\x95\x5C\x8E\xA6 \x96\x7B\x95\xB6\x82\xCC\x97"
    "\x5D\x94\x92\x82\xF0\x8D\x4C\x82\xDF\x82\xC9\x82\xC6\x82\xE9\x81\x42\x8C\xA9\x8F\x6F\x82\xB5 */",
};

// The text of the sheet: a million lines of rules, a comment before every fourth rule.
inline std::string SheetText(std::size_t bytes = kSheetBytes)
{
    std::string text;
    text.reserve(bytes + 4096);
    for (int rule = 0; text.size() < bytes; ++rule) {
        if (rule % 4 == 0)
            text += std::string(kComments[rule / 4 % 3]) + "\r\n";
        text += ".item" + std::to_string(rule) + " {\r\n";
        text += "  margin : " + std::to_string(rule % 40) + "px;\r\n";
        text += "  color : #" + std::to_string(100000 + rule % 900000) + ";\r\n";
        text += "\tfont-size : 12pt }\r\n";
    }
    return text;
}

// The sheet with `word`, which it nowhere holds, on a last line of its own.
inline std::string SheetWithWordAtTheEnd(const std::string& word)
{
    return SheetText() + ".last { content: \"" + word + "\" }\r\n";
}

// The sheet with its rules' "12pt" turned into `word` in `count` rules spread evenly over it.
inline std::string SheetWithWordSpread(const std::string& word, long long count)
{
    const std::string sheet = SheetText();
    const std::string_view unit = "12pt";
    long long rules = 0;
    for (std::size_t at = sheet.find(unit); at != std::string::npos; at = sheet.find(unit, at + unit.size()))
        ++rules;
    std::string out;
    out.reserve(sheet.size() + static_cast<std::size_t>(count) * word.size());
    std::size_t from = 0;
    long long rule = 0;
    for (std::size_t at = sheet.find(unit); at != std::string::npos; at = sheet.find(unit, at + unit.size()), ++rule) {
        if ((rule + 1) * count / rules > rule * count / rules) {
            out.append(sheet, from, at - from).append(word);
            from = at + unit.size();
        }
    }
    return out.append(sheet, from, std::string::npos);
}

// Where the sheet is written; `name` tells the benchmark programs' files apart.
inline std::filesystem::path SheetFile(const char* name)
{
    return std::filesystem::temp_directory_path() / name;
}

// Writes the sheet to SheetFile(name) once per program and returns its path.
inline const std::string& SheetPath(const char* name)
{
    static const std::string path = [name] {
        const std::filesystem::path file = SheetFile(name);
        const std::string text = SheetText();
        std::FILE* f = std::fopen(file.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        return file.string();
    }();
    return path;
}

}  // namespace tavi::bench
