#include <gtest/gtest.h>

#include <set>

#include "TestSupport.h"
#include "core/MakerSettings.h"
#include "core/Settings.h"

namespace {

using Entries = std::vector<std::string>;

std::string record(const std::string& path) { return static_cast<char>(path.size()) + path; }

Entries listOf(const gw::RecentEntries& entries) { return Entries(entries.begin(), entries.end()); }

// A list in a scratch folder where only the paths named exist (all when none).
struct Recent {
    explicit Recent(std::set<std::string> existing = {})
        : list(dir.path(), [existing](const std::string& p) { return existing.empty() || existing.count(p) > 0; })
    { }
    Entries add(std::initializer_list<std::string> paths)
    {
        for (const std::string& path : paths)
            list.addRecent(path);
        return listOf(list.entries());
    }
    gwtest::TempDir dir;
    gw::RecentList list;
};

} // namespace

TEST(LanguageFile, FirstRunThenTheFirstByteOfTheFile)
{
    gwtest::TempDir dir;
    EXPECT_EQ(gw::readLanguageFile(dir.path()), std::nullopt);                         // missing: the first run
    for (const std::uint8_t byte : std::initializer_list<std::uint8_t> {2, 1, 0, 7}) { // 7: no language, kept
        ASSERT_TRUE(gw::writeLanguageFile(dir.path(), gw::languageFromByte(byte)));
        EXPECT_EQ(gwtest::readFile(dir.file("lang.ini")), std::string(1, static_cast<char>(byte)));
        EXPECT_EQ(gw::readLanguageFile(dir.path()), gw::languageFromByte(byte));
    }
    gwtest::writeFile(dir.file("lang.ini"), std::string("\x01\x02\x00", 3));
    EXPECT_EQ(gw::readLanguageFile(dir.path()), gw::Language::Dutch);
    gwtest::writeFile(dir.file("lang.ini"), "");
    EXPECT_EQ(gw::readLanguageFile(dir.path()), gw::Language::English);
}

// A truncated or corrupt file yields what it holds up to the damage.
TEST(RecentFile, BytesGiveTheirEntries)
{
    const std::string a = record("/a.pbm");
    const std::pair<std::string, Entries> cases[] = {
        {std::string(5, '\0'), Entries(5)},
        {"", Entries(5)},
        {record("/a") + record("/b") + record("/c") + record("/d") + record("/e"), {"/a", "/b", "/c", "/d", "/e"}},
        {a + '\0' + record("/c.pbm") + '\0' + '\0', {"/a.pbm", "", "/c.pbm", "", ""}},        // a free slot between
        {a + "\x09/b.p", {"/a.pbm", "", "", "", ""}},                                         // cut inside a record
        {a + "\x05", {"/a.pbm", "", "", "", ""}},                                             // cut after a length
        {a + record(std::string("/b\0c", 4)) + record("/d.pbm"), {"/a.pbm", "", "", "", ""}}, // zero byte in a path
        {"\xff/short", Entries(5)},                                                           // length past the end
        {std::string(5, '\0') + "garbage", Entries(5)},
        {record("/p/c\xc3\xac"
                "ano.pbm"),
         {"/p/c\xc3\xac"
          "ano.pbm",
          "", "", "", ""}}};
    for (const auto& [bytes, entries] : cases)
        EXPECT_EQ(listOf(gw::parseRecentFile(bytes)), entries) << bytes;
}

TEST(RecentList, FirstRunAndCorruptFileOnDisk)
{
    Recent r;
    r.list.readFile();
    ASSERT_TRUE(r.list.refreshRecent()); // the first run writes five free slots
    EXPECT_EQ(gwtest::readFile(r.dir.file("recent.ini")), std::string(5, '\0'));
    gwtest::writeFile(r.dir.file("recent.ini"), record("/a.pbm") + "\x40" + "cut");
    r.list.readFile();
    ASSERT_TRUE(r.list.refreshRecent());
    EXPECT_EQ(gwtest::readFile(r.dir.file("recent.ini")), record("/a.pbm") + std::string(4, '\0'));
}

TEST(RecentList, AddingCleansTheList)
{
    // The same file in another case is one entry, and the file is written.
    Recent same;
    EXPECT_EQ(same.add({"/p/a.pbm", "/p/b.pbm", "/p/A.PBM"}), (Entries {"/p/A.PBM", "/p/b.pbm", "", "", ""}));
    EXPECT_EQ(gwtest::readFile(same.dir.file("recent.ini")),
              record("/p/A.PBM") + record("/p/b.pbm") + std::string(3, '\0'));
    EXPECT_EQ(Recent({"/a", "/c"}).add({"/a", "/b", "/c"}), (Entries {"/c", "/a", "", "", ""})); // missing files go
    EXPECT_EQ(Recent().add({"/1", "/2", "/3", "/4", "/5", "/6"}), (Entries {"/6", "/5", "/4", "/3", "/2"}));
    // The oldest comes back when a duplicate was removed.
    EXPECT_EQ(Recent().add({"/e", "/d", "/c", "/b", "/a", "/c"}), (Entries {"/c", "/a", "/b", "/d", "/e"}));
}

