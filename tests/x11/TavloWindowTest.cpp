// The game's real window under Xvfb and openbox: its place and round shape, the desktop in its
// corners, dragging, minimise and restore, the three ways to close it, and the two boxes that can
// come before it (a decoder library missing, a bad score file).
// The game's headers bring Qt, which must come before Xlib: Xlib's macros clash with Qt's names.
#include "Layout.h"
#include "ShapeRegion.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <gtest/gtest.h>

#include "Poll.h"
#include "ShapeMask.h"
#include "X11Test.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

using Layout::WindowWidth;
using Layout::WindowHeight;
constexpr int CentredLeft = (XServer::ScreenWidth - WindowWidth) / 2;
constexpr int CentredTop = (XServer::ScreenHeight - WindowHeight) / 2;

// Places in the window, in its own coordinates.
struct Spot {
    int x, y;
};
constexpr Spot centreOf(const QRect& r)
{
    return {r.x() + r.width() / 2, r.y() + r.height() / 2};
}
constexpr Spot BareSkin{60, 150};         // fiery skin left of the best-score heading
constexpr Spot Rim{244, 4};               // the red ring at the top
constexpr Spot Board{243, 253};           // the middle tile
constexpr Spot Corner{3, 3};              // outside the round shape: the desktop
constexpr Spot LogoStripSide{150, 450};   // the logo strip's empty left side
constexpr Spot NewGame = centreOf(Layout::Image15);
constexpr Spot PreviewCell = centreOf(Layout::previewCell(1));  // Shape1
constexpr Spot Minimise = centreOf(Layout::Image14);
constexpr Spot Exit = centreOf(Layout::Image13);
constexpr Spot ExitButton = centreOf(Layout::Image18);
// Image18's see-through black corner, at the bottom left.
constexpr Spot ExitButtonCorner{Layout::Image18.left() + 1, Layout::Image18.bottom() - 1};
// Rim pixels that no control covers, to compare with the skin picture.
constexpr Spot RimSamples[] = {{244, 2}, {3, 244}, {484, 244}, {244, 485}};

constexpr std::uint32_t Lime = 0x00FF00;  // the skin picture's background, never to be seen
constexpr Spot DragBy{80, 60};

const fs::path DataFolder = TAVLO_ASSETS "/data";
const fs::path ShapeFile = TAVLO_ASSETS "/pictures/shape.rgn";
const fs::path SkinFile = TAVLO_ASSETS "/pictures/skin.bmp";

std::string bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A pixel of the 16-bit skin picture (5 bits a channel, rows bottom first) as 0xRRGGBB.
std::uint32_t skinPixel(int x, int y)
{
    const std::string skin = bytesOf(SkinFile);
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(skin.at(i)); };
    const std::size_t offset = at(10) | at(11) << 8 | at(12) << 16 | static_cast<std::size_t>(at(13)) << 24;
    const std::size_t i = offset + static_cast<std::size_t>((WindowHeight - 1 - y) * WindowWidth * 2 + x * 2);
    const unsigned v = at(i) | at(i + 1) << 8;
    const auto widen = [](unsigned five) { return (five << 3) | (five >> 2); };
    return widen(v >> 10 & 31) << 16 | widen(v >> 5 & 31) << 8 | widen(v & 31);
}

// The stored shape as the window reads it, within the window.
ShapeMask storedShape()
{
    ShapeMask mask(WindowWidth, WindowHeight);
    const auto rects = ShapeRegion::parse(QByteArray::fromStdString(bytesOf(ShapeFile)));
    if (!rects)
        mask.add(0, 0, WindowWidth, WindowHeight);
    else
        for (const QRect& r : *rects)
            mask.add(r.x(), r.y(), r.x() + r.width(), r.y() + r.height());
    return mask;
}

bool near(std::uint32_t a, std::uint32_t b)
{
    for (int shift : {0, 8, 16}) {
        const int d = static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF);
        if (d < -8 || d > 8)
            return false;
    }
    return true;
}

bool isMainWindow(const ClientWindow& w)
{
    return w.name == "Tavlo" && w.width == WindowWidth && w.height == WindowHeight;
}

bool isScoreBox(const ClientWindow& w)
{
    return w.name == "Tavlo" && !(w.width == WindowWidth && w.height == WindowHeight);
}

