// The whole window on the offscreen platform: the layout table, start-up, click routing, the
// overlays and the failure box.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

#include "BoxCatcher.h"
#include "PictureBox.h"
#include "PictureLoader.h"
#include "Round.h"
#include "RoundedShape.h"
#include "TForm1.h"
#include "TextLabel.h"

namespace {

// Each test runs in a scratch folder holding the run folder's data/.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scratch_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir(scratch_.path()).mkdir(QStringLiteral("data")));
        QDir::setCurrent(scratch_.path());
        writeScoreFile("60\r\n");
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    static void writeScoreFile(const QByteArray& bytes)
    {
        QFile file(QStringLiteral("data/data.iso"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    template <class T = QWidget>
    static T* control(TForm1& form, const char* name)
    {
        T* found = form.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void show(TForm1& form)
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    // Runs the shuffle and the deal by hand until the round is in play.
    static void dealRound(TForm1& form)
    {
        for (int tick = 0; tick < 150 && !form.round().state().DealSlot; ++tick)
            form.dispatch([&] { form.Timer1Timer(); });
        for (int tick = 0; tick < 10000 && !form.round().state().Playing; ++tick)
            form.dispatch([&] { form.Timer2Timer(); });
        ASSERT_TRUE(form.round().state().Playing);
    }

    static void clickAt(TForm1& form, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(form.windowHandle(), button, {}, at);
    }

    // Window coordinates of the middle of tile k where it stands now.
    static QPoint tileCentre(const TForm1& form, int k)
    {
        const TilePosition p = form.round().board().tile(k);
        return {114 + p.Left + 40, 124 + p.Top + 40};
    }

    // A coloured tile beside the hole, and one that is not.
    static std::pair<int, int> besideAndAway(const TForm1& form)
    {
        const TilePosition hole = form.round().board().hole();
        int beside = 0, away = 0;
        for (int k = 1; k <= 8; ++k) {
            const TilePosition p = form.round().board().tile(k);
            const int distance = std::abs(p.Left - hole.Left) + std::abs(p.Top - hole.Top);
            (distance == 88 ? beside : away) = k;
        }
        return {beside, away};
    }

    QTemporaryDir scratch_;
    QString previous_;
};

struct LayoutRow {
    const char* name;
    const char* parent;
    QRect box;
    bool hidden;
    const char* hint;
};

// In creation order within each parent, which is also the stacking order, lowest first.
const LayoutRow Layout[] = {
    {"CoolForm1", "Form1", {0, 0, 488, 489}, false, ""},
    {"Image11", "Form1", {194, 18, 100, 100}, false, ""},
    {"Shape8", "Form1", {232, 88, 25, 25}, false, ""},
    {"Shape9", "Form1", {264, 88, 25, 25}, false, ""},
    {"Shape7", "Form1", {200, 88, 25, 25}, false, ""},
    {"Shape6", "Form1", {264, 56, 25, 25}, false, ""},
    {"Shape5", "Form1", {232, 56, 25, 25}, false, ""},
    {"Shape4", "Form1", {200, 56, 25, 25}, false, ""},
    {"Shape3", "Form1", {264, 24, 25, 25}, false, ""},
    {"Shape2", "Form1", {232, 24, 25, 25}, false, ""},
    {"Shape1", "Form1", {200, 24, 25, 25}, false, ""},
    {"Image10", "Form1", {0, 408, 490, 57}, false, ""},
    {"Image12", "Form1", {293, 74, 50, 51}, false, ""},
    {"Image13", "Form1", {344, 416, 20, 20}, false, "Exit"},
    {"Image14", "Form1", {120, 416, 20, 20}, false, "Minimize"},
    {"Image15", "Form1", {24, 184, 82, 28}, false, ""},
    {"Image16", "Form1", {24, 232, 82, 28}, false, ""},
    {"Image18", "Form1", {24, 280, 82, 28}, false, ""},
    {"Shape10", "Form1", {392, 216, 72, 70}, false, ""},
    {"Image17", "Form1", {400, 225, 56, 52}, false, ""},
    {"Label1", "Form1", {392, 242, 71, 23}, false, ""},
    {"Image21", "Form1", {112, 56, 83, 37}, false, ""},
    {"Label3", "Form1", {119, 87, 71, 23}, false, ""},
    {"Panel10", "Form1", {114, 124, 260, 260}, false, ""},
    {"Panel11", "Form1", {112, 120, 265, 265}, true, ""},
    {"skore", "Form1", {32, 8, 25, 25}, true, ""},
    {"Panel12", "Form1", {112, 120, 265, 265}, true, ""},
    {"Panel1", "Panel10", {1, 1, 81, 81}, false, ""},
    {"Panel2", "Panel10", {89, 1, 81, 81}, false, ""},
    {"Panel3", "Panel10", {177, 1, 81, 81}, false, ""},
    {"Panel4", "Panel10", {1, 89, 81, 81}, false, ""},
    {"Panel5", "Panel10", {89, 89, 81, 81}, false, ""},
    {"Panel6", "Panel10", {177, 89, 81, 81}, false, ""},
    {"Panel7", "Panel10", {1, 177, 81, 81}, false, ""},
    {"Panel8", "Panel10", {89, 177, 81, 81}, false, ""},
    {"Panel9", "Panel10", {177, 177, 81, 81}, false, ""},
    {"Image1", "Panel1", {0, 0, 81, 81}, false, ""},
    {"Image2", "Panel2", {0, 0, 81, 81}, false, ""},
    {"Image3", "Panel3", {0, 0, 81, 81}, false, ""},
    {"Image4", "Panel4", {0, 0, 81, 81}, false, ""},
    {"Image5", "Panel5", {0, 0, 81, 81}, false, ""},
    {"Image6", "Panel6", {0, 0, 81, 81}, false, ""},
    {"Image7", "Panel7", {0, 0, 81, 81}, false, ""},
    {"Image8", "Panel8", {0, 0, 81, 81}, false, ""},
    {"Image9", "Panel9", {0, 0, 81, 81}, false, ""},
    {"Image19", "Panel11", {2, 89, 261, 30}, false, ""},
    {"Label2", "Panel11", {2, 144, 261, 73}, false, ""},
    {"Image20", "Panel11", {13, 229, 20, 20}, false, "Exit"},
    {"Image22", "Panel12", {2, 2, 260, 260}, false, ""},
    {"Image23", "Panel12", {13, 229, 20, 20}, false, "Exit"},
};

TEST_F(WindowTest, EveryControlStandsAsTheLayoutSays)
{
    TForm1 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tavlo"));
    EXPECT_EQ(form.size(), QSize(488, 489));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_TRUE(form.testAttribute(Qt::WA_AlwaysShowToolTips));
    for (const LayoutRow& row : Layout) {
        QWidget* w = control(form, row.name);
        ASSERT_NE(w, nullptr);
        SCOPED_TRACE(row.name);
        ASSERT_NE(w->parentWidget(), nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(row.parent));
        EXPECT_EQ(w->geometry(), row.box);
        EXPECT_EQ(w->isHidden(), row.hidden);
        EXPECT_EQ(w->toolTip(), QLatin1String(row.hint));
        if (*row.hint) {
            EXPECT_EQ(w->toolTipDuration(), 2500);
        }
    }
}

TEST_F(WindowTest, ControlsStackInTableOrderWithNothingElseBesideThem)
{
    TForm1 form;
    QList<QWidget*> parents = form.findChildren<QWidget*>();
    parents << &form;
    for (QWidget* parent : parents) {
        QStringList expected;
        for (const LayoutRow& row : Layout)
            if (parent->objectName() == QLatin1String(row.parent))
                expected << QLatin1String(row.name);
        if (expected.isEmpty() && parent->objectName() != QStringLiteral("Form1"))
            continue;
        QStringList stacked;
        for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            stacked << child->objectName();
        EXPECT_EQ(stacked, expected) << parent->objectName().toStdString();
    }
}

TEST_F(WindowTest, PicturesAreDrawnWithTheirOptions)
{
    TForm1 form;
    const struct {
        const char* name;
        QSize picture;
        QPoint offset;
        bool transparent;
    } pictures[] = {
        {"CoolForm1", {488, 489}, {0, 0}, false}, {"Image11", {100, 100}, {0, 0}, false},
        {"Image10", {153, 57}, {168, 0}, false},  {"Image12", {50, 51}, {0, 0}, true},
        {"Image13", {20, 20}, {0, 0}, false},     {"Image14", {20, 20}, {0, 0}, false},
        {"Image15", {82, 28}, {0, 0}, false},     {"Image16", {82, 28}, {0, 0}, false},
        {"Image18", {82, 28}, {0, 0}, true},      {"Image17", {56, 52}, {0, 0}, true},
        {"Image21", {83, 37}, {0, 0}, false},     {"Image1", {81, 81}, {0, 0}, false},
        {"Image9", {81, 81}, {0, 0}, false},      {"Image19", {120, 30}, {70, 0}, false},
        {"Image20", {20, 20}, {0, 0}, false},     {"Image22", {260, 260}, {0, 0}, false},
        {"Image23", {20, 20}, {0, 0}, false},
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.name);
        auto* box = control<PictureBox>(form, p.name);
        ASSERT_NE(box, nullptr);
        const QImage& drawn = box->drawnPicture();
        EXPECT_EQ(drawn.size(), p.picture);
        EXPECT_EQ(box->pictureOffset(), p.offset);
        int clear = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                clear += qAlpha(drawn.pixel(x, y)) == 0;
        EXPECT_EQ(qAlpha(drawn.pixel(0, drawn.height() - 1)) == 0, p.transparent);
        EXPECT_EQ(clear > 0, p.transparent);
        EXPECT_LT(clear, drawn.width() * drawn.height());
    }
}

// Each row's span runs from the first non-lime pixel of the skin + 1 to the last non-lime pixel,
// and on to column 488 where the run reaches the right edge.
TEST_F(WindowTest, TheWindowShapeAgreesWithTheSkin)
{
    TForm1 form;
    const QRegion mask = form.mask();
    const QImage skin = PictureLoader::load(QStringLiteral("skin.bmp"));
    const QRgb lime = skin.pixel(0, 0);
    ASSERT_EQ(skin.size(), QSize(488, 489));
    for (int y = 0; y < skin.height(); ++y) {
        int first = -1, last = -1;
        for (int x = 0; x < skin.width(); ++x)
            if (skin.pixel(x, y) != lime) {
                first = first < 0 ? x : first;
                last = x;
            }
        ASSERT_GE(first, 0) << "row " << y;
        const int right = last == 487 ? 488 : last;  // inclusive
        for (int x = 0; x <= 489; ++x) {
            const bool inside = x >= first + 1 && x <= right;
            if (mask.contains(QPoint(x, y)) != inside) {
                ADD_FAILURE() << "row " << y << " column " << x << " expected inside " << inside;
                return;
            }
        }
    }
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(487, 488)));
}

TEST_F(WindowTest, StartsWithAWhitePreviewZeroCountersAndTheWatchAfterTheNewGame)
{
    TForm1 form;
    for (int k = 1; k <= 9; ++k) {
        auto* cell = control<RoundedShape>(form, QStringLiteral("Shape%1").arg(k).toLatin1());
        EXPECT_EQ(cell->fill(), QColor(255, 255, 255));
        EXPECT_EQ(control(form, QStringLiteral("Panel%1").arg(k).toLatin1())->pos(),
                  QPoint(slotLeft(k), slotTop(k)));
    }
    for (const char* label : {"Label1", "Label2", "Label3"})
        EXPECT_EQ(control<TextLabel>(form, label)->caption(), QStringLiteral("0"));
    EXPECT_TRUE(control(form, "skore")->isHidden());
    // The new game switched the watch on; its first run shows the best score read from the file.
    QApplication::processEvents();
    EXPECT_EQ(control<TextLabel>(form, "Label3")->caption(), QStringLiteral("60"));
    EXPECT_EQ(control<QListWidget>(form, "skore")->count(), 1);
}

TEST_F(WindowTest, ClicksReachTheTopmostVisibleControl)
{
    TForm1 form;
    show(form);
    dealRound(form);
    QApplication::processEvents();
    const Board before = form.round().board();
    const auto [beside, away] = besideAndAway(form);
    ASSERT_NE(beside, 0);
    ASSERT_NE(away, 0);

    // Nothing moves: a tile two away, the hole, the gap between tiles, a right click beside the
    // hole, the preview, the counter and the logo strip's empty side.
    const QPoint idle[] = {tileCentre(form, away), tileCentre(form, 9),
                           QPoint(114 + 84, 124 + 40), QPoint(114 + 40, 124 + 84),
                           QPoint(212, 36), QPoint(420, 250), QPoint(60, 430)};
    for (const QPoint& at : idle)
        clickAt(form, at);
    clickAt(form, tileCentre(form, beside), Qt::RightButton);
    EXPECT_TRUE(form.round().board().tile(beside) == before.tile(beside));
    EXPECT_EQ(form.round().state().MoveCount, 0);

    // The tile's picture covers the tile: a click on it slides the tile into the hole, and the
    // watch then shows the count.
    clickAt(form, tileCentre(form, beside));
    EXPECT_TRUE(form.round().board().tile(beside) == before.hole());
    EXPECT_TRUE(form.round().board().hole() == before.tile(beside));
    QApplication::processEvents();
    EXPECT_EQ(control<TextLabel>(form, "Label1")->caption(), QStringLiteral("1"));
    EXPECT_EQ(control(form, "Panel9")->pos(), QPoint(before.tile(beside).Left, before.tile(beside).Top));
}

TEST_F(WindowTest, TheVictoryOverlayCoversTheBoardAndItsCloseButtonStartsANewGame)
{
    TForm1 form;
    show(form);
    dealRound(form);
    QApplication::processEvents();  // the watch after the deal, which draws the round once more
    QWidget* victory = control(form, "Panel11");
    victory->show();
    const Board before = form.round().board();
    const int beside = besideAndAway(form).first;
    clickAt(form, tileCentre(form, beside));
    EXPECT_TRUE(form.round().board().tile(beside) == before.tile(beside));
    EXPECT_EQ(form.childAt(tileCentre(form, beside))->objectName(), QStringLiteral("Panel11"));

    clickAt(form, QPoint(112 + 13 + 10, 120 + 229 + 10));  // Image20
    EXPECT_TRUE(victory->isHidden());
    EXPECT_FALSE(form.round().state().Playing);
    EXPECT_EQ(form.round().state().ShuffleTicks, 0);
}

TEST_F(WindowTest, TheHelpOverlayLiesAboveTheVictoryOverlayAndClosesWithItsButton)
{
    TForm1 form;
    show(form);
    dealRound(form);
    QApplication::processEvents();
    control(form, "Panel11")->show();
    clickAt(form, QPoint(24 + 40, 232 + 14));  // Image16
    QWidget* help = control(form, "Panel12");
    EXPECT_FALSE(help->isHidden());
    QWidget* top = form.childAt(QPoint(244, 250));
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(help->isAncestorOf(top));
    const Board before = form.round().board();
    const int beside = besideAndAway(form).first;
    clickAt(form, tileCentre(form, beside));
    EXPECT_TRUE(form.round().board().tile(beside) == before.tile(beside));

    clickAt(form, QPoint(24 + 40, 232 + 14));  // help again: stays shown
    EXPECT_FALSE(help->isHidden());
    clickAt(form, QPoint(112 + 13 + 10, 120 + 229 + 10));  // Image23
    EXPECT_TRUE(help->isHidden());
    EXPECT_TRUE(form.round().state().Playing);  // closing the help starts nothing
}

struct BadScoreFile {
    const char* name;
    std::optional<QByteArray> bytes;  // none: no file at all
    const char* shown;
};

void PrintTo(const BadScoreFile& file, std::ostream* out)
{
    *out << file.name;
}

class StartupFailureTest : public WindowTest, public ::testing::WithParamInterface<BadScoreFile> {};

TEST_P(StartupFailureTest, ShowsTheBoxBeforeTheWindowAndLeavesTheRoundNotStarted)
{
    if (GetParam().bytes)
        writeScoreFile(*GetParam().bytes);
    else
        ASSERT_TRUE(QFile::remove(QStringLiteral("data/data.iso")));
    BoxCatcher boxes;
    TForm1 form;
    ASSERT_EQ(boxes.seen().size(), 1u);
    const SeenBox& box = boxes.seen()[0];
    EXPECT_EQ(box.caption, QStringLiteral("Tavlo"));
    EXPECT_EQ(box.text, QLatin1String(GetParam().shown));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(box.modality, Qt::ApplicationModal);
    EXPECT_FALSE(form.isVisible());

    show(form);
    QTest::qWait(60);  // three shuffle periods: nothing may move
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(control(form, QStringLiteral("Panel%1").arg(k).toLatin1())->pos(),
                  QPoint(slotLeft(k), slotTop(k)));
    EXPECT_EQ(control<RoundedShape>(form, "Shape5")->fill(), QColor(255, 255, 255));
    EXPECT_EQ(control<TextLabel>(form, "Label1")->caption(), QStringLiteral("0"));
    EXPECT_EQ(control<TextLabel>(form, "Label3")->caption(), QStringLiteral("0"));
    EXPECT_FALSE(form.round().state().Playing);
    EXPECT_EQ(boxes.seen().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    ScoreFiles, StartupFailureTest,
    ::testing::Values(BadScoreFile{"Missing", std::nullopt, "Cannot open file data/data.iso."},
                      BadScoreFile{"Empty", QByteArray(), "List index out of bounds (0)"},
                      BadScoreFile{"NotANumber", QByteArray("abc\r\n60\r\n"),
                                   "'abc' is not a valid integer value."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, AFailedNewGameShowsTheBoxAndTheRoundGoesOn)
{
    TForm1 form;
    show(form);
    clickAt(form, QPoint(24 + 40, 232 + 14));  // help
    ASSERT_FALSE(control(form, "Panel12")->isHidden());
    writeScoreFile("x\r\n");
    BoxCatcher boxes;
    clickAt(form, QPoint(24 + 40, 184 + 14));  // new game
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].text, QStringLiteral("'x' is not a valid integer value."));
    EXPECT_TRUE(control(form, "Panel12")->isHidden());
    EXPECT_EQ(control<QListWidget>(form, "skore")->item(0)->text(), QStringLiteral("x"));
    // The shuffle of the first new game runs on.
    const int ticks = form.round().state().ShuffleTicks;
    QTest::qWait(100);
    EXPECT_GT(form.round().state().ShuffleTicks, ticks);
}

TEST_F(WindowTest, ExitButtonsAndTheWindowSystemCloseTheWindow)
{
    for (QPoint exitAt : {QPoint(344 + 10, 416 + 10), QPoint(24 + 40, 280 + 14), QPoint(24 + 2, 280 + 26)}) {
        TForm1 form;
        show(form);
        clickAt(form, exitAt);
        EXPECT_FALSE(form.isVisible()) << exitAt.x() << "," << exitAt.y();
        // A second close finds no music output and still closes.
        EXPECT_TRUE(form.close());
    }
}

}  // namespace
