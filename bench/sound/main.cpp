// Measures the sound against its goals and prints the figures: how long a PlayClip request takes
// (goal under 20 us), how much of a core the tune's playback thread uses (under 1%), and how long
// from a request until the clip's first sample leaves the mixer (under 12 ms).
//
// Usage: tavlo_sound_bench [--default-device] [--period FRAMES] [--seconds N]
// Without --default-device, OpenAL Soft's wave file writer (writing to /dev/null, in real time)
// stands in for the sound card, so the figures can be taken on a machine without one. OpenAL Soft
// 1.19 does not act on the context's refresh attribute, which the game passes; --period sets the
// mixing period through the writer's settings instead, to show what a short period gives.
#define AL_ALEXT_PROTOTYPES
#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <mutex>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "AudioOut.h"
#include "ClipList.h"
#include "EffectsDevice.h"
#include "SoundFiles.h"
#include "VorbisIn.h"
#include "VorbisLibrary.h"

namespace {

using Clock = std::chrono::steady_clock;

// CPU seconds used so far by the thread of this process with the given name, or -1.
double threadCpuSeconds(const std::string& name)
{
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream comm(task.path() / "comm");
        std::string n;
        std::getline(comm, n);
        if (n != name) continue;
        std::ifstream stat(task.path() / "stat");
        std::string line;
        std::getline(stat, line);
        // Fields after the closing parenthesis of the name: utime and stime are the 12th and 13th.
        std::istringstream rest(line.substr(line.rfind(')') + 2));
        std::string field;
        unsigned long long utime = 0, stime = 0;
        for (int i = 1; i <= 13 && rest >> field; ++i) {
            if (i == 12) utime = std::stoull(field);
            if (i == 13) stime = std::stoull(field);
        }
        return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
    }
    return -1;
}

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

ALCint64SOFT deviceClock(ALCdevice* device)
{
    ALCint64SOFT clock = 0;
    alcGetInteger64vSOFT(device, ALC_DEVICE_CLOCK_SOFT, 1, &clock);
    return clock;
}

