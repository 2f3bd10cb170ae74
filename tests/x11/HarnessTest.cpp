// The harness checked against its own plain-Xlib probe window: finding a window, its place, shape
// and pixels, real input, the window manager's minimise and activate, exit codes, and hiding a
// library from the dynamic loader.
#include <gtest/gtest.h>

#include "Poll.h"
#include "ProbeWindow.h"
#include "ShapeMask.h"
#include "X11Test.h"

namespace {

bool isProbe(const ClientWindow& w)
{
    return w.name == ProbeWindow::Name;
}

ShapeMask probeShape()
{
    ShapeMask mask(ProbeWindow::Width, ProbeWindow::Height);
    mask.add(ProbeWindow::Cut, 0, ProbeWindow::Width, ProbeWindow::Cut);
    mask.add(0, ProbeWindow::Cut, ProbeWindow::Width, ProbeWindow::Height);
    return mask;
}

class HarnessTest : public X11Test {
protected:
    std::unique_ptr<ChildProcess> startProbe(const std::vector<std::string>& arguments = {})
    {
        std::vector<std::string> argv{X11_PROBE};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        return start(argv);
    }
};

TEST_F(HarnessTest, FindsTheWindowWithItsPlaceShapeAndPixels)
{
    auto probe = startProbe();
    const auto w = waitForWindow(probe->pid(), isProbe);
    ASSERT_TRUE(w) << report();
    EXPECT_EQ(w->x, ProbeWindow::Left);
    EXPECT_EQ(w->y, ProbeWindow::Top);
    EXPECT_EQ(w->width, ProbeWindow::Width);
    EXPECT_EQ(w->height, ProbeWindow::Height);

    const ShapeMask expected = probeShape();
    ASSERT_TRUE(server().isShaped(w->id));
    EXPECT_EQ(ShapeMask::fromRectangles(w->width, w->height, server().boundingShape(w->id)).differences(expected), "");
    ASSERT_NE(w->frame, 0u);
    EXPECT_EQ(ShapeMask::fromRectangles(w->width, w->height, server().boundingShape(w->frame)).differences(expected), "");

    const Screenshot shot = server().screenshot();
    EXPECT_EQ(shot.at(w->x + ProbeWindow::Cut / 2, w->y + ProbeWindow::Cut / 2), XServer::Desktop);
    EXPECT_EQ(shot.at(w->x + ProbeWindow::Width / 2, w->y + ProbeWindow::Height / 2), ProbeWindow::Colour);
    EXPECT_EQ(shot.at(w->x + ProbeWindow::Width + 5, w->y), XServer::Desktop);
}

TEST_F(HarnessTest, MinimiseHidesAndActivateBringsBackInPlace)
{
    auto probe = startProbe();
    const auto w = waitForWindow(probe->pid(), isProbe);
    ASSERT_TRUE(w) << report();
    ASSERT_TRUE(xdo().minimize(w->id));
    EXPECT_TRUE(waitForState(w->id, [](const ClientWindow& now) { return !now.viewable; }));
    ASSERT_TRUE(xdo().activate(w->id));
    const auto back = waitForState(w->id, [](const ClientWindow& now) { return now.viewable; });
    ASSERT_TRUE(back);
    EXPECT_EQ(back->x, w->x);
    EXPECT_EQ(back->y, w->y);
}

struct InputCase {
    const char* name;
    int button;         // 0: a key instead
    int expectedExit;
};

class HarnessInputTest : public HarnessTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(HarnessInputTest, RealInputReachesTheWindowAndTheExitCodeComesBack)
{
    auto probe = startProbe();
    const auto w = waitForWindow(probe->pid(), isProbe);
    ASSERT_TRUE(w) << report();
    const int x = w->x + ProbeWindow::Width / 2, y = w->y + ProbeWindow::Height / 2;
    if (GetParam().button)
        ASSERT_TRUE(xdo().click(x, y, GetParam().button));
    else
        ASSERT_TRUE(xdo().mouseMove(x, y) && xdo().key("Return"));
    EXPECT_EQ(probe->waitExit(Patience), GetParam().expectedExit);
}

INSTANTIATE_TEST_SUITE_P(Cases, HarnessInputTest,
                         ::testing::Values(InputCase{"LeftClick", 1, ProbeWindow::ButtonBase + 1},
                                           InputCase{"RightClick", 3, ProbeWindow::ButtonBase + 3},
                                           InputCase{"Return", 0, ProbeWindow::KeyExit}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HarnessTest, ARunningProgramIsReportedAsRunningUntilStopped)
{
    auto probe = startProbe();
    ASSERT_TRUE(waitForWindow(probe->pid(), isProbe)) << report();
    EXPECT_EQ(probe->waitExit(std::chrono::milliseconds(200)), std::nullopt);
    EXPECT_EQ(probe->stop(SIGTERM), 128 + SIGTERM);
}

TEST_F(HarnessTest, AHiddenLibraryDoesNotLoadWhileOthersStillDo)
{
    const auto library = libraryFile("libvorbisenc.so.2");
    auto hidden = startHiding(library, {X11_PROBE, "--dlopen", "libvorbisenc.so.2"});
    EXPECT_EQ(hidden->waitExit(Patience), ProbeWindow::LoadFailed) << report();
    auto other = startHiding(library, {X11_PROBE, "--dlopen", "libvorbisfile.so.3"});
    EXPECT_EQ(other->waitExit(Patience), 0) << report();
    auto outside = startProbe({"--dlopen", "libvorbisenc.so.2"});
    EXPECT_EQ(outside->waitExit(Patience), 0) << report();
}

}  // namespace
