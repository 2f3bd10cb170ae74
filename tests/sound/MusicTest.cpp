// The background tune through the real output: exact level, the loop, effects beside it, streams
// of other formats, files that are missing or not Ogg Vorbis, and destroying it in every state.
#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "AudioOut.h"
#include "LoopbackOutput.h"
#include "SoundFiles.h"
#include "VolumeScale.h"
#include "VorbisIn.h"
#include "VorbisLibrary.h"

namespace {

using namespace std::chrono_literals;

class Music : public testing::Test {
protected:
    soundfiles::Scratch scratch;
    VorbisLibrary library;
    LoopbackOutput out;
    VorbisIn input{library};
    std::unique_ptr<AudioOut> music = std::make_unique<AudioOut>(out.device);

    void SetUp() override
    {
        ASSERT_TRUE(out.device.isOpen());
        out.device.setWindowActive(true);
        input.Loop = true;
        music->Input = &input;
        music->Volume = 200;
    }

    std::string stream(const char* name, int channels, int rate, double seconds)
    {
        const auto file = scratch.path(name).string();
        soundfiles::writeBytes(file, soundfiles::makeStream(library, channels, rate, seconds));
        return file;
    }

    // Mixes like a sound card would, a period at a time, but only once the playback thread has
    // been told of every block played so far and has refilled the queue: what is heard then
    // depends on the output alone. `blockFrames`: output frames a block of the stream lasts.
    void play(int frames, int blockFrames = 2048, int period = 1024)
    {
        for (int done = 0; done < frames; done += period) {
            const auto until = std::chrono::steady_clock::now() + 50ms;
            const long due = rendered_ / blockFrames;
            while (music && music->busy() &&
                   (music->blocksPlayed() < due ||
                    music->blocksInFlight() < AudioOut::QueuedBlocks) &&
                   std::chrono::steady_clock::now() < until)
                std::this_thread::sleep_for(100us);
            const int n = std::min(period, frames - done);
            out.render(n);
            rendered_ += n;
        }
    }
    long rendered_ = 0;  // frames mixed since the tune started

