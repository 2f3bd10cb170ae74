// The effects through the real output: overlapping instances, clips together, the focus rule, and
// a device that is closed or a clip it refused.
#include <gtest/gtest.h>

#include "LoopbackOutput.h"
#include "SoundFiles.h"

namespace {

constexpr int Ms50 = LoopbackOutput::Rate / 20;

std::vector<std::int16_t> expected(const std::vector<std::int32_t>& mix)
{
    std::vector<std::int16_t> out(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i) out[i] = std::int16_t(mix[i]);
    return out;
}

class Effects : public testing::Test {
protected:
    LoopbackOutput out;
    std::vector<std::int16_t> click = soundfiles::clipSamples(soundfiles::gameClips()[0]);
    std::vector<std::int16_t> win = soundfiles::clipSamples(soundfiles::gameClips()[1]);
    void SetUp() override
    {
        ASSERT_TRUE(out.device.isOpen());
        out.device.setWindowActive(true);
    }
};

}  // namespace

TEST_F(Effects, TwoSlidesFiftyMillisecondsApartBothSoundAndOverlap)
{
    out.clips.PlayClip(ClipClick2, false);
    out.render(Ms50);
    out.clips.PlayClip(ClipClick2, false);
    out.render(8000);

    std::vector<std::int32_t> mix(out.heard.size(), 0);
    addAt(mix, click, 0);
    addAt(mix, click, Ms50);
    EXPECT_EQ(out.heard, expected(mix));
}

TEST_F(Effects, VictoryAndNewGameClickSoundTogether)
{
    out.clips.PlayClip(ClipWin, false);
    out.render(30000);
    out.clips.PlayClip(ClipClick, false);
    out.render(60000);

    std::vector<std::int32_t> mix(out.heard.size(), 0);
    addAt(mix, win, 0);
    addAt(mix, click, 30000);
    EXPECT_EQ(out.heard, expected(mix));
}

TEST_F(Effects, QuickRequestsBeyondThePoolStillAllSound)
{
    // Twenty clicks 5 ms apart: all twenty are sounding at once at the end.
    constexpr int Step = LoopbackOutput::Rate / 200;
    for (int i = 0; i < 20; ++i) {
        out.clips.PlayClip(ClipClick2, false);
        out.render(Step);
    }
    out.render(8000);
    std::vector<std::int32_t> mix(out.heard.size(), 0);
    for (std::size_t i = 0; i < 20; ++i) addAt(mix, click, i * Step);
    for (auto& s : mix) s = std::clamp(s, -32768, 32767);
    EXPECT_EQ(out.heard, expected(mix));
}

TEST_F(Effects, InactiveWindowMutesEffectsUntilItIsActiveAgain)
{
    out.device.setWindowActive(false);
    out.clips.PlayClip(ClipWin, false);
    out.clips.PlayClip(ClipClick, false);
    out.render(4000);
    EXPECT_TRUE(silent(out.heard));

    // The victory sound goes on, muted; it is heard again once the window is active.
    out.device.setWindowActive(true);
    out.render(LoopbackOutput::Rate);
    EXPECT_FALSE(silent(out.heard));

    // A new instance while active is heard from its first sample.
    out.heard.clear();
    out.render(LoopbackOutput::Rate);  // the victory sound ends
    out.heard.clear();
    out.clips.PlayClip(ClipClick, false);
    out.render(8000);
    std::vector<std::int32_t> mix(out.heard.size(), 0);
    addAt(mix, click, 0);
    EXPECT_EQ(out.heard, expected(mix));
}

TEST(EffectsDevice, LimitedAndLoopedClipsRestartInsteadOfOverlapping)
{
    // The game's clips are plain and unlimited; the list also keeps the other kinds right.
    auto clips = soundfiles::gameClips();
    clips[0].MaxPlayingCount = 1;
    clips[1].Looped = true;
    const auto click = soundfiles::clipSamples(clips[0]);
    const auto win = soundfiles::clipSamples(clips[1]);
    LoopbackOutput out(clips);
    out.device.setWindowActive(true);

    // A second request of a clip limited to one restarts the sounding instance.
    out.clips.PlayClip(ClipClick, false);
    out.render(Ms50);
    out.clips.PlayClip(ClipClick, false);
    out.render(8000);
    std::vector<std::int32_t> mix(out.heard.size(), 0);
    addAt(mix, std::vector<std::int16_t>(click.begin(), click.begin() + 2 * Ms50), 0);
    addAt(mix, click, Ms50);
    EXPECT_EQ(out.heard, expected(mix));

    // A looped clip sounds over and over from one request; a new request restarts it.
    out.heard.clear();
    out.clips.PlayClip(ClipWin, false);
    const int length = int(win.size() / 2);
    out.render(length + 1000);
    out.clips.PlayClip(ClipWin, false);
    out.render(2000);
    mix.assign(out.heard.size(), 0);
    addAt(mix, win, 0);
    addAt(mix, std::vector<std::int16_t>(win.begin(), win.begin() + 2000), std::size_t(length));
    addAt(mix, win, std::size_t(length) + 1000);
    EXPECT_EQ(out.heard, expected(mix));
}

TEST(EffectsDevice, WithoutAnOutputEveryRequestDoesNothingSilently)
{
    EffectsDevice::Settings settings;
    settings.DeviceName = "no such Tavlo output";
    EffectsDevice device(settings);
    ClipList clips(device, soundfiles::gameClips());
    device.open(clips);
    EXPECT_FALSE(device.isOpen());
    device.setWindowActive(true);
    for (int i : {0, 1, 2, 3, -1}) clips.PlayClip(i, false);
    clips.PlayClip(ClipClick, true);  // even waiting returns at once
}

TEST(EffectsDevice, AClipTheOutputRefusedPlaysNothingAndTheOthersStillPlay)
{
    // A well-formed wave in a format OpenAL does not take: 24-bit samples.
    auto clips = soundfiles::gameClips();
    auto odd = clips[0].Wave;
    odd[34] = 24;
    clips[1].Wave = odd;

    LoopbackOutput out(clips);
    ASSERT_TRUE(out.device.isOpen());
    out.device.setWindowActive(true);
    out.clips.PlayClip(ClipWin, false);
    out.render(8000);
    EXPECT_TRUE(silent(out.heard));
    out.clips.PlayClip(ClipClick2, false);
    out.render(8000);
    EXPECT_FALSE(silent(out.heard));
}