TEST(RecentList, FourPassesReachEntriesThatMovedUp)
{
    // Entries 1..3 are missing; one pass skips the entry that moved into a
    // freed place, so it takes a second pass to drop them all.
    Recent r({"/a", "/b"});
    gwtest::writeFile(r.dir.file("recent.ini"),
                      record("/a") + record("/m1") + record("/m2") + record("/m3") + record("/b"));
    r.list.readFile();
    r.list.clean();
    EXPECT_EQ(listOf(r.list.entries()), (Entries {"/a", "/b", "", "", ""}));
}

TEST(RecentList, PathOver255BytesIsSkipped)
{
    const std::string longest = "/" + std::string(254, 'x');
    Recent r;
    EXPECT_EQ(r.add({"/a", longest, "/" + std::string(255, 'y')}), (Entries {longest, "/a", "", "", ""}));
    EXPECT_EQ(gwtest::readFile(r.dir.file("recent.ini")), record(longest) + record("/a") + std::string(3, '\0'));
    gw::RecentEntries entries {{"/a", std::string(300, 'z'), "/c", "", ""}};
    EXPECT_EQ(gw::recentFileBytes(entries), record("/a") + '\0' + record("/c") + '\0' + '\0');
}

TEST(RecentList, CaptionIsAccessKeyAndNameWithoutFolderAndExtension)
{
    EXPECT_EQ(gw::recentCaption(4, "/srv/u/my.cat.ppm"), "&5 my.cat");
    EXPECT_EQ(gw::recentCaption(1, "/home/R&D.pbm"), "&2 R&&D");
}

// "maker.ini": key lines in any order, unknown keys and stray lines skipped.
TEST(MakerSettingsFile, ParsesKnownKeys)
{
    struct Case {
        const char* bytes;
        bool guideLines;
        const char* lastFolder;
    };
    const Case cases[] = {
        {"", false, ""},
        {"guides=1\nfolder=/srv/puzzles/\n", true, "/srv/puzzles/"},
        {"folder=/x=y/\r\nguides=1\r\n", true, "/x=y/"}, // "=" inside a value, Windows line ends
        {"guides=0\nzoom=7\nno equals sign\n", false, ""},
        {"guides=yes", false, ""},
    };
    for (const Case& c : cases) {
        const gw::MakerSettings settings = gw::parseMakerSettings(c.bytes);
        EXPECT_EQ(settings.guideLines, c.guideLines) << c.bytes;
        EXPECT_EQ(settings.lastFolder, c.lastFolder) << c.bytes;
    }
}

TEST(MakerSettingsFile, WrittenAndReadBackWithoutAFolderThatBreaksTheLine)
{
    gwtest::TempDir dir;
    EXPECT_EQ(gw::readMakerSettings(dir.path()), gw::MakerSettings {}); // missing: the defaults
    const gw::MakerSettings kept {true, "/home/\xc3\xa9/puzzles/"};
    ASSERT_TRUE(gw::writeMakerSettings(dir.path(), kept));
    EXPECT_EQ(gw::readMakerSettings(dir.path()), kept);
    EXPECT_EQ(gw::makerSettingsBytes({false, "/a\nguides=1/"}), "guides=0\n");
}

// The picture import's choices: each field read on its own, one out of range
// keeps its default.
TEST(MakerSettingsFile, PictureChoices)
{
    gw::MakerSettings chosen;
    chosen.pictureColors = 5;
    chosen.pictureThreshold = 77;
    chosen.pictureDither = true;
    chosen.pictureInvert = true;
    chosen.pictureBackground = 0;
    chosen.pictureKeepAspect = false;
    EXPECT_EQ(gw::parseMakerSettings(gw::makerSettingsBytes(chosen)), chosen);
    const gw::MakerSettings odd = gw::parseMakerSettings("picture=9,77,2,1,x\n");
    EXPECT_EQ(odd.pictureColors, 2);
    EXPECT_EQ(odd.pictureThreshold, 77);
    EXPECT_FALSE(odd.pictureDither);
    EXPECT_TRUE(odd.pictureInvert);
    EXPECT_EQ(odd.pictureBackground, 1);
    EXPECT_TRUE(odd.pictureKeepAspect);
}
