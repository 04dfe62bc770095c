// Tests of reading and editing INI settings files and the value kinds stored in them.
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cctype>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/private_profile.h"

using tavi::TPrivateProfile;

namespace {

std::string ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void WriteAll(const QString& path, const std::string& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
}

// A profile over `bytes` without a file of its own on disk.
TPrivateProfile ProfileOf(const QTemporaryDir& temp, const std::string& bytes)
{
    const QString path = temp.filePath(QStringLiteral("settings.ini"));
    WriteAll(path, bytes);
    return TPrivateProfile(path);
}

// Files of several hundred kilobytes make gtest's own string diff useless; name the first difference instead.
testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected)
{
    if (actual == expected)
        return testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    return testing::AssertionFailure() << "sizes " << actual.size() << " and " << expected.size()
                                       << ", first difference at byte " << at;
}

}  // namespace

TEST(PrivateProfile, ReadsNamesWithoutRegardToCaseOrBlanksAndTheFirstOfDuplicates)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const TPrivateProfile profile = ProfileOf(temp,
                                              "Top=before any section\r\n"
                                              " [ General ] trailing\r\n"
                                              "  Width \t=  640 \t\r\n"
                                              "WIDTH=second\r\n"
                                              "; Comment=not a key\r\n"
                                              "Long=" +
                                                  std::string(1500, 'x') +
                                                  "\r\n"
                                                  "[general]\n"
                                                  "Height=480\r"
                                                  "  [ Open \n"
                                                  "file = a=b");
    const struct {
        const char* Section;
        const char* Key;
        std::optional<std::string> Value;
    } cases[] = {
        {"general", "width", "640"},
        {" GENERAL\t", "WiDtH ", "640"},
        {"General", "Height", std::nullopt},  // only in the second, ignored [general]
        {"", "Top", std::nullopt},
        {"General", "; Comment", std::nullopt},
        {"General", "Comment", std::nullopt},
        {"General", "Long", std::string(1023, 'x')},
        {"open", "FILE", "a=b"},
        {"Missing", "Width", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Section) + "/" + c.Key);
        EXPECT_EQ(profile.ReadString(c.Section, c.Key), c.Value);
    }
}

TEST(PrivateProfile, WritingChangesOnlyTheKeysLineAndAddsLinesWithTheFilesOwnLineEnd)
{
    const std::string settings =
        "; settings\r\n[Editor]\r\n  FontSize = 10 \r\nunknown=kept\r\n; trailing comment\r\n\r\n[View]\r\nZoom=1\r\n";
    const struct {
        std::string Before;
        const char* Section;
        const char* Key;
        const char* Value;
        std::string After;
    } cases[] = {
        {settings, "editor", "FONTSIZE", "12",
         "; settings\r\n[Editor]\r\nFontSize=12\r\nunknown=kept\r\n; trailing comment\r\n\r\n[View]\r\nZoom=1\r\n"},
        {settings, "EDITOR", "TabWidth", "4",
         "; settings\r\n[Editor]\r\n  FontSize = 10 \r\nunknown=kept\r\nTabWidth=4\r\n; trailing comment\r\n\r\n"
         "[View]\r\nZoom=1\r\n"},
        {settings, "Colors", "Back", "clWindow", settings + "[Colors]\r\nBack=clWindow\r\n"},
        {"[A]\r\n[B]\r\n", "a", "x", "1", "[A]\r\nx=1\r\n[B]\r\n"},
        {"[A]\rx=1", "A", "y", "2", "[A]\rx=1\ry=2\r"},
        {"[A]\nx=1", "B", "y", "2", "[A]\nx=1\n[B]\ny=2\n"},
        {"a\rb\r\nc\n", "S", "k", "v", "a\rb\r\nc\n[S]\rk=v\r"},
        {"no line end", "S", "k", "v", "no line end\n[S]\nk=v\n"},
        {"", "S", "k", "v", "[S]\nk=v\n"},
    };
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Before + " <- " + c.Section + "/" + c.Key);
        TPrivateProfile profile = ProfileOf(temp, c.Before);
        profile.WriteString(c.Section, c.Key, c.Value);
        EXPECT_EQ(profile.Bytes(), c.After);
        EXPECT_EQ(profile.ReadString(c.Section, c.Key), c.Value);
    }
}

