// Tests of turning compiled form files into their text form.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "components/form_resource_text.h"

namespace {

using tavi::FormResourceToText;
using tavi::IsFormResource;
using tavi::TFormResourceError;

// Builds compiled form data byte by byte.
class FormBytes {
public:
    FormBytes& Raw(std::string_view bytes)
    {
        data_ += bytes;
        return *this;
    }
    FormBytes& Byte(std::uint8_t b)
    {
        data_ += static_cast<char>(b);
        return *this;
    }
    FormBytes& Little(std::uint64_t value, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            Byte(static_cast<std::uint8_t>(value >> (8 * i)));
        return *this;
    }
    FormBytes& Short(std::string_view s)
    {
        Byte(static_cast<std::uint8_t>(s.size()));
        return Raw(s);
    }
    FormBytes& Object(std::string_view className, std::string_view name) { return Short(className).Short(name); }
    FormBytes& Property(std::string_view name) { return Short(name); }
    FormBytes& End() { return Byte(0); }
    const std::string& Data() const { return data_; }

private:
    std::string data_;
};

enum : std::uint8_t {
    vaList = 1,
    vaInt8,
    vaInt16,
    vaInt32,
    vaExtended,
    vaString,
    vaIdent,
    vaFalse,
    vaTrue,
    vaBinary,
    vaSet,
    vaLString,
    vaNil,
    vaCollection,
    vaSingle,
    vaCurrency,
    vaDate,
    vaWString,
    vaInt64,
    vaUTF8String,
    vaDouble
};

std::uint64_t DoubleBits(double d)
{
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

// A form with a button on it, using the value kinds that real forms hold most.
std::string SmallForm()
{
    FormBytes f;
    f.Raw("TPF0").Object("TForm1", "Form1");
    f.Property("Left").Byte(vaInt16).Little(192, 2);
    f.Property("Top").Byte(vaInt8).Byte(static_cast<std::uint8_t>(-3));
    f.Property("Caption").Byte(vaString).Short("It's");
    f.Property("Visible").Byte(vaFalse);
    f.Property("Font.Style").Byte(vaSet).Short("fsBold").Short("fsItalic").Short("");
    f.Property("Color").Byte(vaIdent).Short("clBtnFace");
    f.End();
    f.Object("TButton", "Button1");
    f.Property("Default").Byte(vaTrue);
    f.Property("Tag").Byte(vaInt32).Little(static_cast<std::uint32_t>(-100000), 4);
    f.End().End();  // properties, children
    f.End();        // children of the form
    return f.Data();
}

}  // namespace

TEST(FormResourceText, WritesObjectsPropertiesAndChildrenAsText)
{
    EXPECT_EQ(FormResourceToText(SmallForm()),
              "object Form1: TForm1\r\n"
              "  Left = 192\r\n"
              "  Top = -3\r\n"
              "  Caption = 'It''s'\r\n"
              "  Visible = False\r\n"
              "  Font.Style = [fsBold, fsItalic]\r\n"
              "  Color = clBtnFace\r\n"
              "  object Button1: TButton\r\n"
              "    Default = True\r\n"
              "    Tag = -100000\r\n"
              "  end\r\n"
              "end\r\n");
}

TEST(FormResourceText, WritesListsBinaryDataCollectionsAndNumbers)
{
    FormBytes f;
    f.Raw("TPF0").Object("TPanel", "");
    f.Property("Items.Strings").Byte(vaList).Byte(vaString).Short("a").Byte(vaNil).End();
    f.Property("Empty").Byte(vaList).End();
    f.Property("Data").Byte(vaBinary).Little(34, 4);
    for (int i = 0; i < 34; ++i)
        f.Byte(static_cast<std::uint8_t>(i * 7));
    f.Property("Columns").Byte(vaCollection);
    f.Byte(vaList).End();  // an item without properties
    f.Byte(vaInt8).Byte(2).Byte(vaList).Property("Width").Byte(vaInt8).Byte(40).End();
    f.End();
    f.Property("Big").Byte(vaInt64).Little(static_cast<std::uint64_t>(-5000000000LL), 8);
    // 1.5 as an 80-bit extended: mantissa 0xC000..., exponent 16383.
    f.Property("Ratio").Byte(vaExtended).Little(0xC000000000000000ULL, 8).Little(16383, 2);
    f.Property("Half").Byte(vaSingle).Little(0x3F000000, 4);
    f.Property("Price").Byte(vaCurrency).Little(12345, 8);
    f.Property("When").Byte(vaDate).Little(DoubleBits(36526.25), 8);
    f.Property("Scale").Byte(vaDouble).Little(DoubleBits(-0.125), 8);
    f.End().End();

    std::string data34 = "{\r\n    ";
    std::string hex;
    static const char* digits = "0123456789ABCDEF";
    for (int i = 0; i < 34; ++i) {
        const auto b = static_cast<std::uint8_t>(i * 7);
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    data34 += hex.substr(0, 64) + "\r\n    " + hex.substr(64) + "}";

    EXPECT_EQ(FormResourceToText(f.Data()),
              "object TPanel\r\n"
              "  Items.Strings = (\r\n"
              "    'a'\r\n"
              "    nil)\r\n"
              "  Empty = ()\r\n"
              "  Data = " +
                  data34 +
                  "\r\n"
                  "  Columns = <\r\n"
                  "    item\r\n"
                  "    end\r\n"
                  "    item [2]\r\n"
                  "      Width = 40\r\n"
                  "    end>\r\n"
                  "  Big = -5000000000\r\n"
                  "  Ratio = 1.5\r\n"
                  "  Half = 0.5s\r\n"
                  "  Price = 1.2345c\r\n"
                  "  When = 36526.25d\r\n"
                  "  Scale = -0.125\r\n"
                  "end\r\n");
}

TEST(FormResourceText, StringsKeepJapaneseAndShowControlCharactersAsCodes)
{
    FormBytes f;
    f.Raw("TPF0").Object("TLabel", "Label1");
    f.Property("Caption").Byte(vaString).Short("\x83\x5C\x83\x74\x83\x67");  // ソフト: a trail byte is "\"
    f.Property("Hint").Byte(vaLString).Little(5, 4).Raw("a\r\nb'");
    // Wide: "A", HIRAGANA A (in code page 932), U+00E9 (not in it), TAB.
    f.Property("Text").Byte(vaWString).Little(4, 4).Raw(std::string("A\0\x42\x30\xE9\0\t\0", 8));
    f.Property("Utf").Byte(vaUTF8String).Little(4, 4).Raw("x\xE3\x81\x82");
    f.Property("None").Byte(vaString).Short("");
    f.End().End();
    EXPECT_EQ(FormResourceToText(f.Data()),
              "object Label1: TLabel\r\n"
              "  Caption = '\x83\x5C\x83\x74\x83\x67'\r\n"
              "  Hint = 'a'#13#10'b'''\r\n"
              "  Text = 'A\x82\xA0'#233#9\r\n"
              "  Utf = 'x\x82\xA0'\r\n"
              "  None = ''\r\n"
              "end\r\n");
}

TEST(FormResourceText, WrapsLongStringsWithoutSplittingDoubleByteCharacters)
{
    std::string text(63, 'a');
    text += "\x82\xA0";  // the 64th character is double-byte
    text += "bc";
    FormBytes f;
    f.Raw("TPF0").Object("TMemo", "M").Property("Text").Byte(vaString).Short(text).End().End();
    EXPECT_EQ(FormResourceToText(f.Data()),
              "object M: TMemo\r\n  Text = \r\n    '" + std::string(63, 'a') + "\x82\xA0' +\r\n    'bc'\r\nend\r\n");
}

TEST(FormResourceText, MarksInheritedInlineAndPositionedObjects)
{
    FormBytes f;
    f.Raw("TPF0").Byte(0xF1).Object("TForm2", "Form2").End();
    f.Byte(0xF2).Byte(vaInt8).Byte(3).Object("TEdit", "Edit1").End().End();
    f.Byte(0xF4).Object("TFrame1", "Frame").End().End();
    f.End();
    EXPECT_EQ(FormResourceToText(f.Data()),
              "inherited Form2: TForm2\r\n"
              "  object Edit1: TEdit [3]\r\n"
              "  end\r\n"
              "  inline Frame: TFrame1\r\n"
              "  end\r\n"
              "end\r\n");
}

TEST(FormResourceText, RecognisesTheSignatureAlsoBehindAResourceHeader)
{
    const std::string form = SmallForm();
    std::string resource = std::string("\xFF\x0A\x00", 3) + "TFORM1" + std::string("\0\x30\x10", 3);
    resource += std::string(4, '\0') + form;
    EXPECT_TRUE(IsFormResource(form));
    EXPECT_TRUE(IsFormResource(resource));
    EXPECT_EQ(FormResourceToText(resource), FormResourceToText(form));
    EXPECT_FALSE(IsFormResource("object Form1: TForm1\r\nend\r\n"));
    EXPECT_FALSE(IsFormResource("TPF"));
    EXPECT_FALSE(IsFormResource(std::string("\xFF\x0A", 2)));
}

TEST(FormResourceText, StopsAtTheLimit)
{
    const std::string full = FormResourceToText(SmallForm());
    EXPECT_EQ(FormResourceToText(SmallForm(), 30), full.substr(0, 30));
    EXPECT_EQ(FormResourceToText(SmallForm(), full.size()), full);
    EXPECT_EQ(FormResourceToText(SmallForm(), 0), "");
    // Data damaged after the limit is never looked at.
    const std::string damaged = SmallForm().substr(0, 40);
    EXPECT_EQ(FormResourceToText(damaged, 10), full.substr(0, 10));
}

TEST(FormResourceText, RejectsDamagedData)
{
    const std::string form = SmallForm();
    EXPECT_THROW(FormResourceToText("XXXX"), TFormResourceError);
    for (std::size_t cut = 0; cut < form.size(); ++cut)
        EXPECT_THROW(FormResourceToText(form.substr(0, cut)), TFormResourceError) << "cut at " << cut;

    FormBytes unknownKind;
    unknownKind.Raw("TPF0").Object("T", "x").Property("P").Byte(99).End().End();
    EXPECT_THROW(FormResourceToText(unknownKind.Data()), TFormResourceError);

    FormBytes hugeLength;
    hugeLength.Raw("TPF0").Object("T", "x").Property("P").Byte(vaBinary).Little(0xFFFFFFF0u, 4);
    EXPECT_THROW(FormResourceToText(hugeLength.Data()), TFormResourceError);

    // Lists nested far deeper than any form must fail cleanly, not exhaust the stack.
    FormBytes deep;
    deep.Raw("TPF0").Object("T", "x").Property("P");
    for (int i = 0; i < 100000; ++i)
        deep.Byte(vaList);
    EXPECT_THROW(FormResourceToText(deep.Data()), TFormResourceError);
}
