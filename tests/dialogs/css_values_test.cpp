// Tests of how typed and picked values are written as CSS: units, numbers, strings, urls and font names.
#include <gtest/gtest.h>

#include "dialogs/css_values.h"
#include "tests/support/qt_printers.h"

namespace {

TEST(CssValues, UnitsAndNumbers)
{
    EXPECT_EQ(tavi::CssUnit("inch"), "in");
    for (const char* unit : {"px", "mm", "cm", "pt", "pc", "%", "em", "", "Inch"})
        EXPECT_EQ(tavi::CssUnit(unit), unit);
    for (const char* number : {"0", "12", "-3", "+7", "1.5", ".5", "-.25"})
        EXPECT_TRUE(tavi::IsCssNumber(number)) << number;
    for (const char* text : {"", "-", "+", ".", "1.", "1e3", " 1", "1 ", "１２", "1,5", "--1", "0x1"})
        EXPECT_FALSE(tavi::IsCssNumber(QString::fromUtf8(text))) << text;
}

TEST(CssValues, UrlsStayBareUnlessACharacterNeedsQuotes)
{
    const struct {
        const char* typed;
        const char* written;
    } cases[] = {
        {"sky.jpg", "url(sky.jpg)"},
        {"", "url()"},
        {"http://example.com/a/b.png?x=1&y=2#f", "url(http://example.com/a/b.png?x=1&y=2#f)"},
        {"空.jpg", "url(空.jpg)"},
        {"my sky.jpg", "url(\"my sky.jpg\")"},
        {"a(1).gif", "url(\"a(1).gif\")"},
        {"it's.gif", "url(\"it's.gif\")"},
        {"say \"hi\".wav", "url(\"say \\\"hi\\\".wav\")"},
        {"C:\\pics\\a.bmp", "url(\"C:\\\\pics\\\\a.bmp\")"},
        {"tab\there", "url(\"tab\\9 here\")"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tavi::CssUrl(QString::fromUtf8(c.typed)), QString::fromUtf8(c.written)) << c.typed;
}

TEST(CssValues, FontFamilyNamesArePlainIdentifiersOrQuoted)
{
    const struct {
        const char* name;
        const char* written;
    } cases[] = {
        {"DejaVu Sans Mono", "DejaVu Sans Mono"},
        {"C059", "C059"},
        {"IPAゴシック", "IPAゴシック"},
        {"  Nimbus Sans  ", "Nimbus Sans"},
        {"Font Awesome 6 Free", "\"Font Awesome 6 Free\""},
        {"123", "\"123\""},
        {"Noto Sans CJK JP", "Noto Sans CJK JP"},
        {"Foo.Bar", "\"Foo.Bar\""},
        {"My Font (Bold)", "\"My Font (Bold)\""},
        {"Inherit", "\"Inherit\""},
        {"Sans Serif", "sans-serif"},
        {"serif", "serif"},
        {"Monospace", "monospace"},
        // A list typed as CSS stands as it is.
        {"Arial, \"Font Awesome 6 Free\", sans-serif", "Arial, \"Font Awesome 6 Free\", sans-serif"},
        {"'Open Sans'", "'Open Sans'"},
        {"Arial,", "\"Arial,\""},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tavi::CssFontFamily(QString::fromUtf8(c.name)), QString::fromUtf8(c.written)) << c.name;
}

}  // namespace
