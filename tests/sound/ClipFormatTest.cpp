// The clips' files and the clip reader: exact formats of the game's clips, and what is refused.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "SoundFiles.h"
#include "WaveData.h"

namespace {

std::vector<std::uint8_t> chunk(const char* id, std::vector<std::uint8_t> body)
{
    std::vector<std::uint8_t> out(id, id + 4);
    const auto n = std::uint32_t(body.size());
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(n >> (8 * i)));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<std::uint8_t> riff(const char* form, const std::vector<std::vector<std::uint8_t>>& chunks)
{
    std::vector<std::uint8_t> body(form, form + 4);
    for (const auto& c : chunks) body.insert(body.end(), c.begin(), c.end());
    return chunk("RIFF", body);
}

const std::vector<std::uint8_t> Fmt = {1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, 16, 0};

}  // namespace

TEST(ClipFormat, GameClipsHaveTheirExactFormatsAndLengths)
{
    const auto clips = soundfiles::gameClips();
    const std::size_t fileBytes[] = {28356, 349228, 28356};
    const std::size_t sampleBytes[] = {28312, 349184, 28312};
    for (std::size_t i = 0; i < clips.size(); ++i) {
        SCOPED_TRACE(clips[i].Name);
        EXPECT_EQ(clips[i].Wave.size(), fileBytes[i]);
        const WaveData w = WaveData::parse(clips[i].Wave);
        EXPECT_EQ(w.FormatTag, 1);
        EXPECT_EQ(w.Channels, 2);
        EXPECT_EQ(w.SamplesPerSec, 44100u);
        EXPECT_EQ(w.BitsPerSample, 16);
        EXPECT_EQ(w.SampleBytes, sampleBytes[i]);
        // Exactly two chunks: a 16-byte "fmt " then "data", right after the RIFF header.
        EXPECT_EQ(std::memcmp(clips[i].Wave.data() + 12, "fmt \x10\0\0\0", 8), 0);
        EXPECT_EQ(std::memcmp(clips[i].Wave.data() + 36, "data", 4), 0);
        EXPECT_EQ(w.Samples, clips[i].Wave.data() + 44);
    }
    EXPECT_EQ(clips[0].Wave, clips[2].Wave);
}

TEST(ClipFormat, ClipsStartAndEndInSilenceAndNeverClipWhenSummed)
{
    // A click and the victory sound may sound together: their peaks must fit in 16 bits together.
    const auto click = soundfiles::clipSamples(soundfiles::gameClips()[0]);
    const auto win = soundfiles::clipSamples(soundfiles::gameClips()[1]);
    int peakClick = 0, peakWin = 0;
    for (auto s : click) peakClick = std::max(peakClick, std::abs(int(s)));
    for (auto s : win) peakWin = std::max(peakWin, std::abs(int(s)));
    EXPECT_GT(peakClick, 3000);
    EXPECT_GT(peakWin, 3000);
    EXPECT_LT(peakClick + peakWin, 32767);
    for (const auto* samples : {&click, &win}) {
        EXPECT_EQ(samples->front(), 0);
        EXPECT_EQ(samples->back(), 0);
    }
}

TEST(ClipFormat, ReaderSkipsUnknownChunksAndRefusesWhatIsNotRiffWave)
{
    const std::vector<std::uint8_t> samples = {1, 0, 2, 0, 3, 0, 4, 0};
    const auto withList = riff("WAVE", {chunk("LIST", {9, 9, 9, 9}), chunk("fmt ", Fmt),
                                        chunk("junk", {}), chunk("data", samples)});
    const WaveData w = WaveData::parse(withList);
    EXPECT_TRUE(w.HasFormat);
    EXPECT_EQ(w.Channels, 2);
    ASSERT_EQ(w.SampleBytes, samples.size());
    EXPECT_EQ(std::memcmp(w.Samples, samples.data(), samples.size()), 0);

    auto truncated = riff("WAVE", {chunk("fmt ", Fmt), chunk("data", samples)});
    truncated.resize(truncated.size() - 2);
    auto badRiff = withList;
    badRiff[0] = 'X';
    const struct {
        const char* what;
        std::vector<std::uint8_t> wave;
    } refused[] = {
        {"empty", {}},
        {"too short", {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V'}},
        {"not RIFF", badRiff},
        {"not WAVE", riff("AVI ", {chunk("fmt ", Fmt)})},
        {"chunk past the end", truncated},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.what);
        try {
            WaveData::parse(c.wave);
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Wave is invalid");
        }
    }
}