TEST(PrivateProfile, IntegersAreDecimalOrHexadecimal32BitValues)
{
    const struct {
        const char* Text;
        std::optional<std::int32_t> Value;
    } cases[] = {
        {"255", 255},
        {"+7", 7},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"$000000FF", 255},
        {"$ff", 255},
        {"0x10", 16},
        {"-0X10", -16},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"$80000005", static_cast<std::int32_t>(0x80000005u)},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"1 2", std::nullopt},
        {"12a", std::nullopt},
        {"$12G", std::nullopt},
        {"--1", std::nullopt},
        {"yes", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tavi::ParseInteger(c.Text), c.Value) << c.Text;
}

TEST(PrivateProfile, StoredValueKindsFallBackOnlyWhereTheyShould)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const TPrivateProfile profile = ProfileOf(temp,
                                              "[V]\nHex=$000000FF\nDec=255\nUpper=CLRED\nLower=clred\nSys=clWindow\n"
                                              "None=cLnOnE\nRed=red\nZero=0\nOne=1\nTwo=2\nYes=yes\nBig=2147483648\n");
    for (const char* key : {"Hex", "Dec", "Upper", "Lower"})
        EXPECT_EQ(tavi::ReadColor(profile, "V", key, tavi::clBlack), tavi::clRed) << key;
    EXPECT_EQ(tavi::ReadColor(profile, "V", "Sys", tavi::clBlack), tavi::clWindow);
    EXPECT_EQ(tavi::ReadColor(profile, "V", "None", tavi::clBlack), tavi::clNone);
    EXPECT_EQ(tavi::ReadColor(profile, "V", "Missing", tavi::clAqua), tavi::clAqua);
    try {
        tavi::ReadColor(profile, "V", "Red", tavi::clBlack);
        ADD_FAILURE() << "'red' was read as a colour";
    } catch (const tavi::TConversionError& e) {
        EXPECT_STREQ(e.what(), "'red' は整数ではありません");
    }

    const struct {
        const char* Key;
        bool Value;  // the same whatever the fallback
    } booleans[] = {{"Zero", false}, {"One", true}, {"Two", true}};
    for (const auto& b : booleans) {
        for (const bool fallback : {false, true})
            EXPECT_EQ(tavi::ReadBool(profile, "V", b.Key, fallback), b.Value) << b.Key;
    }
    for (const bool fallback : {false, true}) {
        EXPECT_EQ(tavi::ReadBool(profile, "V", "Yes", fallback), fallback);
        EXPECT_EQ(tavi::ReadBool(profile, "V", "Missing", fallback), fallback);
    }
    EXPECT_EQ(tavi::ReadInteger(profile, "V", "Big", 42), 42);
    EXPECT_EQ(tavi::ReadInteger(profile, "V", "Missing", 42), 42);
    EXPECT_EQ(tavi::ReadInteger(profile, "V", "Hex", 42), 255);
}

