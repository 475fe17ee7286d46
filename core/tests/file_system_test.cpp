// What the file system can hand the reader, the writer and the settings:
// FIFOs, devices, folders, links, long and non-UTF-8 names, huge files,
// unreadable files and full disks. A read that blocks (open() on a FIFO) or
// runs away (/dev/zero) ends the test program by its alarm.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
#include "core/AtomicFile.h"
#include "core/PuzzleFile.h"
#include "core/Settings.h"

namespace fs = std::filesystem;
using gw::LoadStatus;

namespace {

const std::string Puzzle = "P1 2 1 1 0";

class FileSystem : public ::testing::Test {
protected:
    void SetUp() override { alarm(60); }
    void TearDown() override { alarm(0); }

    // Makes an entry of the kind named at dir + name and returns its path.
    std::string make(const std::string& kind, const std::string& name = "entry")
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
            gwtest::writeFile(path, Puzzle);
        else if (kind == "link to a puzzle")
            fs::create_symlink(fs::path(make("puzzle", "target-" + name)).filename(), path);
        else if (kind == "long name")
            return dir.file(std::string(300, 'n'));
        else
            EXPECT_EQ(kind, "missing");
        return path;
    }

    // A file of `size` bytes that starts with `head`, taking no disk space.
    std::string makeSparse(const std::string& name, const std::string& head, off_t size)
    {
        gwtest::writeFile(dir.file(name), head);
        EXPECT_EQ(truncate(dir.file(name).c_str(), size), 0);
        return dir.file(name);
    }

    gwtest::TempDir dir;
};

struct ReadCase {
    const char* kind;
    LoadStatus status;
    const char* reason;
};

class ReadEntry : public FileSystem, public ::testing::WithParamInterface<ReadCase> { };

} // namespace

// Regression: a FIFO blocked the reader in open() for ever, and /dev/zero fed
// it without end. Only regular files are opened; the rest gets the open error
// (or, where nothing is there to read, no message) and the system's reason.
TEST_P(ReadEntry, OnlyRegularFilesAreRead)
{
    const ReadCase& c = GetParam();
    const std::string path = make(c.kind);
    gw::Puzzle p = gwtest::puzzleFromRows({"##"});
    const gw::LoadResult r = gw::readPuzzleFile(p, path, gw::ReaderVariant::Maker);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.reason, c.reason);
    if (c.status == LoadStatus::ReadError) {
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0].text, "An error has occured while opening this file.");
        EXPECT_EQ(r.messages[0].title, path);
    }
    const char* rows = c.status == LoadStatus::ReadError ? ".." : c.status == LoadStatus::NoFile ? "##" : "#.";
    EXPECT_EQ(gwtest::rowsOf(p), (std::vector<std::string> {rows}));
}

