// What the file system can hand the reader, the writer and the settings:
// FIFOs, devices, folders, links, long and non-UTF-8 names, huge files,
// unreadable files and full disks. A read that blocks (open() on a FIFO) or
// runs away (/dev/zero) ends the test program by its alarm.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
#include "core/AtomicFile.h"
#include "core/ClueFiles.h"
#include "core/PuzzleFile.h"
#include "core/Settings.h"

namespace fs = std::filesystem;
using gw::LoadStatus;

namespace {

class FileSystem : public ::testing::Test {
protected:
    void SetUp() override { alarm(60); }
    void TearDown() override { alarm(0); }

    // Makes an entry of the kind named as dir + name and returns its path.
    std::string make(const std::string& kind, const std::string& name)
    {
        const std::string path = dir.file(name);
        if (kind == "fifo")
            EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
        else if (kind == "link to /dev/zero")
            fs::create_symlink("/dev/zero", path);
        else if (kind == "folder")
            fs::create_directory(path);
        else if (kind == "below a file")
            return make("puzzle", name) + "/x";
        else if (kind == "dangling link")
            fs::create_symlink("gone", path);
        else if (kind == "link loop")
            fs::create_symlink(fs::path(path).filename(), path);
        else if (kind == "puzzle")
            gwtest::writeFile(path, "P1 2 1 1 0");
        else if (kind == "long name")
            return dir.file(std::string(300, 'n'));
        return path;
    }

    // A file of 64 GiB that starts with `head`, taking no disk space: a
    // reader that takes more than it needs runs out of memory or time.
    void makeHuge(const std::string& name, const std::string& head)
    {
        gwtest::writeFile(dir.file(name), head);
        EXPECT_EQ(truncate(dir.file(name).c_str(), off_t(1) << 36), 0);
    }

    gwtest::TempDir dir;
};

} // namespace

// Regression: a FIFO blocked the reader in open() for ever, and /dev/zero fed
// it without end. Only regular files are opened; the rest gets the open error
// (or, where nothing is there, no message) and the system's reason.
TEST_F(FileSystem, OnlyRegularFilesAreRead)
{
    const std::tuple<const char*, LoadStatus, const char*> cases[] = {
        {"fifo", LoadStatus::ReadError, "not a regular file"},
        {"link to /dev/zero", LoadStatus::ReadError, "not a regular file"},
        {"link loop", LoadStatus::ReadError, "Too many levels of symbolic links"},
        {"long name", LoadStatus::ReadError, "File name too long"},
        {"folder", LoadStatus::NoFile, "Is a directory"},
        {"missing", LoadStatus::NoFile, "No such file or directory"},
        {"below a file", LoadStatus::NoFile, "Not a directory"},
        {"dangling link", LoadStatus::NoFile, "No such file or directory"},
        {"puzzle", LoadStatus::Loaded, ""}};
    int i = 0;
    for (const auto& [kind, status, reason] : cases) {
        const std::string path = make(kind, "entry" + std::to_string(i++) + ".pbm");
        gw::Puzzle p = gwtest::puzzleFromRows({"##"});
        const gw::LoadResult r = gw::readPuzzleFile(p, path, gw::ReaderVariant::Maker);
        EXPECT_EQ(r.status, status) << kind;
        EXPECT_EQ(r.reason, reason) << kind;
        if (status == LoadStatus::ReadError) {
            EXPECT_EQ(r.messages.at(0).title + ": " + r.messages.at(0).text,
                      path + ": An error has occured while opening this file.");
        }
        const char* rows = status == LoadStatus::ReadError ? ".." : status == LoadStatus::NoFile ? "##" : "#.";
        EXPECT_EQ(gwtest::rowsOf(p), (std::vector<std::string> {rows})) << kind;
    }
    // Regression: a Latin-1 name went through a UTF-8 round trip.
    gw::Puzzle p;
    ASSERT_TRUE(gw::readPuzzleFile(p, make("puzzle", "caf\xe9.pbm"), gw::ReaderVariant::Maker).loaded());
    EXPECT_EQ(p.name, "caf\xe9");
    ASSERT_TRUE(gw::savePbm(p, p.fileName).ok);
}

