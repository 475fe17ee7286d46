#include <gtest/gtest.h>

#include <set>

#include "TestSupport.h"
#include "core/Settings.h"

namespace {

std::string record(const std::string& path)
{
    return static_cast<char>(path.size()) + path;
}

// Only the files named exist.
gw::FileExists existing(std::set<std::string> names)
{
    return [names = std::move(names)](const std::string& path) { return names.count(path) > 0; };
}

gw::FileExists everything()
{
    return [](const std::string&) { return true; };
}

std::vector<std::string> listOf(const gw::RecentEntries& entries)
{
    return std::vector<std::string>(entries.begin(), entries.end());
}

} // namespace

// ---- lang.ini --------------------------------------------------------------

TEST(LanguageFile, MissingFileIsTheFirstRun)
{
    gwtest::TempDir dir;
    EXPECT_EQ(gw::ReadLanguageFile(dir.path()), std::nullopt);
}

TEST(LanguageFile, WrittenByteIsReadBack)
{
    gwtest::TempDir dir;
    for (std::uint8_t language : {2, 1, 0, 7}) {
        ASSERT_TRUE(gw::WriteLanguageFile(dir.path(), language));
        EXPECT_EQ(gwtest::readFile(dir.file("lang.ini")), std::string(1, static_cast<char>(language)));
        EXPECT_EQ(gw::ReadLanguageFile(dir.path()), language);
    }
}

TEST(LanguageFile, OnlyTheFirstByteCounts)
{
    gwtest::TempDir dir;
    gwtest::writeFile(dir.file("lang.ini"), std::string("\x01\x02\x00", 3));
    EXPECT_EQ(gw::ReadLanguageFile(dir.path()), 1);
    gwtest::writeFile(dir.file("lang.ini"), "");
    EXPECT_EQ(gw::ReadLanguageFile(dir.path()), 0);
}

// ---- recent.ini ------------------------------------------------------------

struct RecentFileCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> entries;

    friend void PrintTo(const RecentFileCase& c, std::ostream* os) { *os << c.name; }
};

class RecentFileBytes : public ::testing::TestWithParam<RecentFileCase> {};

