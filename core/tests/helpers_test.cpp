// Rounding and path helpers.
#include <gtest/gtest.h>

#include "core/Paths.h"
#include "core/Rounding.h"

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourOthersToTheNearest)
{
    const std::pair<double, int> cases[] = {{2.5, 2},    {3.5, 4},    {0.5, 0},   {-2.5, -2}, {-3.5, -4},
                                            {2.4999, 2}, {2.5001, 3}, {-0.6, -1}, {7.0, 7}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(gw::roundHalfEven(value), rounded) << value;
}

TEST(Paths, NamesFromPaths)
{
    const std::string sep(1, gw::PathSeparator);
    // path, its file name, its folder
    const char* fileNameCases[][3] = {
        {"/srv/u/cat.pbm", "cat.pbm", "/srv/u/"}, {"cat.pbm", "cat.pbm", ""}, {"/srv/u/", "", "/srv/u/"}, {"", "", ""}};
    for (const auto& c : fileNameCases) {
        EXPECT_EQ(gw::fileNamePart(c[0]), c[1]) << c[0];
        EXPECT_EQ(gw::folderPart(c[0]), c[2]) << c[0];
    }
#ifndef _WIN32
    EXPECT_EQ(gw::fileNamePart("/srv/u/back\\slash.pbm"), "back\\slash.pbm");
#endif
    const char* extensionCases[][2] = {
        {"cat.pbm", "cat"}, {"archive.tar.gz", "archive.tar"}, {"README", "README"}, {".pbm", ""}};
    for (const auto& c : extensionCases)
        EXPECT_EQ(gw::withoutLastExtension(c[0]), c[1]) << c[0];
    EXPECT_EQ(gw::puzzleNameFromPath("/home/u.v/README"), "README");
    EXPECT_EQ(gw::puzzleNameFromPath("/home/u.v/dog.ppm"), "dog");
    for (const std::string& folder : {std::string("/opt/gw"), "/opt/gw" + sep})
        EXPECT_EQ(gw::withTrailingSeparator(folder), "/opt/gw" + sep);
    EXPECT_EQ(gw::withTrailingSeparator(""), "");
}