bool isStartupBox(const ClientWindow& w)
{
    return w.name == "Application Error";
}

class TavloTest : public X11Test {
protected:
    TavloTest() : X11Test(DataFolder) {}

    std::unique_ptr<ChildProcess> startTavlo() { return start({TAVLO_PROGRAM}); }

    std::optional<ClientWindow> mainWindow(const ChildProcess& tavlo)
    {
        return waitForWindow(tavlo.pid(), isMainWindow);
    }

    bool click(const ClientWindow& w, Spot s) { return xdo().click(w.x + s.x, w.y + s.y); }

    // Presses the button at the spot, moves the pointer by DragBy in steps and releases it. When
    // the window should follow, waits until it has, nudging the pointer now and then in case the
    // window manager's move began after the last step.
    void drag(const ClientWindow& w, Spot from, int button, bool follows)
    {
        const int x0 = w.x + from.x, y0 = w.y + from.y;
        ASSERT_TRUE(xdo().mouseMove(x0, y0));
        ASSERT_TRUE(xdo().mouseDown(button));
        for (int step = 1; step <= 4; ++step)
            ASSERT_TRUE(xdo().mouseMove(x0 + DragBy.x * step / 4, y0 + DragBy.y * step / 4));
        if (follows) {
            int nudge = 0;
            const auto moved = waitForState(w.id, [&](const ClientWindow& now) {
                if (now.x == w.x + DragBy.x && now.y == w.y + DragBy.y)
                    return true;
                if (++nudge % 50 == 0) {
                    xdo().mouseMove(x0 + DragBy.x + 1, y0 + DragBy.y);
                    xdo().mouseMove(x0 + DragBy.x, y0 + DragBy.y);
                }
                return false;
            });
            EXPECT_TRUE(moved) << "the window did not follow the pointer\n" << report();
        }
        ASSERT_TRUE(xdo().mouseUp(button));
        // The game has handled the drag and openbox whatever the game asked of it.
        ASSERT_TRUE(server().pingClient(w.id, Patience));
        ASSERT_TRUE(server().syncWindowManager(Patience));
    }

    // The window's shape, on the client and on openbox's frame, is the stored region within the
    // window, and the screen shows the desktop exactly outside it.
    void expectRoundAt(const ClientWindow& w)
    {
        const ShapeMask stored = storedShape();
        ASSERT_TRUE(server().isShaped(w.id));
        EXPECT_EQ(ShapeMask::fromRectangles(WindowWidth, WindowHeight, server().boundingShape(w.id)).differences(stored), "");
        EXPECT_EQ(ShapeMask::fromRectangles(WindowWidth, WindowHeight, server().boundingShape(w.frame)).differences(stored), "");

        // The window is painted a moment after it is mapped, perhaps piece by piece: look until
        // the screen is right or the time is up, then report what was last seen.
        std::vector<std::uint32_t> rimExpected;
        for (const Spot s : RimSamples)
            rimExpected.push_back(skinPixel(s.x, s.y));
        struct Seen {
            int coveredOutside = 0, desktopInside = 0, lime = 0, rimWrong = 0;
        };
        const auto look = [&] {
            const Screenshot shot = server().screenshot();
            Seen seen;
            for (int y = 0; y < WindowHeight; ++y)
                for (int x = 0; x < WindowWidth; ++x) {
                    const std::uint32_t p = shot.at(w.x + x, w.y + y);
                    if (stored.covers(x, y)) {
                        seen.desktopInside += p == XServer::Desktop;
                        seen.lime += p == Lime;
                    } else {
                        seen.coveredOutside += p != XServer::Desktop;
                    }
                }
            for (std::size_t i = 0; i < std::size(RimSamples); ++i)
                seen.rimWrong += !near(shot.at(w.x + RimSamples[i].x, w.y + RimSamples[i].y), rimExpected[i]);
            return seen;
        };
        Seen seen;
        Poll::until([&] {
            seen = look();
            return seen.coveredOutside + seen.desktopInside + seen.lime + seen.rimWrong == 0;
        }, Patience, 50ms);
        EXPECT_EQ(seen.coveredOutside, 0) << "pixels outside the shape that do not show the desktop";
        EXPECT_EQ(seen.desktopInside, 0) << "pixels inside the shape that show the desktop";
        EXPECT_EQ(seen.lime, 0) << "pixels of the skin's lime background";
        EXPECT_EQ(seen.rimWrong, 0) << "rim pixels that are not the skin picture's";
    }

