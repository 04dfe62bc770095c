// Tests of loading and saving documents: line ends, Ctrl-Z, byte-exact round trips and failures that keep data.
#include "editor/core/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "editor/core/editor_core.h"
#include "editor/core/editor_error.h"
#include "platform/os/file_bytes.h"
#include "row_dump.h"

namespace tavi {
namespace {

namespace fs = std::filesystem;
using testing::Dump;

// Loads a file as Open does (without the encoding's conversion).
void LoadFile(TEditorCore& core, const std::string& path)
{
    core.Lines().LoadFromBytes(ReadFileBytes(path));
}

class TextFileTest : public ::testing::Test {
protected:
    TextFileTest()
    {
        dir = fs::temp_directory_path() / ("tavi_text_file_" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
    }
    ~TextFileTest() override { fs::remove_all(dir); }

    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
        return PathOf(name);
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Loads `bytes` from a file and saves the document to another; returns the saved bytes.
    std::string RoundTrip(const std::string& bytes)
    {
        LoadFile(core, Write("in.css", bytes));
        core.Lines().SaveToFile(PathOf("out.css"));
        return Read(PathOf("out.css"));
    }
    std::size_t FilesInDir() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }

    fs::path dir;
    TEditorCore core;
};

TEST_F(TextFileTest, CrLfTextsRoundTripByteForByte)
{
    const std::string samples[] = {
        "P {\r\n  margin : 10px }\r\n",
        "a\r\n\r\nlast line without break",
        "\xB1\xB2\xB3 half-width katakana\r\n",
        "\x83\x5C\x83\x5C trail bytes that look like backslashes\r\n\x83\x5C",
        "\x80\xA0\xFD\xFE\xFF invalid bytes\r\n\x81\r\nlone lead byte above\r\n",
        std::string("nul\0inside\0\r\nand after", 22),
        "",
    };
    for (const std::string& bytes : samples)
        EXPECT_EQ(RoundTrip(bytes), bytes) << bytes;
}

TEST_F(TextFileTest, LineEndsAreReadInEveryFormAndWrittenAsTheFileMostlyHasThem)
{
    // Two lone LFs, two lone CRs and one CR LF: LF wins a tie with CR.
    EXPECT_EQ(RoundTrip("a\rb\nc\r\nd\n\re"), "a\nb\nc\nd\n\ne");
    EXPECT_EQ(Dump(core.Rows()), "a|B b|B c|B d|B |B e|E");
    EXPECT_EQ(core.Lines().GetTextStr(), "a\r\nb\r\nc\r\nd\r\n\r\ne");  // the document's own text
    EXPECT_EQ(RoundTrip("x\r"), "x\r");
    EXPECT_EQ(RoundTrip("a\nb\r\nc\r\n"), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(RoundTrip("a\nb\r\n"), "a\r\nb\r\n");  // a tie keeps CR LF
    EXPECT_EQ(RoundTrip("no break"), "no break");
}

TEST_F(TextFileTest, AnEditedFileKeepsItsLineEndsAndANewDocumentWritesCrLf)
{
    const struct {
        std::string bytes, saved;
    } files[] = {
        {"a {\n}\n", "a {\n}\nadded\n"},
        {"a {\r}\r", "a {\r}\radded\r"},
        {"a {\r\n}\r\n", "a {\r\n}\r\nadded\r\n"},
    };
    for (const auto& file : files) {
        core.Lines().LoadFromBytes(file.bytes);
        core.Lines().Add("added");
        core.Lines().SaveToFile(PathOf("edited.css"));
        EXPECT_EQ(Read(PathOf("edited.css")), file.saved);
        EXPECT_EQ(core.Lines().FileText(), file.saved);
    }
    TEditorCore fresh;
    fresh.Lines().Add("new");
    EXPECT_EQ(fresh.Lines().LineEnd(), TLineEnd::CrLf);
    EXPECT_EQ(fresh.Lines().FileText(), "new\r\n");
}

TEST_F(TextFileTest, CtrlZEndsTheText)
{
    EXPECT_EQ(RoundTrip("a\r\nb\x1A\r\nc"), "a\r\nb");
    EXPECT_EQ(Dump(core.Rows()), "a|B b|E");
    EXPECT_EQ(RoundTrip("a\r\n\x1A"
                        "b"),
              "a\r\n");
    EXPECT_EQ(RoundTrip("\x1A"), "");
}

TEST_F(TextFileTest, NulBytesStayInTheirRows)
{
    const std::string bytes("ab\0cd\r\n\0\r\n", 10);
    LoadFile(core, Write("nul.css", bytes));
    ASSERT_EQ(core.Rows().Count(), 2);
    EXPECT_EQ(core.Rows().Text(0), std::string_view("ab\0cd", 5));
    EXPECT_EQ(core.Rows().Text(1), std::string_view("\0", 1));
}

TEST_F(TextFileTest, LinesAcrossReadChunksAreAssembledWhole)
{
    // Long lines, and a CR LF pair split exactly between two chunks of the reader.
    std::string bytes;
    std::mt19937 random(3);
    while (bytes.size() < 900000) {
        bytes += std::string(random() % 70000, static_cast<char>('a' + random() % 26));
        bytes += random() % 2 ? "\r\n" : "\n";
    }
    bytes[262143] = '\r';
    bytes[262144] = '\n';
    bytes += "tail";
    const RowList expected = RowsOfFileBytes(bytes, TWrapRule{});
    LoadFile(core, Write("big.css", bytes));
    ASSERT_EQ(core.Rows().Count(), expected.Count());
    for (int r = 0; r < expected.Count(); ++r) {
        ASSERT_EQ(core.Rows().Text(r), expected.Text(r)) << r;
        ASSERT_EQ(core.Rows().End(r), expected.End(r)) << r;
    }
    EXPECT_EQ(core.Rows().Text(core.Rows().Count() - 1), "tail");
}

TEST_F(TextFileTest, WrappingWhileReadingGivesTheRowsRewrappingGives)
{
    // Lines of every kind wrapping meets: short and long, exactly the width, with tabs,
    // double-byte characters across the width and a lone lead byte, under every line end.
    std::mt19937 random(20);
    const std::string pieces[] = {"a", "\t", "\x95\x5C", "\xB1", "\x82", "margin : 0 ", std::string(19, 'x')};
    const char* ends[] = {"\r\n", "\n", "\r", "\r\n"};
    std::string bytes;
    for (int line = 0; line < 400; ++line) {
        const int count = static_cast<int>(random() % 30);
        for (int i = 0; i < count; ++i)
            bytes += pieces[random() % std::size(pieces)];
        bytes += ends[random() % std::size(ends)];
    }
    bytes += "tail without an end";
    const std::string path = Write("mixed.css", bytes);
    for (const int tabs : {4, 8}) {
        TEditorCore wrappedWhileRead;
        wrappedWhileRead.SetWordWrap(true);
        wrappedWhileRead.SetWrapByte(20);
        wrappedWhileRead.SetTabSpaceCount(tabs);
        LoadFile(wrappedWhileRead, path);
        TEditorCore rewrapped;
        LoadFile(rewrapped, path);
        rewrapped.SetTabSpaceCount(tabs);
        rewrapped.SetWrapByte(20);
        rewrapped.SetWordWrap(true);
        ASSERT_EQ(Dump(wrappedWhileRead.Rows()), Dump(rewrapped.Rows())) << tabs;
    }
}

TEST_F(TextFileTest, LoadingReplacesTheDocumentAndWrapsIt)
{
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    core.Lines().Add("old");
    core.SetModified(false);
    LoadFile(core, Write("wrap.css", std::string(30, 'w') + "\r\nb"));
    EXPECT_EQ(testing::DumpLengths(core.Rows()), "20|W 10|B 1|E");
    EXPECT_FALSE(core.CanUndo());
    EXPECT_FALSE(core.Modified());  // the loaded text is the save point
    EXPECT_EQ(core.CaretRow(), 0);
    EXPECT_EQ(core.CaretCol(), 0);
}

TEST_F(TextFileTest, AFileThatCannotBeReadLeavesTheDocumentAlone)
{
    core.Lines().Add("keep me");
    const std::string missing = PathOf("missing.css");
    try {
        LoadFile(core, missing);
        FAIL() << "no error";
    } catch (const TEditorError& error) {
        EXPECT_EQ(std::string(error.what()), "ﾌｧｲﾙ " + missing + " は開けません");
    }
    EXPECT_THROW(LoadFile(core, dir.string()), TEditorError);  // a folder
    EXPECT_EQ(core.Lines().GetTextStr(), "keep me\r\n");
    EXPECT_TRUE(core.CanUndo());
}

TEST_F(TextFileTest, AFailedSaveLeavesNoFileBehind)
{
    core.Lines().Add("new text");
    const std::string noFolder = PathOf("no/such/folder.css");
    try {
        core.Lines().SaveToFile(noFolder);
        FAIL() << "no error";
    } catch (const TEditorError& error) {
        EXPECT_EQ(std::string(error.what()), "ﾌｧｲﾙ " + noFolder + " を作成できません");
    }
    // A folder in the way: the text is written aside, and then cannot replace it.
    fs::create_directory(dir / "taken.css");
    Write("taken.css/inside", "x");
    EXPECT_THROW(core.Lines().SaveToFile(PathOf("taken.css")), TEditorError);
    EXPECT_EQ(Read(PathOf("taken.css/inside")), "x");
    EXPECT_EQ(FilesInDir(), 1u);  // no temporary file left
}

TEST_F(TextFileTest, SavingKeepsPermissionsAndWritesThroughLinks)
{
    const std::string target = Write("sheet.css", "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(target, dir / "link.css");
    core.Lines().Add("new");
    core.Lines().SaveToFile(PathOf("link.css"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.css"));
    EXPECT_EQ(Read(target), "new\r\n");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FilesInDir(), 2u);
}

}  // namespace
}  // namespace tavi