TEST_P(RecentFileBytes, YieldWhatTheyHoldUpToTheDamage)
{
    EXPECT_EQ(listOf(gw::parseRecentFile(GetParam().bytes)), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, RecentFileBytes,
    ::testing::Values(
        RecentFileCase{"FiveFreeSlots", std::string(5, '\0'), {"", "", "", "", ""}},
        RecentFileCase{"Empty", "", {"", "", "", "", ""}},
        RecentFileCase{"Full",
                       record("/a.pbm") + record("/b.pbm") + record("/c.pbm") + record("/d.pbm") + record("/e.pbm"),
                       {"/a.pbm", "/b.pbm", "/c.pbm", "/d.pbm", "/e.pbm"}},
        RecentFileCase{"FreeSlotBetween", record("/a.pbm") + '\0' + record("/c.pbm") + '\0' + '\0',
                       {"/a.pbm", "", "/c.pbm", "", ""}},
        RecentFileCase{"CutInsideSecondRecord", record("/a.pbm") + "\x09/b.p", {"/a.pbm", "", "", "", ""}},
        RecentFileCase{"CutAfterLengthByte", record("/a.pbm") + "\x05", {"/a.pbm", "", "", "", ""}},
        RecentFileCase{"ZeroByteInPath", record("/a.pbm") + record(std::string("/b\0c", 4)) + record("/d.pbm"),
                       {"/a.pbm", "", "", "", ""}},
        RecentFileCase{"LengthPastTheEnd", "\xff/short", {"", "", "", "", ""}},
        RecentFileCase{"TrailingBytesIgnored", std::string(5, '\0') + "garbage", {"", "", "", "", ""}},
        RecentFileCase{"Utf8Path", record("/p/c\xc3\xac" "ano.pbm"), {"/p/c\xc3\xac" "ano.pbm", "", "", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecentList, FirstRunWritesFiveFreeSlots)
{
    gwtest::TempDir dir;
    gw::RecentList list(dir.path());
    list.readFile();
    ASSERT_TRUE(list.RefreshRecent());
    EXPECT_EQ(gwtest::readFile(dir.file("recent.ini")), std::string(5, '\0'));
    EXPECT_EQ(listOf(list.entries()), std::vector<std::string>(5));
}

TEST(RecentList, CorruptFileOnDiskGivesItsGoodRecords)
{
    gwtest::TempDir dir;
    gwtest::writeFile(dir.file("a.pbm"), "P1 1 1 1");
    gwtest::writeFile(dir.file("recent.ini"), record(dir.file("a.pbm")) + "\x40" + "cut");
    gw::RecentList list(dir.path());
    list.readFile();
    EXPECT_EQ(list.entry(0), dir.file("a.pbm"));
    EXPECT_EQ(list.entry(1), "");
    ASSERT_TRUE(list.RefreshRecent());
    EXPECT_EQ(gwtest::readFile(dir.file("recent.ini")), record(dir.file("a.pbm")) + std::string(4, '\0'));
}

TEST(RecentList, SameFileInOtherCaseIsOneEntry)
{
    gwtest::TempDir dir;
    gw::RecentList list(dir.path(), everything());
    list.AddRecent("/p/a.pbm");
    list.AddRecent("/p/b.pbm");
    list.AddRecent("/p/A.PBM");
    EXPECT_EQ(listOf(list.entries()), (std::vector<std::string>{"/p/A.PBM", "/p/b.pbm", "", "", ""}));
    EXPECT_EQ(gw::recentCaption(0, list.entry(0)), "&1 A");
    EXPECT_EQ(gw::recentCaption(1, list.entry(1)), "&2 b");
    EXPECT_EQ(gwtest::readFile(dir.file("recent.ini")),
              record("/p/A.PBM") + record("/p/b.pbm") + std::string(3, '\0'));
}

TEST(RecentList, MissingFilesAreDropped)
{
    gwtest::TempDir dir;
    gw::RecentList list(dir.path(), existing({"/a", "/c"}));
    list.AddRecent("/a");
    list.AddRecent("/b");
    list.AddRecent("/c");
    EXPECT_EQ(listOf(list.entries()), (std::vector<std::string>{"/c", "/a", "", "", ""}));
}

TEST(RecentList, FourPassesReachEntriesThatMovedUp)
{
    gwtest::TempDir dir;
    // Entries 1..3 are missing; one pass skips the entry that moved into a
    // freed place, so it takes a second pass to drop them all.
    gwtest::writeFile(dir.file("recent.ini"), record("/a") + record("/m1") + record("/m2") + record("/m3") + record("/b"));
    gw::RecentList list(dir.path(), existing({"/a", "/b"}));
    list.readFile();
    list.clean();
    EXPECT_EQ(listOf(list.entries()), (std::vector<std::string>{"/a", "/b", "", "", ""}));
}

TEST(RecentList, NewEntryPushesTheOldestOff)
{
    gwtest::TempDir dir;
    gw::RecentList list(dir.path(), everything());
    for (const char* path : {"/1", "/2", "/3", "/4", "/5", "/6"})
        list.AddRecent(path);
    EXPECT_EQ(listOf(list.entries()), (std::vector<std::string>{"/6", "/5", "/4", "/3", "/2"}));
}

TEST(RecentList, OldestComesBackWhenADuplicateWasRemoved)
{
    gwtest::TempDir dir;
    gw::RecentList list(dir.path(), everything());
    for (const char* path : {"/e", "/d", "/c", "/b", "/a"})
        list.AddRecent(path);
    list.AddRecent("/c");
    EXPECT_EQ(listOf(list.entries()), (std::vector<std::string>{"/c", "/a", "/b", "/d", "/e"}));
}

TEST(RecentList, PathOver255BytesIsSkipped)
{
    gwtest::TempDir dir;
    const std::string longest = "/" + std::string(254, 'x');
    const std::string tooLong = "/" + std::string(255, 'y');
    gw::RecentList list(dir.path(), everything());
    list.AddRecent("/a");
    list.AddRecent(longest);
    list.AddRecent(tooLong);
    EXPECT_EQ(listOf(list.entries()), (std::vector<std::string>{longest, "/a", "", "", ""}));

    gw::RecentList again(dir.path(), everything());
    again.readFile();
    EXPECT_EQ(listOf(again.entries()), listOf(list.entries()));
}

TEST(RecentList, WriterNeverStoresALengthAbove255)
{
    gw::RecentEntries entries{{"/a", std::string(300, 'z'), "/c", "", ""}};
    EXPECT_EQ(gw::recentFileBytes(entries), record("/a") + '\0' + record("/c") + '\0' + '\0');
}

struct CaptionCase {
    const char* name;
    int index;
    std::string path;
    std::string caption;
    friend void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }
};

class RecentCaption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(RecentCaption, IsAccessKeyAndNameWithoutFolderAndExtension)
{
    EXPECT_EQ(gw::recentCaption(GetParam().index, GetParam().path), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(Settings, RecentCaption,
                         ::testing::Values(CaptionCase{"Plain", 0, "/home/u/cat.pbm", "&1 cat"},
                                           CaptionCase{"TwoDots", 4, "/home/u/my.cat.ppm", "&5 my.cat"},
                                           CaptionCase{"NoExtension", 2, "/home/u.v/README", "&3 README"},
                                           CaptionCase{"AmpersandShowsItself", 1, "/home/R&D.pbm", "&2 R&&D"}),
                         [](const auto& info) { return std::string(info.param.name); });