    // Watches until the program ends; whether its main window was ever seen meanwhile.
    bool mainWindowSeenUntilExit(ChildProcess& tavlo, std::optional<int>& exitCode)
    {
        bool seen = false;
        Poll::until([&] {
            seen = seen || hasWindow(tavlo.pid(), isMainWindow);
            exitCode = tavlo.waitExit(0ms);
            return exitCode.has_value();
        }, Patience);
        return seen;
    }
};

TEST_F(TavloTest, StartsCentredAndRoundWithTheDesktopInItsCorners)
{
    auto tavlo = startTavlo();
    const auto w = mainWindow(*tavlo);
    ASSERT_TRUE(w) << report();
    EXPECT_EQ(w->x, CentredLeft);
    EXPECT_EQ(w->y, CentredTop);
    expectRoundAt(*w);
    EXPECT_EQ(programOutput(), "");
}

struct DragCase {
    const char* name;
    Spot from;
    int button;
    bool moves;
};

class TavloDragTest : public TavloTest, public ::testing::WithParamInterface<DragCase> {};

// A drag that must not move the window is followed by one on the bare skin that must, from where
// the window stands then: it ends exactly DragBy from the start only if the first did not move it.
TEST_P(TavloDragTest, OnlyALeftDragOnBareSkinMovesTheWindow)
{
    auto tavlo = startTavlo();
    const auto w = mainWindow(*tavlo);
    ASSERT_TRUE(w) << report();
    const DragCase c = GetParam();
    drag(*w, c.from, c.button, c.moves);
    if (!c.moves) {
        const auto after = server().window(w->id);
        ASSERT_TRUE(after);
        EXPECT_EQ(after->x, w->x);
        EXPECT_EQ(after->y, w->y);
        drag(*after, BareSkin, 1, true);
    }
    const auto now = server().window(w->id);
    ASSERT_TRUE(now);
    EXPECT_EQ(now->x, w->x + DragBy.x);
    EXPECT_EQ(now->y, w->y + DragBy.y);
    EXPECT_TRUE(tavlo->running());
}

