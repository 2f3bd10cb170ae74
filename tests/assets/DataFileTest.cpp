// The score file the game starts with: a first line holding a best score a good player can beat.
#include "AssetFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DataFile, FirstLineIsABeatableScoreEndedByCarriageReturnLineFeed)
{
    const AssetFile f("data/data.iso");
    const std::string text(f.bytes().begin(), f.bytes().end());
    const std::size_t end = text.find("\r\n");
    ASSERT_NE(end, std::string::npos);
    const std::string line = text.substr(0, end);
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.find_first_not_of("0123456789"), std::string::npos) << line;
    const int score = std::stoi(line);
    // A scrambled 3 x 3 board takes at least a few dozen moves; a good player wins in well under 100.
    EXPECT_GE(score, 30);
    EXPECT_LE(score, 100);
    EXPECT_EQ(text.size(), end + 2) << "one line only";
}

}  // namespace