TEST(PrivateProfile, WritesColoursByNameWhenTheyHaveOneAndOtherValuesPlainly)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    TPrivateProfile profile = ProfileOf(temp, "");
    const struct {
        tavi::TColor Color;
        const char* Text;
    } colours[] = {
        {tavi::clRed, "clRed"},       {tavi::clWindow, "clWindow"},
        {tavi::clInfoBk, "clInfoBk"}, {tavi::clNone, "clNone"},
        {0x00123456, "$00123456"},    {tavi::kSystemColorBase + 25, "$80000019"},
        {0xFFFFFFFF, "$FFFFFFFF"},    {tavi::cl3DDkShadow, "cl3DDkShadow"},
    };
    for (const auto& c : colours) {
        tavi::WriteColor(profile, "C", "Value", c.Color);
        EXPECT_EQ(profile.ReadString("C", "Value"), c.Text);
        EXPECT_EQ(tavi::ReadColor(profile, "C", "Value", tavi::clBlack), c.Color) << c.Text;
    }
    tavi::WriteInteger(profile, "C", "Int", -5);
    EXPECT_EQ(profile.ReadString("C", "Int"), "-5");
    tavi::WriteBool(profile, "C", "Yes", true);
    tavi::WriteBool(profile, "C", "No", false);
    EXPECT_EQ(profile.ReadString("C", "Yes"), "1");
    EXPECT_EQ(profile.ReadString("C", "No"), "0");

    // Every colour with a name must come back from it, whatever case the file spells it in.
    std::vector<tavi::TColor> named = {tavi::clBlack,  tavi::clMaroon, tavi::clGreen, tavi::clOlive,   tavi::clNavy,
                                       tavi::clPurple, tavi::clTeal,   tavi::clGray,  tavi::clSilver,  tavi::clRed,
                                       tavi::clLime,   tavi::clYellow, tavi::clBlue,  tavi::clFuchsia, tavi::clAqua,
                                       tavi::clWhite,  tavi::clNone};
    for (tavi::TColor index = 0; index < 25; ++index)
        named.push_back(tavi::kSystemColorBase + index);
    for (const tavi::TColor color : named) {
        const auto name = tavi::ColorName(color);
        ASSERT_TRUE(name) << std::hex << color;
        std::string upper = *name;
        for (char& ch : upper)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        EXPECT_EQ(tavi::ColorFromName(upper), color) << *name;
    }
    EXPECT_EQ(tavi::ColorFromName("red"), std::nullopt);
}

namespace {

// A random settings file built line by line, with what each line is known to be, so that
// the expected effect of an edit can be worked out without reading the bytes back.
class TRandomProfile {
public:
    enum class TKind { Other, Section, Key };
    struct TLine {
        TKind Kind = TKind::Other;
        int Name = -1;      // index into the section or key names
        std::string Spelt;  // the key's name as written
        std::string Value;  // the key's value without the blanks around it
        std::size_t Begin = 0, End = 0, Next = 0;
    };

    static constexpr const char* kSectionNames[] = {"General", "Target", "Two Words", "x"};
    static constexpr int kTarget = 1;
    static constexpr const char* kKeyNames[] = {"Width", "Target", "a b", "K"};

    explicit TRandomProfile(unsigned seed) : random_(seed)
    {
        const int lineEndKind = Pick(4);  // LF, CR LF, CR or mixed
        const int count = 5 + Pick(40);
        const int target = Pick(count);
        bool targetSeen = false;
        for (int i = 0; i < count; ++i) {
            const bool forced = i == target && !targetSeen;
            const int kind = forced ? 0 : Pick(20);
            if (kind < 3) {
                const int name = forced ? kTarget : Pick(4);
                AddSection(name, Pick(5) == 0, lineEndKind);
                if (name == kTarget && !targetSeen)
                    AddKey(Pick(4), lineEndKind);  // so that an existing key can always be edited
                targetSeen = targetSeen || name == kTarget;
            } else if (kind < 12) {
                AddKey(Pick(4), lineEndKind);
            } else if (kind < 14) {
                AddLine({}, Blanks() + ";" + Junk(), lineEndKind);
            } else if (kind < 16) {
                AddLine({}, "", lineEndKind);
            } else {
                std::string junk = Junk();
                for (char& c : junk) {
                    if (c == '=' || c == '[' || c == ';')
                        c = '_';
                }
                AddLine({}, junk, lineEndKind);
            }
        }
        // Sometimes the last line goes without a line end.
        if (Pick(3) == 0 && lines_.back().End > lines_.back().Begin) {
            bytes_.resize(lines_.back().End);
            lines_.back().Next = lines_.back().End;
        }
    }

    const std::string& Bytes() const { return bytes_; }
    const std::vector<TLine>& Lines() const { return lines_; }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // The header of the first section named `name` and the line after the section.
    std::optional<std::pair<std::size_t, std::size_t>> FirstSection(int name) const
    {
        std::size_t i = 0;
        while (i < lines_.size() && !(lines_[i].Kind == TKind::Section && lines_[i].Name == name))
            ++i;
        if (i == lines_.size())
            return std::nullopt;
        std::size_t end = i + 1;
        while (end < lines_.size() && lines_[end].Kind != TKind::Section)
            ++end;
        return std::pair(i, end);
    }