    // Starts and waits until the queue is full, or holds all of a stream shorter than the queue:
    // from then on the tune sounds from the first sample mixed.
    void startAndWaitForTheQueue()
    {
        const std::size_t bytes = 2 * soundfiles::decodeAll(library, music->Input->FileName).size();
        const bool whole = !music->Input->Loop && bytes < std::size_t(AudioOut::QueuedBlocks) * AudioOut::BlockBytes;
        const int blocks = whole ? int((bytes + AudioOut::BlockBytes - 1) / AudioOut::BlockBytes)
                                 : AudioOut::QueuedBlocks;
        music->StartPlayback();
        rendered_ = 0;
        const auto until = std::chrono::steady_clock::now() + 10s;
        while (music->blocksInFlight() < blocks && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(100us);
        ASSERT_EQ(music->blocksInFlight(), blocks);
    }

    // The stream scaled to the music's level, repeated as often as needed to cover `samples`.
    std::vector<std::int16_t> looped(const std::string& file, std::size_t samples)
    {
        const auto once = soundfiles::decodeAll(library, file);
        std::vector<std::int16_t> out(samples);
        for (std::size_t i = 0; i < samples; ++i) out[i] = scaleSample(once[i % once.size()], 200);
        return out;
    }
};

}  // namespace

TEST_F(Music, TuneReachesTheOutputAtTwoHundredOver255AndRestartsAtItsEnd)
{
    // 0.7 s of stream does not end on a block boundary: the loop's seam falls inside a block.
    input.FileName = stream("tune.ogg", 2, 44100, 0.7);
    startAndWaitForTheQueue();
    play(2 * 44100 + 5000);  // two and a half times round
    EXPECT_TRUE(music->busy());
    const auto want = looped(input.FileName, out.heard.size());
    ASSERT_EQ(out.heard.size(), want.size());
    std::size_t firstDifference = 0;
    while (firstDifference < want.size() && out.heard[firstDifference] == want[firstDifference])
        ++firstDifference;
    EXPECT_EQ(firstDifference, want.size()) << "first difference at sample " << firstDifference;
}

TEST_F(Music, EffectsMutedWhileInactiveLeaveTheTuneUnchangedAndAddToItWhenActive)
{
    input.FileName = stream("tune.ogg", 2, 44100, 1.0);
    startAndWaitForTheQueue();
    out.device.setWindowActive(false);
    out.clips.PlayClip(ClipWin, false);
    out.clips.PlayClip(ClipClick2, false);
    play(30 * 1024);
    const auto want = looped(input.FileName, out.heard.size());
    EXPECT_EQ(out.heard, want);

    // Active again: a click is heard on top of the tune, sample for sample.
    out.device.setWindowActive(true);
    play(LoopbackOutput::Rate * 2);  // the muted victory sound, heard again, runs out
    const std::size_t at = out.heard.size() / 2;
    out.clips.PlayClip(ClipClick, false);
    play(8 * 1024);
    const auto tune = looped(input.FileName, out.heard.size());
    std::vector<std::int32_t> mix(tune.begin(), tune.end());
    addAt(mix, soundfiles::clipSamples(soundfiles::gameClips()[0]), at);
    for (std::size_t i = 2 * at; i < out.heard.size(); ++i)
        ASSERT_EQ(out.heard[i], std::clamp(mix[i], -32768, 32767)) << "sample " << i;
}

TEST_F(Music, StreamsOfOtherFormatsPlayInTheirOwnFormatAndThenGoIdle)
{
    const struct {
        int channels;
        int rate;
    } formats[] = {{1, 44100}, {1, 22050}, {2, 22050}};
    for (const auto& f : formats) {
        SCOPED_TRACE(testing::Message() << f.channels << " channels at " << f.rate);
        music.reset();
        out.heard.clear();
        VorbisIn once(library);
        once.FileName = stream("other.ogg", f.channels, f.rate, 0.5);
        music = std::make_unique<AudioOut>(out.device);
        music->Input = &once;
        music->Volume = 200;
        startAndWaitForTheQueue();
        play(44100 * 3 / 2, 8192 / (2 * f.channels) * 44100 / f.rate);
        EXPECT_FALSE(music->busy());  // played out

        // Heard for the stream's own length at the output's rate, and centred if mono.
        std::size_t last = 0;
        std::size_t differing = 0;
        for (std::size_t i = 0; i < out.heard.size(); i += 2) {
            if (out.heard[i] != 0 || out.heard[i + 1] != 0) last = i / 2;
            if (out.heard[i] != out.heard[i + 1]) ++differing;
        }
        EXPECT_NEAR(double(last), 0.5 * 44100, 0.02 * 44100);
        if (f.channels == 1) EXPECT_EQ(differing, 0u);
        else EXPECT_GT(differing, 1000u);
        music.reset();
    }
}

TEST_F(Music, InputReadsTheStreamsFactsAndHandsOutWholeFramesOfSixteenBitSamples)
{
    const struct {
        int channels;
        int rate;
    } formats[] = {{2, 44100}, {1, 22050}};
    for (const auto& f : formats) {
        SCOPED_TRACE(testing::Message() << f.channels << " channels at " << f.rate);
        VorbisIn in(library);
        in.FileName = stream("facts.ogg", f.channels, f.rate, 0.25);
        ASSERT_TRUE(in.open());
        EXPECT_EQ(in.channels(), f.channels);
        EXPECT_EQ(in.sampleRate(), f.rate);
        EXPECT_EQ(in.pcmTotal(), f.rate / 4);
        EXPECT_NEAR(in.timeTotal(), 0.25, 1e-3);
        const auto samples = soundfiles::decodeAll(library, in.FileName);
        EXPECT_EQ(samples.size(), std::size_t(in.pcmTotal() * f.channels));
        in.close();
        EXPECT_FALSE(in.isOpen());
    }
}

TEST_F(Music, MissingOrUnreadableFilesGiveNoMusicAndNoMessage)
{
    const auto notOgg = scratch.path("data.iso").string();
    soundfiles::writeBytes(notOgg, {'6', '0', '\r', '\n'});
    const auto empty = scratch.path("empty.ogg").string();
    soundfiles::writeBytes(empty, {});
    for (const std::string& file : {scratch.path("missing.ogg").string(), notOgg, empty,
                                    scratch.path("").string()}) {
        SCOPED_TRACE(file);
        input.FileName = file;
        EXPECT_NO_THROW(music->StartPlayback());
        play(4096);
        EXPECT_FALSE(music->busy());
        EXPECT_FALSE(input.isOpen());
        EXPECT_TRUE(silent(out.heard));
    }
}

TEST_F(Music, StartFailsWhenBusyOrWithoutInputAndOtherwiseNeverTellsTheCaller)
{
    input.FileName = stream("tune.ogg", 2, 44100, 0.5);
    AudioOut noInput(out.device);
    try {
        noInput.StartPlayback();
        ADD_FAILURE() << "started without an input";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Input is not assigned");
    }

    startAndWaitForTheQueue();
    for (VorbisIn* other : {&input, static_cast<VorbisIn*>(nullptr)}) {
        music->Input = other;
        try {
            music->StartPlayback();
            ADD_FAILURE() << "started twice";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Component is buisy");
        }
    }
    music->Input = &input;

    // Without an output the tune cannot play: start returns quietly and the output stays idle.
    EffectsDevice::Settings settings;
    settings.DeviceName = "no such Tavlo output";
    EffectsDevice closed(settings);
    VorbisIn other(library);
    other.FileName = input.FileName;
    AudioOut unheard(closed);
    unheard.Input = &other;
    EXPECT_NO_THROW(unheard.StartPlayback());
    EXPECT_FALSE(unheard.busy());
    EXPECT_FALSE(other.isOpen());
}

TEST_F(Music, FileRemovedWhilePlayingPlaysOutWhatIsQueuedAndGoesIdle)
{
    input.FileName = stream("tune.ogg", 2, 44100, 0.4);
    startAndWaitForTheQueue();
    play(8 * 1024);
    std::filesystem::remove(input.FileName);
    play(3 * 44100);
    EXPECT_FALSE(music->busy());
    EXPECT_FALSE(input.isOpen());
    // Everything played before the end was the tune; the output is silent afterwards.
    const std::size_t tail = out.heard.size() - 2 * 22050;
    EXPECT_TRUE(silent(out.heard, tail));
    EXPECT_FALSE(silent(out.heard));
}

TEST_F(Music, DestroyReturnsInEveryStateAndStopsTheTuneAtOnce)
{
    // Never started.
    music.reset();

    // Playing: nothing queued is heard after destroy.
    input.FileName = stream("tune.ogg", 2, 44100, 1.0);
    music = std::make_unique<AudioOut>(out.device);
    music->Input = &input;
    startAndWaitForTheQueue();
    play(4 * 1024);
    EXPECT_FALSE(silent(out.heard));
    music.reset();
    EXPECT_FALSE(input.isOpen());
    const std::size_t before = out.heard.size();
    out.render(8192);
    EXPECT_TRUE(silent(out.heard, before));

    // Started, then destroyed before anything was mixed.
    music = std::make_unique<AudioOut>(out.device);
    music->Input = &input;
    music->StartPlayback();
    music.reset();
    EXPECT_FALSE(input.isOpen());

    // Idle after a failure.
    input.FileName = scratch.path("missing.ogg").string();
    music = std::make_unique<AudioOut>(out.device);
    music->Input = &input;
    music->StartPlayback();
    music.reset();

    // Idle after the samples ended.
    VorbisIn once(library);
    once.FileName = stream("short.ogg", 2, 44100, 0.2);
    music = std::make_unique<AudioOut>(out.device);
    music->Input = &once;
    startAndWaitForTheQueue();
    play(44100);
    EXPECT_FALSE(music->busy());
    music.reset();
}