// Clue files go the same way, with the size limit read as one byte past it:
// nothing but a regular file is opened, and the failure says why.
TEST_F(FileSystem, ClueFilesAreReadSafely)
{
    makeHuge("huge.non", "width 1\n");
    const std::pair<const char*, const char*> cases[] = {{"fifo", "not a regular file"},
                                                         {"link to /dev/zero", "not a regular file"},
                                                         {"folder", "Is a directory"},
                                                         {"missing", "No such file or directory"},
                                                         {"huge", "larger than 4194304 bytes"},
                                                         {"puzzle", ""}, // readable, its data refused
                                                         {"clues", ""}};
    int i = 0;
    for (const auto& [kind, reason] : cases) {
        std::string path = dir.file("huge.non");
        if (std::string(kind) == "clues")
            gwtest::writeFile(path = dir.file("a.non"), "width 1\nheight 1\nrows\n1\ncolumns\n1\n");
        else if (std::string(kind) != "huge")
            path = make(kind, "entry" + std::to_string(i++) + ".non");
        const gw::ClueReadResult r = gw::readClueFile(path);
        EXPECT_EQ(r.ok, std::string(kind) == "clues") << kind;
        EXPECT_EQ(r.reason, reason) << kind;
    }
}

// Regression: a FIFO or /dev/zero as a settings file hung the start or ate
// memory, and an unreadable lang.ini counted as a first start. Only a missing
// file is a first start; of a huge file only the bytes needed are read.
TEST_F(FileSystem, SettingsAreReadSafely)
{
    const std::pair<const char*, std::optional<gw::Language>> cases[] = {{"missing", std::nullopt},
                                                                         {"dangling link", std::nullopt},
                                                                         {"fifo", gw::Language::English},
                                                                         {"link to /dev/zero", gw::Language::English},
                                                                         {"folder", gw::Language::English}};
    int i = 0;
    for (const auto& [kind, language] : cases) {
        const std::string folder = dir.file(std::to_string(i++) + "/");
        fs::create_directory(folder);
        make(kind, folder.substr(dir.path().size()) + "lang.ini");
        EXPECT_EQ(gw::readLanguageFile(folder), language) << kind;
    }
    EXPECT_EQ(gw::readLanguageFile(make("puzzle", "file") + "/"), std::nullopt); // a folder below a file
    makeHuge("lang.ini", "\x02");
    EXPECT_EQ(gw::readLanguageFile(dir.path()), gw::Language::Italian);
    makeHuge("recent.ini", std::string("\x06/a.pbm", 7));
    gw::RecentList list(dir.path(), [](const std::string&) { return true; });
    list.readFile();
    EXPECT_EQ(list.entries(), (gw::RecentEntries {{"/a.pbm", "", "", "", ""}}));
    // A FIFO is neither read nor replaced.
    fs::remove(dir.file("recent.ini"));
    make("fifo", "recent.ini");
    list.readFile();
    EXPECT_EQ(list.entries(), gw::RecentEntries {});
    EXPECT_FALSE(list.refreshRecent());
    EXPECT_TRUE(fs::is_fifo(dir.file("recent.ini")));
}

// A program folder that cannot be written keeps its shipped files as the
// defaults of the settings folder elsewhere, until that folder has its own.
TEST_F(FileSystem, ShippedSettingsAreTheDefaults)
{
    gwtest::TempDir shipped;
    gwtest::writeFile(shipped.file("lang.ini"), "\x01");
    gwtest::writeFile(shipped.file("recent.ini"), std::string("\x06/s.pbm", 7));
    EXPECT_EQ(gw::readLanguageFile(dir.path(), shipped.path()), gw::Language::Dutch);
    gw::RecentList list(dir.path(), [](const std::string&) { return true; });
    list.readFile(shipped.path());
    ASSERT_TRUE(list.addRecent("/u.pbm"));
    ASSERT_TRUE(gw::writeLanguageFile(dir.path(), gw::Language::Italian));
    EXPECT_EQ(gw::readLanguageFile(dir.path(), shipped.path()), gw::Language::Italian);
    list.readFile(shipped.path());
    EXPECT_EQ(list.entries(), (gw::RecentEntries {{"/u.pbm", "/s.pbm", "", "", ""}}));
    EXPECT_EQ(gwtest::readFile(shipped.file("lang.ini")), "\x01"); // the shipped files stay as they are
    fs::remove(dir.file("lang.ini"));
    fs::create_directory(dir.file("lang.ini")); // the user's own, unreadable, outweighs the default
    EXPECT_EQ(gw::readLanguageFile(dir.path(), shipped.path()), gw::Language::English);
}

