// The sound as the window drives it, on the default output (OpenAL Soft's null output under the
// tests' settings, which mixes in real time like a sound card): built in the window's order, the
// tune started at the first activation, clips from handlers, the output destroyed on close.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "AudioOut.h"
#include "ClipList.h"
#include "EffectsDevice.h"
#include "SoundFiles.h"
#include "VorbisIn.h"
#include "VorbisLibrary.h"

namespace {

// The window opens "data/tavl.ogg" relative to its working directory: the assets folder here.
class InAssetsFolder {
public:
    InAssetsFolder() : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(TAVLO_ASSETS);
    }
    ~InAssetsFolder() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

}  // namespace

TEST(WindowUsage, StartActivatePlayAndCloseInTheWindowsOrder)
{
#if defined(__SANITIZE_THREAD__)
    // Here OpenAL Soft mixes on a thread of its own, whose lock-free hand-overs ThreadSanitizer
    // cannot follow in the uninstrumented library. The loopback tests check our threads instead.
    GTEST_SKIP() << "OpenAL's own mixing thread is beyond ThreadSanitizer";
#endif
    const InAssetsFolder here;
    const auto clips = soundfiles::gameClips();

    VorbisLibrary lib;
    VorbisIn VorbisIn1(lib);
    VorbisIn1.FileName = "data/tavl.ogg";
    VorbisIn1.Loop = true;
    EffectsDevice DXSound1;
    auto AudioOut1 = std::make_unique<AudioOut>(DXSound1);
    AudioOut1->Input = &VorbisIn1;
    AudioOut1->Volume = 200;
    ClipList zvuky(DXSound1, {clips[0], clips[1], clips[2]});
    DXSound1.open(zvuky);
    ASSERT_TRUE(DXSound1.isOpen());

    zvuky.PlayClip(ClipClick, false);  // the first new game, before the window is active
    DXSound1.setWindowActive(true);
    AudioOut1->StartPlayback();
    EXPECT_TRUE(AudioOut1->busy());
    EXPECT_TRUE(VorbisIn1.isOpen());
    for (int i = 0; i < 10; ++i) {
        zvuky.PlayClip(ClipClick2, false);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    zvuky.PlayClip(ClipWin, false);
    DXSound1.setWindowActive(false);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));

    // More than the first queue's worth has played: the output reports blocks as it plays them.
    EXPECT_TRUE(AudioOut1->busy());
    EXPECT_GT(AudioOut1->blocksPlayed(), 0);
    // ...and keeps its queue full (a report and its refill may just be a moment apart).
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (AudioOut1->blocksInFlight() != AudioOut::QueuedBlocks &&
           std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    EXPECT_EQ(AudioOut1->blocksInFlight(), AudioOut::QueuedBlocks);

    zvuky.PlayClip(ClipClick, false);  // the exit button's click, then the close at once
    AudioOut1.reset();
    EXPECT_FALSE(VorbisIn1.isOpen());
}

TEST(WindowUsage, AWaitingPlayReturnsOnceItsClipHasStopped)
{
#if defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "OpenAL's own mixing thread is beyond ThreadSanitizer";
#endif
    EffectsDevice device;
    ClipList clips(device, soundfiles::gameClips());
    device.open(clips);
    ASSERT_TRUE(device.isOpen());
    device.setWindowActive(true);
    const auto start = std::chrono::steady_clock::now();
    clips.PlayClip(ClipClick, true);
    // The click lasts 160.5 ms; the wait checks every 10 ms.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
    EXPECT_FALSE(device.lastInstanceSounding(ClipClick));
}
