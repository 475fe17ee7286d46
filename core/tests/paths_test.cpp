#include <gtest/gtest.h>

#include "core/Paths.h"

TEST(Paths, FileNamePartIsAfterLastSeparator)
{
    EXPECT_EQ(gw::fileNamePart("/home/u/cat.pbm"), "cat.pbm");
    EXPECT_EQ(gw::fileNamePart("cat.pbm"), "cat.pbm");
    EXPECT_EQ(gw::fileNamePart("/home/u/"), "");
    EXPECT_EQ(gw::fileNamePart(""), "");
#ifndef _WIN32
    EXPECT_EQ(gw::fileNamePart("/home/u/back\\slash.pbm"), "back\\slash.pbm");
#endif
}

TEST(Paths, WithoutLastExtension)
{
    EXPECT_EQ(gw::withoutLastExtension("cat.pbm"), "cat");
    EXPECT_EQ(gw::withoutLastExtension("archive.tar.gz"), "archive.tar");
    EXPECT_EQ(gw::withoutLastExtension("README"), "README");
    EXPECT_EQ(gw::withoutLastExtension(".pbm"), "");
}

TEST(Paths, PuzzleNameIgnoresDotsInFolders)
{
    EXPECT_EQ(gw::puzzleNameFromPath("/home/u.v/README"), "README");
    EXPECT_EQ(gw::puzzleNameFromPath("/home/u.v/dog.ppm"), "dog");
}

TEST(Paths, ProgramFolderEndsWithOneSeparator)
{
    const std::string sep(1, gw::PathSeparator);
    EXPECT_EQ(gw::withTrailingSeparator("/opt/gridwick"), "/opt/gridwick" + sep);
    EXPECT_EQ(gw::withTrailingSeparator("/opt/gridwick" + sep), "/opt/gridwick" + sep);
    EXPECT_EQ(gw::withTrailingSeparator(""), "");
}