INSTANTIATE_TEST_SUITE_P(Entries, ReadEntry,
                         ::testing::Values(ReadCase {"fifo", LoadStatus::ReadError, "not a regular file"},
                                           ReadCase {"link to /dev/zero", LoadStatus::ReadError, "not a regular file"},
                                           ReadCase {"link loop", LoadStatus::ReadError,
                                                     "Too many levels of symbolic links"},
                                           ReadCase {"long name", LoadStatus::ReadError, "File name too long"},
                                           ReadCase {"folder", LoadStatus::NoFile, "Is a directory"},
                                           ReadCase {"missing", LoadStatus::NoFile, "No such file or directory"},
                                           ReadCase {"below a file", LoadStatus::NoFile, "Not a directory"},
                                           ReadCase {"dangling link", LoadStatus::NoFile, "No such file or directory"},
                                           ReadCase {"link to a puzzle", LoadStatus::Loaded, ""}),
                         [](const auto& info) {
                             std::string name = info.param.kind;
                             for (char& ch : name)
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

// Regression: a Latin-1 name went through a UTF-8 round trip. Path bytes stay bytes.
TEST_F(FileSystem, NonUtf8NamesStayBytes)
{
    const std::string path = make("puzzle", "caf\xe9.pbm");
    gw::Puzzle p;
    ASSERT_TRUE(gw::readPuzzleFile(p, path, gw::ReaderVariant::Maker).loaded());
    EXPECT_EQ(p.PuzzleName, "caf\xe9");
    EXPECT_EQ(p.FileName, path);
    ASSERT_TRUE(gw::savePbm(p, path).ok);
    EXPECT_EQ(dir.names(), (std::vector<std::string> {"caf\xe9.pbm"}));
}

// Regression: a FIFO or /dev/zero as "lang.ini" hung the start or ate memory,
// and an unreadable "lang.ini" counted as a first start. Only a missing file
// is a first start; one byte is read of a huge file.
TEST_F(FileSystem, LanguageFileIsReadSafely)
{
    const std::pair<const char*, std::optional<std::uint8_t>> cases[] = {
        {"missing", std::nullopt},       {"below a file", std::nullopt},
        {"dangling link", std::nullopt}, {"fifo", 0},
        {"link to /dev/zero", 0},        {"folder", 0}};
    int i = 0;
    for (const auto& [kind, expected] : cases) {
        const std::string sub = std::to_string(i++);
        fs::create_directory(dir.file(sub));
        const bool belowFile = std::string(kind) == "below a file";
        const std::string folder = belowFile ? make("puzzle", sub + "/file") + "/" : dir.file(sub + "/");
        if (!belowFile)
            make(kind, sub + "/lang.ini");
        EXPECT_EQ(gw::readLanguageFile(folder), expected) << kind;
    }
    makeSparse("lang.ini", "\x02", off_t(1) << 30); // 1 GiB
    EXPECT_EQ(gw::readLanguageFile(dir.path()), 2);
}

TEST_F(FileSystem, RecentFileIsReadSafely)
{
    const std::string records = std::string("\x06/a.pbm", 7) + std::string("\x06/b.pbm", 7);
    makeSparse("recent.ini", records, off_t(1) << 30);
    gw::RecentList list(dir.path(), [](const std::string&) { return true; });
    list.readFile();
    EXPECT_EQ(list.entries(), (gw::RecentEntries {{"/a.pbm", "/b.pbm", "", "", ""}}));
    ASSERT_TRUE(list.refreshRecent());
    EXPECT_EQ(gwtest::readFile(dir.file("recent.ini")), records + std::string(3, '\0'));

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
    EXPECT_EQ(gw::readLanguageFile(dir.path(), shipped.path()), 1);
    gw::RecentList list(dir.path(), [](const std::string&) { return true; });
    list.readFile(shipped.path());
    EXPECT_EQ(list.entry(0), "/s.pbm");
    ASSERT_TRUE(list.addRecent("/u.pbm"));
    ASSERT_TRUE(gw::writeLanguageFile(dir.path(), 2));
    EXPECT_EQ(gw::readLanguageFile(dir.path(), shipped.path()), 2);
    list.readFile(shipped.path());
    EXPECT_EQ(list.entries(), (gw::RecentEntries {{"/u.pbm", "/s.pbm", "", "", ""}}));
    EXPECT_EQ(gwtest::readFile(shipped.file("lang.ini")), "\x01"); // the shipped files stay as they are
    EXPECT_EQ(gwtest::readFile(shipped.file("recent.ini")), std::string("\x06/s.pbm", 7));
    // An unreadable file of the user's own is not replaced by the default.
    fs::remove(dir.file("lang.ini"));
    fs::create_directory(dir.file("lang.ini"));
    EXPECT_EQ(gw::readLanguageFile(dir.path(), shipped.path()), 0);
    EXPECT_EQ(gw::readLanguageFile(shipped.path() + "none/", dir.path() + "none/"), std::nullopt);
}

// Regression: a mode-000 "lang.ini" was replaced by another mode-000 file.
// A replaced file keeps its mode with read and write for its owner; a new
// file gets the ordinary mode.
TEST_F(FileSystem, WrittenFilesCanBeReadAgain)
{
    const auto modeOf = [](const std::string& path) {
        struct stat info { };
        EXPECT_EQ(stat(path.c_str(), &info), 0);
        return info.st_mode & 07777;
    };
    const mode_t oldMask = umask(022);
    ASSERT_TRUE(gw::writeLanguageFile(dir.path(), 1));
    EXPECT_EQ(modeOf(dir.file("lang.ini")), 0644u);
    const std::pair<mode_t, mode_t> modes[] = {{0000, 0600}, {0640, 0640}, {0444, 0644}};
    for (const auto& [before, after] : modes) {
        ASSERT_EQ(chmod(dir.file("lang.ini").c_str(), before), 0);
        ASSERT_TRUE(gw::writeLanguageFile(dir.path(), 2));
        EXPECT_EQ(modeOf(dir.file("lang.ini")), after) << before;
    }
    umask(oldMask);
    EXPECT_EQ(gw::readLanguageFile(dir.path()), 2);
}

// Regression: the temporary name added a long suffix to the target's, so a
// valid 254-byte name could not be saved.
TEST_F(FileSystem, EveryNameThatFitsCanBeSaved)
{
    for (std::size_t length : {254u, 255u}) {
        const std::string path = dir.file(std::string(length - 4, 'n') + ".pbm");
        gw::Puzzle p = gwtest::puzzleFromRows({"#."});
        const gw::SaveResult saved = gw::savePbm(p, path);
        ASSERT_TRUE(saved.ok) << saved.reason;
        EXPECT_EQ(gwtest::readFile(path), gw::pbmBytes(p));
        fs::remove(path);
    }
    EXPECT_TRUE(dir.names().empty());
}

// Regression: saving over a symbolic link replaced the link by a file and
// left its target stale. The link stays; the file it names is replaced.
TEST_F(FileSystem, SavingFollowsLinks)
{
    fs::create_directory(dir.file("sub"));
    const std::pair<const char*, const char*> links[] = {
        // link name, what it points to
        {"relative.pbm", "sub/a.pbm"},
        {"absolute.pbm", nullptr}, // dir + "sub/b.pbm"
        {"chain.pbm", "relative.pbm"},
        {"dangling.pbm", "sub/new.pbm"}, // the save makes the file
    };
    gwtest::writeFile(dir.file("sub/a.pbm"), "old");
    gwtest::writeFile(dir.file("sub/b.pbm"), "old");
    for (const auto& [name, to] : links)
        fs::create_symlink(to ? std::string(to) : dir.file("sub/b.pbm"), dir.file(name));
    const std::pair<const char*, const char*> saves[] = {{"relative.pbm", "sub/a.pbm"},
                                                         {"absolute.pbm", "sub/b.pbm"},
                                                         {"chain.pbm", "sub/a.pbm"},
                                                         {"dangling.pbm", "sub/new.pbm"}};
    std::string title = "x";
    for (const auto& [link, file] : saves) {
        gw::Puzzle p = gwtest::puzzleFromRows({"#"});
        p.PuzzleTitle = title += "x";
        ASSERT_TRUE(gw::savePbm(p, dir.file(link)).ok) << link;
        EXPECT_TRUE(fs::is_symlink(dir.file(link))) << link;
        EXPECT_EQ(gwtest::readFile(dir.file(file)), gw::pbmBytes(p)) << link;
    }
    EXPECT_EQ(dir.names().size(), 5u); // no temporary file left
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("sub")), fs::directory_iterator()), 3);
}

