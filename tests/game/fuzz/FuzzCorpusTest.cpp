// Runs the score-file fuzz entry over the committed seed corpus, so every build exercises it.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

TEST(ScoreFileFuzz, EverySeedGivesAValueOrAMessage)
{
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SCORE_FILE_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
        ++seeds;
    }
    EXPECT_GE(seeds, 10);
}