    // The first line of the first section named `section` that holds `key`.
    const TLine* FirstKey(int section, int key) const
    {
        const auto range = FirstSection(section);
        for (std::size_t i = range ? range->first + 1 : 0; range && i < range->second; ++i) {
            if (lines_[i].Kind == TKind::Key && lines_[i].Name == key)
                return &lines_[i];
        }
        return nullptr;
    }

    std::string FirstLineEnd() const
    {
        for (const TLine& line : lines_) {
            if (line.Next > line.End)
                return bytes_.substr(line.End, line.Next - line.End);
        }
        return "\n";
    }

    std::string CaseOf(std::string name)
    {
        for (char& c : name) {
            if (Pick(2) == 0)
                c = static_cast<char>(std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c) : std::toupper(c));
        }
        return name;
    }

    // Bytes of any value but line ends, sometimes far longer than a value may be read.
    std::string Junk()
    {
        const int lengths[] = {0, 1 + Pick(40), 1000 + Pick(100), 5001 + Pick(2000)};
        std::string junk(static_cast<std::size_t>(lengths[Pick(4)]), '\0');
        for (char& c : junk) {
            do
                c = static_cast<char>(Pick(256));
            while (c == '\r' || c == '\n');
        }
        return junk;
    }

    // A value as a key line holds it once the blanks around it are dropped.
    std::string Value()
    {
        std::string value = Junk();
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
            value.erase(0, 1);
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
            value.pop_back();
        return value;
    }

private:
    std::string Blanks()
    {
        std::string blanks;
        for (int n = Pick(4); n > 0; --n)
            blanks += Pick(2) == 0 ? ' ' : '\t';
        return blanks;
    }

    std::string LineEnd(int kind)
    {
        static const char* const ends[] = {"\n", "\r\n", "\r"};
        return ends[kind == 3 ? Pick(3) : kind];
    }

    void AddSection(int name, bool unclosed, int lineEndKind)
    {
        TLine line;
        line.Kind = TKind::Section;
        line.Name = name;
        const std::string text = Blanks() + "[" + Blanks() + CaseOf(kSectionNames[name]) + Blanks();
        AddLine(line, unclosed ? text : text + "]" + Junk(), lineEndKind);
    }

    void AddKey(int name, int lineEndKind)
    {
        TLine line{TKind::Key, name, CaseOf(kKeyNames[name]), Value()};
        AddLine(line, Blanks() + line.Spelt + Blanks() + "=" + Blanks() + line.Value + Blanks(), lineEndKind);
    }

    void AddLine(TLine line, const std::string& text, int lineEndKind)
    {
        std::string end = LineEnd(lineEndKind);
        // An empty line after a lone CR would join it into one CR LF.
        if (text.empty() && !bytes_.empty() && bytes_.back() == '\r')
            end = "\r";
        line.Begin = bytes_.size();
        line.End = line.Begin + text.size();
        line.Next = line.End + end.size();
        bytes_ += text + end;
        lines_.push_back(line);
    }

    std::mt19937 random_;
    std::string bytes_;
    std::vector<TLine> lines_;
};

}  // namespace

