// Tests of saving that keeps what the user had: permissions, owners, links, long names and what a killed save left.
#include "platform/os/safe_save.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "editor/core/editor_core.h"
#include "editor/core/editor_error.h"
#include "platform/os/file_bytes.h"
#include "tests/support/unprivileged_file_access.h"

namespace tavi {
namespace {

namespace fs = std::filesystem;

class SafeSaveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("tavi-save-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::permissions(dir, fs::perms::all);  // an ordinary user may work here too
        core.Lines().Add("new");
    }
    void TearDown() override
    {
        TemporaryFileCreated = nullptr;
        fs::remove_all(dir);
    }
    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
        return PathOf(name);
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::size_t FilesInDir() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }
    void Save(const std::string& name) { core.Lines().SaveToFile(PathOf(name)); }

    fs::path dir;
    TEditorCore core;
};

TEST_F(SafeSaveTest, AReadOnlyFileIsRefusedAndKept)
{
    const std::string path = Write("locked.css", "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    UnprivilegedFileAccess user;
    try {
        Save("locked.css");
        FAIL() << "saved over a read-only file";
    } catch (const TEditorError& error) {
        EXPECT_EQ(std::string(error.what()), "ﾌｧｲﾙ " + path + " を作成できません");
    }
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(SafeSaveTest, APrivateFilesNewTextIsNeverReadableByOthers)
{
    const std::string path = Write("private.css", "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    std::vector<mode_t> modes;
    TemporaryFileCreated = [&](const std::string& temp) {
        struct stat st {};
        ::stat(temp.c_str(), &st);
        modes.push_back(st.st_mode & 0777);
    };
    Save("private.css");
    ASSERT_EQ(modes.size(), 1u);
    EXPECT_EQ(modes[0], 0600u);  // from the moment it exists
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Read(path), "new\r\n");
}

TEST_F(SafeSaveTest, LinksAreWrittenThroughADanglingOneStaysALinkAndALoopIsRefused)
{
    fs::create_symlink("later.css", dir / "link.css");
    Save("link.css");
    EXPECT_TRUE(fs::is_symlink(dir / "link.css"));
    EXPECT_EQ(Read(PathOf("later.css")), "new\r\n");

    fs::create_symlink("b.css", dir / "a.css");
    fs::create_symlink("a.css", dir / "b.css");
    EXPECT_THROW(Save("a.css"), TEditorError);
    EXPECT_TRUE(fs::is_symlink(dir / "a.css"));
    EXPECT_TRUE(fs::is_symlink(dir / "b.css"));
    EXPECT_EQ(FilesInDir(), 4u);
}

TEST_F(SafeSaveTest, EveryHardLinkShowsTheNewTextAndNoBackupStays)
{
    const std::string path = Write("one.css", "old");
    fs::create_hard_link(path, dir / "two.css");
    Save("one.css");
    EXPECT_EQ(Read(path), "new\r\n");
    EXPECT_EQ(Read(PathOf("two.css")), "new\r\n");
    EXPECT_EQ(fs::hard_link_count(path), 2u);
    EXPECT_EQ(FilesInDir(), 2u);
}

TEST_F(SafeSaveTest, AFailedWriteInPlaceGivesEveryNameItsOldTextBack)
{
    const std::string old(100, 'o');
    const std::string path = Write("one.css", old);
    fs::create_hard_link(path, dir / "two.css");
    core.Lines().SetTextStr(std::string(5000, 'n'));
    // Writing past 1000 bytes fails, as on a full disk.
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, saved.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_THROW(Save("one.css"), TEditorError);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(Read(path), old);
    EXPECT_EQ(Read(PathOf("two.css")), old);
    EXPECT_EQ(FilesInDir(), 2u);  // the backup is gone
}

TEST_F(SafeSaveTest, ALongNameIsSavedOverAndAKilledSavesLeftoversGo)
{
    const std::string name = std::string(246, 'n') + ".css";  // 250 bytes
    Write(name, "old");
    std::string temporary;
    TemporaryFileCreated = [&](const std::string& temp) { temporary = temp; };
    Save(name);
    EXPECT_EQ(Read(PathOf(name)), "new\r\n");
    ASSERT_FALSE(temporary.empty());
    EXPECT_LT(fs::path(temporary).filename().string().size(), 40u);

    // What a save killed half way would leave: a temporary file of the same file.
    const std::string stale = temporary.substr(0, temporary.size() - 12) + "deadbeef.tmp";
    std::ofstream(stale) << "half";
    ASSERT_EQ(FilesInDir(), 2u);
    Save(name);
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(SafeSaveTest, TheOwnerIsKeptByRootAndByAUserWhoCannotGiveFilesAway)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "keeping another user's ownership needs root";
    const std::string path = Write("theirs.css", "old");
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    Save("theirs.css");
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(Read(path), "new\r\n");

    // A user who may write root's file but cannot give a new one to root: written in place.
    const std::string shared = Write("shared.css", "old");
    fs::permissions(shared, fs::perms::all);
    {
        UnprivilegedFileAccess user;
        Save("shared.css");
    }
    ::stat(shared.c_str(), &st);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(Read(shared), "new\r\n");
    EXPECT_EQ(FilesInDir(), 2u);
}

TEST_F(SafeSaveTest, SetUserAndSetGroupIdBitsAreKeptWhenAUserSaves)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "making the files of another user needs root";
    // Written as their owner (writing clears the bits), through a new file and in place.
    for (const bool linked : {false, true}) {
        for (const mode_t mode : {mode_t{02775}, mode_t{04755}}) {
            SCOPED_TRACE(std::to_string(mode) + (linked ? " in place" : " renamed"));
            const std::string path = Write("idbits.css", "old");
            ASSERT_EQ(::chown(path.c_str(), 65534, 0), 0);
            ASSERT_EQ(::chmod(path.c_str(), mode), 0);
            if (linked)
                fs::create_hard_link(path, dir / "link.css");
            {
                UnprivilegedFileAccess user;
                Save("idbits.css");
            }
            struct stat st {};
            ::stat(path.c_str(), &st);
            EXPECT_EQ(st.st_mode & 07777, mode);
            EXPECT_EQ(Read(path), "new\r\n");
            fs::remove(path);
            fs::remove(dir / "link.css");
        }
    }
}

TEST_F(SafeSaveTest, ExtendedAttributesAndTheAccessControlListAreKept)
{
    const std::string path = Write("acl.css", "old");
    if (::setxattr(path.c_str(), "user.tavi.origin", "shell", 5, 0) != 0)
        GTEST_SKIP() << "this file system keeps no user attributes";
    // owner rw-, the user "nobody" rw-, group r--, mask rw-, others r--
    const struct {
        std::uint32_t version = 2;
        struct {
            std::uint16_t tag, perm;
            std::uint32_t id;
        } entries[5] = {{0x01, 6, ~0u}, {0x02, 6, 65534}, {0x04, 4, ~0u}, {0x10, 6, ~0u}, {0x20, 4, ~0u}};
    } acl;
    const bool hasAcl = ::setxattr(path.c_str(), "system.posix_acl_access", &acl, sizeof acl, 0) == 0;
    Save("acl.css");
    EXPECT_EQ(Read(path), "new\r\n");
    char value[64] = {};
    ASSERT_EQ(::getxattr(path.c_str(), "user.tavi.origin", value, sizeof value), 5);
    EXPECT_EQ(std::string(value, 5), "shell");
    if (hasAcl) {
        char copied[sizeof acl];
        ASSERT_EQ(::getxattr(path.c_str(), "system.posix_acl_access", copied, sizeof copied),
                  static_cast<ssize_t>(sizeof acl));
        EXPECT_EQ(std::memcmp(copied, &acl, sizeof acl), 0);
    }
}

TEST_F(SafeSaveTest, TheBackupOfASaveKilledWhileWritingInPlaceIsFoundAndRestored)
{
    const std::string path = Write("one.css", "old text");
    fs::create_hard_link(path, dir / "two.css");
    std::string backup;
    TemporaryFileCreated = [&backup](const std::string& made) { backup = made; };
    Save("one.css");
    ASSERT_FALSE(backup.empty());
    EXPECT_TRUE(LeftoverBackups(path).empty());  // a finished save leaves none
    // Killed after truncating the file: the backup is all that holds the old text.
    Write(fs::path(backup).filename().string(), "old text");
    Write("one.css", "cut");
    EXPECT_EQ(LeftoverBackups(path), std::vector<std::string>{backup});
    EXPECT_EQ(LeftoverBackups((dir / "two.css").string()).size(), 0u);  // another name, another prefix
    RestoreBackup(backup, path);
    EXPECT_EQ(Read(path), "old text");
    EXPECT_EQ(Read(PathOf("two.css")), "old text");
    EXPECT_FALSE(fs::exists(backup));
}

TEST_F(SafeSaveTest, LoadingAPipeWithoutAWriterFailsAtOnce)
{
    const std::string pipe = PathOf("pipe.css");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_THROW(core.Lines().LoadFromBytes(ReadFileBytes(pipe)), TEditorError);
    EXPECT_EQ(core.Lines().GetTextStr(), "new\r\n");
}

TEST(TabWidth, ChangingItReWrapsAndUndoAndRedoGoOnWithoutDuplicatingText)
{
    TEditorCore core;
    core.SetWordWrap(true);
    core.SetWrapByte(20);
    core.Options().WantTabs = true;
    core.KeyDown(TEditKey::Tab);
    core.TypeChars("abcdefghijklmn");
    core.SetTabSpaceCount(6);
    EXPECT_TRUE(core.CanUndo());
    core.KeyDown(TEditKey::Enter);
    core.TypeChars("x");
    core.Undo();
    core.Undo();
    core.Redo();
    core.Redo();
    EXPECT_EQ(core.Lines().Get(0), "\tabcdefghijklmn");
}

}  // namespace
}  // namespace tavi