void printDurations(const char* what, std::vector<double> v, const char* unit, double goal)
{
    std::sort(v.begin(), v.end());
    const auto at = [&](double q) { return v[std::size_t(q * double(v.size() - 1))]; };
    std::printf("%-34s median %8.3f  p99 %8.3f  worst %8.3f %s", what, at(0.5), at(0.99), v.back(),
                unit);
    if (goal > 0) std::printf("  (goal < %g %s, %zu samples)", goal, unit, v.size());
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv)
{
    bool defaultDevice = false;
    int period = 0;
    double seconds = 10;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--default-device") defaultDevice = true;
        else if (a == "--seconds" && i + 1 < argc) seconds = std::atof(argv[++i]);
        else if (a == "--period" && i + 1 < argc) period = std::atoi(argv[++i]);
        else {
            std::cerr << "usage: tavlo_sound_bench [--default-device] [--period FRAMES] [--seconds N]\n";
            return 2;
        }
    }
    const auto conf = std::filesystem::temp_directory_path() /
                      ("tavlo-sound-bench-" + std::to_string(getpid()) + ".conf");
    if (!defaultDevice) {
        std::ofstream out(conf);
        out << "[general]\ndrivers = wave\n";
        if (period > 0) out << "period_size = " << period << "\nperiods = 2\n";
        out << "[wave]\nfile = /dev/null\n";
        setenv("ALSOFT_CONF", conf.c_str(), 1);
    }

    try {
        EffectsDevice device;  // the game's settings: 44100 Hz, 200 mixing periods a second
        ClipList clips(device, soundfiles::gameClips());
        device.open(clips);
        if (!device.isOpen()) throw std::runtime_error("no sound output could be opened");
        device.setWindowActive(true);
        ALCdevice* al = alcGetContextsDevice(device.context());
        std::printf("output: %s\n", alcGetString(al, ALC_ALL_DEVICES_SPECIFIER));

        // The mixing period actually granted, from the device clock's steps.
        std::vector<double> steps;
        ALCint64SOFT last = deviceClock(al);
        while (steps.size() < 20) {
            const ALCint64SOFT now = deviceClock(al);
            if (now != last) steps.push_back(double(now - last) * 1e-6);
            last = now;
        }
        std::sort(steps.begin(), steps.end());
        ALCint64SOFT latency[2] = {};
        alcGetInteger64vSOFT(al, ALC_DEVICE_CLOCK_LATENCY_SOFT, 2, latency);
        std::printf("mixing period %.2f ms; output's own latency %.2f ms\n",
                    steps[steps.size() / 2], double(latency[1]) * 1e-6);

        // The tune plays throughout, as in the game.
        VorbisLibrary library;
        VorbisIn input(library);
        input.FileName = std::string(TAVLO_ASSETS) + "/data/tavl.ogg";
        input.Loop = true;
        AudioOut music(device);
        music.Input = &input;
        music.Volume = 200;
        music.StartPlayback();
        std::this_thread::sleep_for(std::chrono::seconds(1));
        if (!music.busy()) throw std::runtime_error("the tune did not start");

        // Requests as quick slides would make them, 5 ms apart, so up to 33 clicks overlap.
        std::vector<double> requests;
        for (int i = 0; i < 1000; ++i) {
            const auto t0 = Clock::now();
            clips.PlayClip(ClipClick2, false);
            requests.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        printDurations("PlayClip request", requests, "us", 20);
        // The same timing round nothing: what the machine's scheduling alone adds.
        std::vector<double> baseline;
        for (int i = 0; i < 1000; ++i) {
            const auto t0 = Clock::now();
            baseline.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        printDurations("  (timing round nothing)", baseline, "us", 0);
        // A request hands its start to the device's starter thread; waking a sleeping thread is
        // the floor of what any such hand-over costs on this machine.
        std::vector<double> wakes;
        {
            std::mutex m;
            std::condition_variable cv;
            int pending = 0;
            bool stop = false;
            std::thread sleeper([&] {
                std::unique_lock lock(m);
                while (!stop) {
                    cv.wait(lock, [&] { return pending > 0 || stop; });
                    pending = 0;
                }
            });
            for (int i = 0; i < 1000; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                const auto t0 = Clock::now();
                {
                    std::lock_guard lock(m);
                    ++pending;
                }
                cv.notify_one();
                wakes.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
            }
            {
                std::lock_guard lock(m);
                stop = true;
            }
            cv.notify_one();
            sleeper.join();
        }
        printDurations("  (waking a sleeping thread)", wakes, "us", 0);

        // From a request at a random moment until the mixer has produced the period that starts
        // the clip: the first mixing pass that begins after the request returns includes it.
        std::mt19937 random(12345);
        std::vector<double> delays;
        for (int i = 0; i < 300; ++i) {
            std::this_thread::sleep_for(std::chrono::microseconds(5000 + random() % 20000));
            const auto t0 = Clock::now();
            clips.PlayClip(ClipClick, false);
            const ALCint64SOFT before = deviceClock(al);
            while (deviceClock(al) == before) std::this_thread::yield();
            delays.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count() +
                             double(latency[1]) * 1e-6);
        }
        printDurations("request to first sample out", delays, "ms", 12);
        std::printf("  (of which the output's own latency %.2f ms)\n", double(latency[1]) * 1e-6);

        // The playback thread's share of a core while the tune plays and nothing else happens.
        const double thread0 = threadCpuSeconds("tavlo-music");
        const double process0 = processCpuSeconds();
        const auto wall0 = Clock::now();
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        const double wall = std::chrono::duration<double>(Clock::now() - wall0).count();
        const double thread = threadCpuSeconds("tavlo-music") - thread0;
        const double process = processCpuSeconds() - process0;
        std::printf("tune playback thread CPU          %8.3f %% of a core over %.0f s (goal < 1 %%)\n",
                    100 * thread / wall, wall);
        std::printf("whole process CPU (with mixer)    %8.3f %% of a core\n", 100 * process / wall);
        std::printf("tune still playing: %s; blocks played %ld\n", music.busy() ? "yes" : "no",
                    music.blocksPlayed());
    } catch (const std::exception& e) {
        std::cerr << "tavlo_sound_bench: " << e.what() << '\n';
        std::filesystem::remove(conf);
        return 1;
    }
    std::filesystem::remove(conf);
    return 0;
}