TEST(PrivateProfile, RandomFilesAreReadAndEditedKeepingEveryOtherByte)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString path = temp.filePath(QStringLiteral("settings.ini"));
    using TKind = TRandomProfile::TKind;
    constexpr int kTarget = TRandomProfile::kTarget;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        TRandomProfile model(seed);
        const std::string& old = model.Bytes();
        const std::string eol = model.FirstLineEnd();
        WriteAll(path, old);

        const TPrivateProfile original(path);
        for (int section = 0; section < 4; ++section) {
            for (int key = 0; key < 4; ++key) {
                const TRandomProfile::TLine* line = model.FirstKey(section, key);
                const std::optional<std::string> expected =
                    line ? std::optional(line->Value.substr(0, 1023)) : std::nullopt;
                EXPECT_EQ(original.ReadString(model.CaseOf(TRandomProfile::kSectionNames[section]),
                                              model.CaseOf(TRandomProfile::kKeyNames[key])),
                          expected)
                    << section << "/" << key;
            }
        }

        // The first target section always has a key; edit one of them.
        const auto [header, end] = *model.FirstSection(kTarget);
        std::vector<const TRandomProfile::TLine*> keys;
        for (std::size_t i = header + 1; i < end; ++i) {
            if (model.Lines()[i].Kind == TKind::Key)
                keys.push_back(&model.Lines()[i]);
        }
        ASSERT_FALSE(keys.empty());
        const int keyName = keys[static_cast<std::size_t>(model.Pick(static_cast<int>(keys.size())))]->Name;
        const TRandomProfile::TLine& edited = *model.FirstKey(kTarget, keyName);
        std::string value = model.Value();
        TPrivateProfile changed(path);
        changed.WriteString("TARGET", TRandomProfile::kKeyNames[keyName], value);
        EXPECT_TRUE(SameBytes(changed.Bytes(),
                              old.substr(0, edited.Begin) + edited.Spelt + "=" + value + old.substr(edited.End)));
        EXPECT_EQ(changed.ReadString("target", TRandomProfile::kKeyNames[keyName]), value.substr(0, 1023));

        value = model.Value();
        TPrivateProfile created(path);
        created.WriteString("Fresh", "Added", value);
        const std::string separator = old.empty() || old.back() == '\r' || old.back() == '\n' ? "" : eol;
        EXPECT_TRUE(SameBytes(created.Bytes(), old + separator + "[Fresh]" + eol + "Added=" + value + eol));
        EXPECT_EQ(created.ReadString("fresh", "added"), value.substr(0, 1023));

        const TRandomProfile::TLine& anchor = *keys.back();
        value = model.Value();
        TPrivateProfile added(path);
        added.WriteString("Target", "Added", value);
        const std::string before = anchor.Next == anchor.End ? eol : "";
        EXPECT_TRUE(SameBytes(added.Bytes(),
                              old.substr(0, anchor.Next) + before + "Added=" + value + eol + old.substr(anchor.Next)));
        EXPECT_EQ(added.ReadString("Target", "Added"), value.substr(0, 1023));

        added.Save();
        EXPECT_TRUE(SameBytes(TPrivateProfile(path).Bytes(), added.Bytes()));
    }
}

TEST(PrivateProfile, JunkIsReadAndEditedWithoutLosingAnyOfItsLines)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString path = temp.filePath(QStringLiteral("settings.ini"));
    static constexpr char kStructure[] = "[]=; \t\r\n\0aAbB";
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        std::string old(std::uniform_int_distribution<std::size_t>(0, 20000)(random), '\0');
        for (char& c : old) {
            const unsigned pick = random() % 512;
            c = static_cast<char>(pick < 256 ? pick : static_cast<unsigned char>(kStructure[pick % sizeof kStructure]));
        }
        WriteAll(path, old);
        TPrivateProfile profile(path);
        for (const char* section : {"a", "B", ""}) {
            for (const char* key : {"a", "b", ""}) {
                if (const auto value = profile.ReadString(section, key)) {
                    EXPECT_LE(value->size(), 1023u);
                }
            }
        }
        profile.WriteString("a", "b", "value");
        EXPECT_EQ(profile.ReadString("A", "B"), "value");

        // Whatever the edit was, the old bytes it took away lie within one line.
        const std::string& now = profile.Bytes();
        std::size_t prefix = 0, suffix = 0;
        while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix])
            ++prefix;
        while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
               old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
            ++suffix;
        const std::string removed = old.substr(prefix, old.size() - prefix - suffix);
        EXPECT_EQ(removed.find_first_of("\r\n"), std::string::npos);

        profile.Save();
        EXPECT_TRUE(SameBytes(TPrivateProfile(path).Bytes(), now));
    }
}

namespace {

const std::string kOldSettings = "[Editor]\nText=old\n";

// Tries to save a profile that replaces the settings at `path` with `size` bytes of text, and
// checks that nothing in the folder changed.
void ExpectSaveToFailLeavingTheFolderAsItWas(const QString& path, std::size_t size = 256 * 1024)
{
    const QDir folder = QFileInfo(path).dir();
    const auto entries = [&folder] { return folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); };
    const QStringList entriesBefore = entries();
    const std::string old = ReadAll(path);
    TPrivateProfile profile(path);
    profile.WriteString("Editor", "Text", std::string(size, 'x'));
    try {
        profile.Save();
        ADD_FAILURE() << "saved to " << path.toStdString();
    } catch (const tavi::TProfileWriteError& e) {
        EXPECT_EQ(e.what(), path.toStdString() + " に書き込めません");
    }
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(entries(), entriesBefore);
}