INSTANTIATE_TEST_SUITE_P(Cases, TavloDragTest,
                         ::testing::Values(DragCase{"LeftOnBareSkin", BareSkin, 1, true},
                                           DragCase{"LeftOnRim", Rim, 1, true},
                                           DragCase{"LeftOnBoard", Board, 1, false},
                                           DragCase{"LeftOnCornerOutsideTheShape", Corner, 1, false},
                                           DragCase{"LeftOnLogoStripSide", LogoStripSide, 1, false},
                                           DragCase{"LeftOnNewGame", NewGame, 1, false},
                                           DragCase{"LeftOnPreview", PreviewCell, 1, false},
                                           DragCase{"RightOnBareSkin", BareSkin, 3, false},
                                           DragCase{"MiddleOnBareSkin", BareSkin, 2, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RestoreCase {
    const char* name;
    bool (XdoTool::*restore)(Window) const;
};

class TavloRestoreTest : public TavloTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(TavloRestoreTest, MinimiseAndRestoreKeepPlaceAndShape)
{
    auto tavlo = startTavlo();
    const auto start = mainWindow(*tavlo);
    ASSERT_TRUE(start) << report();
    drag(*start, BareSkin, 1, true);
    const auto dropped = server().window(start->id);
    ASSERT_TRUE(dropped);

    ASSERT_TRUE(click(*dropped, Minimise));
    ASSERT_TRUE(waitForState(dropped->id, [](const ClientWindow& now) { return !now.viewable; }))
        << "the window did not go\n" << report();
    ASSERT_TRUE((xdo().*GetParam().restore)(dropped->id));
    const auto back = waitForState(dropped->id, [](const ClientWindow& now) { return now.viewable; });
    ASSERT_TRUE(back) << "the window did not come back\n" << report();
    EXPECT_EQ(back->x, dropped->x);
    EXPECT_EQ(back->y, dropped->y);
    expectRoundAt(*back);
    EXPECT_TRUE(tavlo->running());
}

INSTANTIATE_TEST_SUITE_P(Cases, TavloRestoreTest,
                         ::testing::Values(RestoreCase{"Activate", &XdoTool::activate},
                                           RestoreCase{"Map", &XdoTool::map}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CloseCase {
    const char* name;
    Spot click;          // where to click; the key below when not in the window
    const char* key;
};

class TavloCloseTest : public TavloTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(TavloCloseTest, ClosingEndsWithZeroAndWritesNothing)
{
    const std::string score = bytesOf(folder().data() / "data.iso");
    auto tavlo = startTavlo();
    const auto w = mainWindow(*tavlo);
    ASSERT_TRUE(w) << report();
    if (GetParam().key)
        ASSERT_TRUE(xdo().activate(w->id) && xdo().key(GetParam().key));
    else
        ASSERT_TRUE(click(*w, GetParam().click));
    EXPECT_EQ(tavlo->waitExit(Patience), 0) << report();
    EXPECT_EQ(bytesOf(folder().data() / "data.iso"), score);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder().data()))
        ++entries;
    EXPECT_EQ(entries, 2) << "files appeared in the data folder";
    EXPECT_EQ(programOutput(), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, TavloCloseTest,
                         ::testing::Values(CloseCase{"Image13", Exit, nullptr},
                                           CloseCase{"Image18", ExitButton, nullptr},
                                           CloseCase{"Image18SeeThroughCorner", ExitButtonCorner, nullptr},
                                           CloseCase{"WindowManagerClose", {}, "alt+F4"}),
                         [](const auto& info) { return std::string(info.param.name); });

class TavloMissingLibraryTest : public TavloTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(TavloMissingLibraryTest, StartupBoxThenExitCodeOneWithoutTheWindow)
{
    auto tavlo = startHiding(libraryFile(GetParam()), {TAVLO_PROGRAM});
    const auto box = waitForWindow(tavlo->pid(), isStartupBox);
    ASSERT_TRUE(box) << report();
    EXPECT_FALSE(hasWindow(tavlo->pid(), isMainWindow));
    ASSERT_TRUE(xdo().activate(box->id) && xdo().key("Return"));
    std::optional<int> exitCode;
    EXPECT_FALSE(mainWindowSeenUntilExit(*tavlo, exitCode));
    EXPECT_EQ(exitCode, 1) << report();
}

INSTANTIATE_TEST_SUITE_P(Cases, TavloMissingLibraryTest,
                         ::testing::Values("libogg.so.0", "libvorbis.so.0", "libvorbisfile.so.3", "libvorbisenc.so.2"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(3, name.find('.') - 3);
                         });

struct ScoreCase {
    const char* name;
    const char* contents;  // nullptr: no score file at all
};

class TavloScoreFileTest : public TavloTest, public ::testing::WithParamInterface<ScoreCase> {};

TEST_P(TavloScoreFileTest, TheBoxComesBeforeTheWindowAndTheGameGoesOn)
{
    const fs::path file = folder().data() / "data.iso";
    if (GetParam().contents)
        std::ofstream(file, std::ios::binary | std::ios::trunc) << GetParam().contents;
    else
        fs::remove(file);

    auto tavlo = startTavlo();
    const auto box = waitForWindow(tavlo->pid(), isScoreBox);
    ASSERT_TRUE(box) << report();
    EXPECT_FALSE(hasWindow(tavlo->pid(), isMainWindow)) << "the window came before the box";
    ASSERT_TRUE(xdo().activate(box->id) && xdo().key("Return"));
    const auto w = mainWindow(*tavlo);
    ASSERT_TRUE(w) << report();
    ASSERT_TRUE(click(*w, Exit));
    EXPECT_EQ(tavlo->waitExit(Patience), 0) << report();
    EXPECT_EQ(fs::exists(file), GetParam().contents != nullptr);
    if (GetParam().contents) {
        EXPECT_EQ(bytesOf(file), GetParam().contents);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TavloScoreFileTest,
                         ::testing::Values(ScoreCase{"Missing", nullptr}, ScoreCase{"Empty", ""},
                                           ScoreCase{"NotANumber", "best\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