// Regressions: a mode-000 lang.ini was replaced by another mode-000 file, a
// read-only one was replaced and made writable; a valid 254-byte name could
// not be saved (the temporary name was longer).
TEST_F(FileSystem, SavedFilesCanBeReadAgain)
{
    const auto modeOf = [](const std::string& path) {
        struct stat info { };
        EXPECT_EQ(stat(path.c_str(), &info), 0);
        return info.st_mode & 07777;
    };
    const mode_t oldMask = umask(022);
    ASSERT_TRUE(gw::writeLanguageFile(dir.path(), gw::Language::Dutch));
    EXPECT_EQ(modeOf(dir.file("lang.ini")), 0644u); // a new file: the ordinary mode
    const mode_t modes[] = {0640, 0200, 0000, 0444};
    for (const mode_t before : modes) {
        ASSERT_EQ(chmod(dir.file("lang.ini").c_str(), before), 0);
        const std::string old = gwtest::readFile(dir.file("lang.ini"));
        const bool writable = (before & 0200) != 0;
        std::string error;
        EXPECT_EQ(gw::writeFileAtomically(dir.file("lang.ini"), "\x02", &error), writable) << before;
        EXPECT_EQ(modeOf(dir.file("lang.ini")), writable ? (before | 0600) : before) << before;
        if (!writable) {
            EXPECT_EQ(error, "cannot replace " + dir.file("lang.ini") + ": Permission denied");
            EXPECT_EQ(gwtest::readFile(dir.file("lang.ini")), old) << before;
        }
    }
    umask(oldMask);
    for (std::size_t length : {254u, 255u}) {
        gw::Puzzle p = gwtest::puzzleFromRows({"#."});
        const gw::SaveResult saved = gw::savePbm(p, dir.file(std::string(length - 4, 'n') + ".pbm"));
        EXPECT_TRUE(saved.ok) << saved.reason;
    }
    EXPECT_EQ(dir.names().size(), 3u);
}

// Regression: saving over a symbolic link replaced the link by a file and
// left its target stale. The link stays; the file it names is replaced.
TEST_F(FileSystem, SavingFollowsLinks)
{
    fs::create_directory(dir.file("sub"));
    gwtest::writeFile(dir.file("sub/a.pbm"), "old");
    fs::create_symlink("sub/a.pbm", dir.file("relative.pbm"));
    fs::create_symlink(dir.file("sub/a.pbm"), dir.file("absolute.pbm"));
    fs::create_symlink("relative.pbm", dir.file("chain.pbm"));
    fs::create_symlink("sub/new.pbm", dir.file("dangling.pbm")); // the save makes the file
    const std::pair<const char*, const char*> saves[] = {{"relative.pbm", "sub/a.pbm"},
                                                         {"absolute.pbm", "sub/a.pbm"},
                                                         {"chain.pbm", "sub/a.pbm"},
                                                         {"dangling.pbm", "sub/new.pbm"}};
    for (const auto& [link, file] : saves) {
        gw::Puzzle p = gwtest::puzzleFromRows({"#"});
        p.title = link;
        ASSERT_TRUE(gw::savePbm(p, dir.file(link)).ok) << link;
        EXPECT_TRUE(fs::is_symlink(dir.file(link))) << link;
        EXPECT_EQ(gwtest::readFile(dir.file(file)), gw::pbmBytes(p)) << link;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("sub")), fs::directory_iterator()), 2); // no temporary
}

// What is not a regular file is never replaced, and every failure tells the
// system's reason. Regression: a full disk said only "cannot write …tmp-…".
TEST_F(FileSystem, FailedSavesTellWhyAndKeepTheOldFile)
{
    const std::string fifo = make("fifo", "fifo.pbm");
    const std::string folder = make("folder", "folder.pbm");
    fs::create_symlink("fifo.pbm", dir.file("to-fifo.pbm"));
    fs::create_symlink("loop.pbm", dir.file("loop.pbm"));
    const std::pair<std::string, std::string> refused[] = {
        {fifo, "cannot replace " + fifo + ": not a regular file"},
        {dir.file("to-fifo.pbm"), "cannot replace " + fifo + ": not a regular file"},
        {folder, "cannot replace " + folder + ": Is a directory"},
        {dir.file("loop.pbm"), "cannot follow " + dir.file("loop.pbm") + ": Too many levels of symbolic links"}};
    for (const auto& [path, reason] : refused) {
        std::string error;
        EXPECT_FALSE(gw::writeFileAtomically(path, "P1 1 1 1", &error));
        EXPECT_EQ(error, reason);
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    const std::string target = dir.file("a.pbm");
    gwtest::writeFile(target, "old");
    const auto save = [&] {
        std::string error;
        return std::to_string(gw::writeFileAtomically(target, std::string(20, 'x'), &error)) + " " + error;
    };
    EXPECT_EQ(gwtest::inChildWithFileSizeLimit(10, save), "0 cannot write " + target + ": File too large");
    EXPECT_EQ(gwtest::readFile(target), "old");
    EXPECT_EQ(dir.names().size(), 5u);
    // Regression: without gw::ignoreFileSizeSignal the limit ended the program
    // half-way through the save, leaving its temporary file.
    EXPECT_EQ(gwtest::inChildWithFileSizeLimit(10, save, false), "killed by signal " + std::to_string(SIGXFSZ));
    for (const std::string& name : dir.names())
        if (name.rfind(".gridwick-", 0) == 0)
            std::filesystem::remove(dir.file(name));
}