// Mounts for the cases only a refusal by the kernel itself can stage when running as root.
// They go into a mount namespace of this process alone, so that not even a crash leaves
// them behind.
bool CanMount()
{
    static const bool can =
        geteuid() == 0 && unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return can;
}

class TScopedMount {
public:
    explicit TScopedMount(const QString& target) : target_(QFile::encodeName(target).toStdString()) {}
    TScopedMount(const TScopedMount&) = delete;
    TScopedMount& operator=(const TScopedMount&) = delete;
    ~TScopedMount()
    {
        if (mounted_)
            umount2(target_.c_str(), MNT_DETACH);
    }

    bool SmallDisk()
    {
        mounted_ = mount("tavi-test", target_.c_str(), "tmpfs", 0, "size=64k") == 0;
        return mounted_;
    }

    bool ReadOnly()
    {
        mounted_ = mount(target_.c_str(), target_.c_str(), nullptr, MS_BIND, nullptr) == 0;
        return mounted_ && mount(nullptr, target_.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    std::string target_;
    bool mounted_ = false;
};

}  // namespace

TEST(PrivateProfileSave, FailsIntoAFolderThatIsMissingOrWhereTheFileIsAFolder)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    ExpectSaveToFailLeavingTheFolderAsItWas(temp.filePath(QStringLiteral("missing/settings.ini")));
    EXPECT_FALSE(QFileInfo::exists(temp.filePath(QStringLiteral("missing"))));

    const QString folder = temp.filePath(QStringLiteral("settings.ini"));
    ASSERT_TRUE(QDir().mkdir(folder));
    ExpectSaveToFailLeavingTheFolderAsItWas(folder);
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(PrivateProfileSave, FailsIntoAFolderWithoutWritePermission)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root; the read-only mount stands in";
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString path = temp.filePath(QStringLiteral("settings.ini"));
    WriteAll(path, kOldSettings);
    const std::string folder = QFile::encodeName(temp.path()).toStdString();
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    ExpectSaveToFailLeavingTheFolderAsItWas(path);
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(ReadAll(path), kOldSettings);
}

TEST(PrivateProfileSave, FailsIntoAReadOnlyFolder)
{
    if (!CanMount())
        GTEST_SKIP() << "mounting needs root";
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString path = temp.filePath(QStringLiteral("settings.ini"));
    WriteAll(path, kOldSettings);
    TScopedMount mount(temp.path());
    ASSERT_TRUE(mount.ReadOnly());
    ExpectSaveToFailLeavingTheFolderAsItWas(path);
    EXPECT_EQ(ReadAll(path), kOldSettings);
}

TEST(PrivateProfileSave, FailsOntoAFullDisk)
{
    if (!CanMount())
        GTEST_SKIP() << "mounting needs root";
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    TScopedMount mount(temp.path());
    ASSERT_TRUE(mount.SmallDisk());
    const QString path = temp.filePath(QStringLiteral("settings.ini"));
    WriteAll(path, kOldSettings);
    {
        SCOPED_TRACE("more than the whole disk, refused while writing");
        ExpectSaveToFailLeavingTheFolderAsItWas(path);
    }

    QFile filler(temp.filePath(QStringLiteral("filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray page(4096, 'f');
    while (filler.write(page) == page.size()) {
    }
    filler.close();
    {
        SCOPED_TRACE("small enough to wait in the write buffer, refused only at the end");
        ExpectSaveToFailLeavingTheFolderAsItWas(path, 2000);
    }
    EXPECT_EQ(ReadAll(path), kOldSettings);

    // Once there is room again the same save goes through, so it was the space that ran out.
    ASSERT_TRUE(filler.remove());
    TPrivateProfile profile(path);
    profile.WriteString("Editor", "Text", "new");
    profile.Save();
    EXPECT_EQ(ReadAll(path), "[Editor]\nText=new\n");
}
