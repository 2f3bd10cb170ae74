// The controls on their own: clicks, labels, rounded shapes and bevelled panels.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "BevelPanel.h"
#include "Layout.h"
#include "RoundedShape.h"
#include "TextLabel.h"

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// Draws a widget alone on a magenta ground, so what it leaves undrawn shows.
QImage drawn(QWidget& w)
{
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    w.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

TEST(Control, ClicksOnALeftReleaseOverThePressedControlOnly)
{
    QWidget window;
    window.resize(100, 100);
    Control control(&window);
    control.setGeometry(10, 10, 30, 30);
    QSignalSpy clicks(&control, &Control::clicked);
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(&control, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseClick(&control, Qt::MiddleButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    // Released outside the control: no click.
    QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(50, 5));
    EXPECT_EQ(clicks.count(), 1);
    // A release without a press on it: no click.
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(TextLabel, RepaintsOnlyWhenTheTextChanges)
{
    QWidget window;
    window.resize(Layout::WindowWidth, Layout::WindowHeight);
    TextLabel label(&window, Layout::Label1, Layout::LabelPixelSize, QStringLiteral("0"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
    PaintCounter paints(&label);
    label.setCaption(QStringLiteral("0"));
    QTest::qWait(50);  // longer than a frame: a pending repaint would have happened
    EXPECT_EQ(paints.count, 0);
    label.setCaption(QStringLiteral("12"));
    for (int waited = 0; waited < 1000 && paints.count == 0; waited += 10)
        QTest::qWait(10);
    EXPECT_GE(paints.count, 1);
    EXPECT_EQ(label.caption(), QStringLiteral("12"));
    EXPECT_EQ(label.font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(label.font().bold());
    EXPECT_EQ(label.font().pixelSize(), Layout::LabelPixelSize);
    EXPECT_EQ(QFontInfo(label.font()).family(), QStringLiteral("Liberation Sans"));
}

TEST(TextLabel, DrawsWhiteTextCentredAtTheTopWithoutBackground)
{
    TextLabel label(nullptr, QRect(0, 0, 71, 23), Layout::LabelPixelSize, QStringLiteral("8"));
    const QImage image = drawn(label);
    int left = image.width(), right = -1, top = image.height();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 255, 255)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
            }
    ASSERT_GE(right, 0) << "no white ink";
    EXPECT_NEAR((left + right) / 2.0, 35.0, 2.0);
    EXPECT_LT(top, 6);
    EXPECT_EQ(image.pixel(0, 0), QColor(Qt::magenta).rgb());
    EXPECT_EQ(image.pixel(70, 22), QColor(Qt::magenta).rgb());
}

TEST(RoundedShape, DrawsPreviewCellsAndTheCounterFrame)
{
    RoundedShape cell(nullptr, Layout::previewCell(1), RoundedShape::Kind::RoundRect,
                      QColor(255, 255, 255), Qt::black);
    EXPECT_EQ(cell.outlineRect(), QRect(0, 0, 25, 25));
    EXPECT_EQ(cell.cornerEllipse(), 6);
    cell.setFill(QColor(0x39, 0x9D, 0xB7));
    QImage image = drawn(cell);
    EXPECT_EQ(image.pixel(12, 12), qRgb(0x39, 0x9D, 0xB7));
    EXPECT_EQ(image.pixel(0, 12), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(24, 12), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(12, 24), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(0, 0), QColor(Qt::magenta).rgb());  // outside the rounded corner

    RoundedShape frame(nullptr, Layout::Shape10, RoundedShape::Kind::RoundSquare, Qt::black,
                       QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(frame.outlineRect(), QRect(1, 0, 70, 70));
    EXPECT_EQ(frame.cornerEllipse(), 17);
    image = drawn(frame);
    EXPECT_EQ(image.pixel(1, 35), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(image.pixel(70, 35), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(image.pixel(0, 35), QColor(Qt::magenta).rgb());
    EXPECT_EQ(image.pixel(71, 35), QColor(Qt::magenta).rgb());
    EXPECT_EQ(image.pixel(35, 35), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(35, 69), qRgb(0xC0, 0xC0, 0xC0));
}

TEST(BevelPanel, RaisedOutsideLoweredInsideInTheSystemColours)
{
    BevelPanel overlay(nullptr, Layout::Panel11, BevelPanel::Frame::RaisedLowered);
    const QRgb light = overlay.palette().color(QPalette::Light).rgb();
    const QRgb dark = overlay.palette().color(QPalette::Dark).rgb();
    ASSERT_NE(light, dark);
    const QImage image = drawn(overlay);
    const int r = 264;
    const struct {
        QPoint at;
        QRgb colour;
    } cases[] = {{{0, 0}, light},       {{0, 100}, light},      {{100, 0}, light},
                 {{r, 100}, dark},      {{100, r}, dark},       {{r, 0}, dark},
                 {{0, r}, dark},        {{1, 1}, dark},         {{1, 100}, dark},
                 {{100, 1}, dark},      {{r - 1, 100}, light},  {{100, r - 1}, light},
                 {{2, 2}, qRgb(0, 0, 0)}, {{132, 132}, qRgb(0, 0, 0)}};
    for (const auto& c : cases)
        EXPECT_EQ(image.pixel(c.at), c.colour) << c.at.x() << "," << c.at.y();

    BevelPanel board(nullptr, Layout::Panel10, BevelPanel::Frame::None);
    EXPECT_EQ(drawn(board).pixel(0, 0), qRgb(0, 0, 0));
}

}  // namespace