// What is not a regular file is never replaced, and every failure tells the
// system's reason. Regression: a full disk said only "cannot write …tmp-…".
TEST_F(FileSystem, FailedSavesTellWhyAndKeepTheOldFile)
{
    const std::string fifo = make("fifo", "fifo.pbm");
    fs::create_symlink("fifo.pbm", dir.file("to-fifo.pbm"));
    const std::string folder = make("folder", "folder.pbm");
    const std::pair<std::string, std::string> refused[] = {
        {fifo, "cannot replace " + fifo + ": not a regular file"},
        {dir.file("to-fifo.pbm"), "cannot replace " + fifo + ": not a regular file"},
        {folder, "cannot replace " + folder + ": Is a directory"},
        {dir.file("loop.pbm"), "cannot follow " + dir.file("loop.pbm") + ": Too many levels of symbolic links"},
    };
    fs::create_symlink("loop.pbm", dir.file("loop.pbm"));
    for (const auto& [path, reason] : refused) {
        std::string error;
        EXPECT_FALSE(gw::writeFileAtomically(path, "P1 1 1 1", &error));
        EXPECT_EQ(error, reason);
    }
    EXPECT_TRUE(fs::is_fifo(fifo));

    // A file size limit stands in for a full disk: the write itself fails.
    const std::string target = dir.file("a.pbm");
    gwtest::writeFile(target, "old");
    std::string error;
    EXPECT_FALSE(
        gwtest::withFileSizeLimit(10, [&] { return gw::writeFileAtomically(target, std::string(100, 'x'), &error); }));
    EXPECT_EQ(error, "cannot write " + target + ": File too large");
    EXPECT_EQ(gwtest::readFile(target), "old");
    EXPECT_EQ(dir.names().size(), 5u);
}
