// The main window: layout, handlers, the failure guard and drawing the round.
#include "TForm1.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QListWidget>
#include <QMessageBox>

#include "AudioOut.h"
#include "BevelPanel.h"
#include "ClipList.h"
#include "EffectsDevice.h"
#include "FailureText.h"
#include "Layout.h"
#include "PictureBox.h"
#include "PictureLoader.h"
#include "Round.h"
#include "RoundedShape.h"
#include "ShapeRegion.h"
#include "SkinControl.h"
#include "TextLabel.h"
#include "VorbisIn.h"
#include "VorbisLibrary.h"

namespace {

QByteArray readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("Cannot open " + path.toStdString());
    return file.readAll();
}

std::vector<std::uint8_t> clipWave(const char* name)
{
    const QByteArray bytes = readResource(QStringLiteral(":/clips/%1.wav").arg(QLatin1String(name)));
    return {bytes.begin(), bytes.end()};
}

QColor toQColor(Colour c)
{
    return QColor(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF));
}

QString numbered(const char* stem, int k)
{
    return QLatin1String(stem) + QString::number(k);
}

constexpr std::array<void (TForm1::*)(), HoleTile - 1> tileHandlers = {
    &TForm1::Panel1Click, &TForm1::Panel2Click, &TForm1::Panel3Click, &TForm1::Panel4Click,
    &TForm1::Panel5Click, &TForm1::Panel6Click, &TForm1::Panel7Click, &TForm1::Panel8Click,
};

}  // namespace

TForm1::TForm1() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tavlo"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/tavlo.ico")));
    setFixedSize(Layout::WindowWidth, Layout::WindowHeight);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    // Hints show also while another application has the focus.
    setAttribute(Qt::WA_AlwaysShowToolTips);

    buildControls();
    buildComponents();
    dispatch([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

PictureBox* TForm1::addPicture(QWidget* parent, const char* name, const QRect& box,
                               const char* picture, bool autoSize, bool centred, bool transparent)
{
    PictureBox::Options options;
    options.autoSize = autoSize;
    options.centred = centred;
    options.transparent = transparent;
    auto* control =
        new PictureBox(parent, box, PictureLoader::load(QLatin1String(picture)), options);
    control->setObjectName(QLatin1String(name));
    return control;
}

void TForm1::buildControls()
{
    using Layout::Image10, Layout::Image11, Layout::Image12, Layout::Image13, Layout::Image14,
        Layout::Image15, Layout::Image16, Layout::Image18, Layout::Image17, Layout::Image21,
        Layout::Image19, Layout::Image20, Layout::Image22, Layout::Image23;
    const bool autoSize = true, centred = true, transparent = true;
    const auto hint = [](PictureBox* control, const char* text) {
        control->setToolTip(QLatin1String(text));
        control->setToolTipDuration(Layout::HintDuration);
    };

    CoolForm1 = new SkinControl(this, PictureLoader::load(QStringLiteral("skin.bmp")));
    CoolForm1->setObjectName(QStringLiteral("CoolForm1"));
    // The shape is set now, so the window is round before it is ever shown.
    if (const auto rects = ShapeRegion::parse(readResource(QStringLiteral(":/pictures/shape.rgn")))) {
        const QRegion shape = ShapeRegion::toRegion(*rects);
        setMask(shape);
        // A Wayland compositor takes the shape for input only: draw nothing outside it there.
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            setAttribute(Qt::WA_TranslucentBackground);
            setAutoFillBackground(false);
            CoolForm1->clipTo(shape);
        }
    }

    addPicture(this, "Image11", Image11, "frame.jpg", autoSize, centred, false);
    for (int k : Layout::PreviewCreationOrder) {
        auto* cell = new RoundedShape(this, Layout::previewCell(k), RoundedShape::Kind::RoundRect,
                                      toQColor(BlankColour), Qt::black);
        cell->setObjectName(numbered("Shape", k));
        previewCells_[k - 1] = cell;
    }
    addPicture(this, "Image10", Image10, "logo.jpg", false, centred, false);
    addPicture(this, "Image12", Image12, "pipe.bmp", autoSize, false, transparent);
    PictureBox* exitButton = addPicture(this, "Image13", Image13, "close.bmp", autoSize, false, false);
    hint(exitButton, "Exit");
    connect(exitButton, &Control::clicked, this, [this] { dispatch([this] { Image13Click(); }); });
    PictureBox* minimise = addPicture(this, "Image14", Image14, "minimize.bmp", autoSize, false, false);
    hint(minimise, "Minimize");
    connect(minimise, &Control::clicked, this, [this] { dispatch([this] { Image14Click(); }); });
    PictureBox* newGame = addPicture(this, "Image15", Image15, "newgame.bmp", autoSize, false, false);
    connect(newGame, &Control::clicked, this, [this] { dispatch([this] { FormCreate(); }); });
    PictureBox* help = addPicture(this, "Image16", Image16, "help.bmp", autoSize, false, false);
    connect(help, &Control::clicked, this, [this] { dispatch([this] { Image16Click(); }); });
    PictureBox* exit = addPicture(this, "Image18", Image18, "exit.bmp", autoSize, false, transparent);
    connect(exit, &Control::clicked, this, [this] { dispatch([this] { Image18Click(); }); });
    auto* counterFrame = new RoundedShape(this, Layout::Shape10, RoundedShape::Kind::RoundSquare,
                                          Qt::black, QColor(0xC0, 0xC0, 0xC0));
    counterFrame->setObjectName(QStringLiteral("Shape10"));
    addPicture(this, "Image17", Image17, "counter.bmp", autoSize, false, transparent);
    Label1 = new TextLabel(this, Layout::Label1, Layout::LabelPixelSize, QStringLiteral("0"));
    Label1->setObjectName(QStringLiteral("Label1"));
    addPicture(this, "Image21", Image21, "best.jpg", autoSize, centred, false);
    Label3 = new TextLabel(this, Layout::Label3, Layout::LabelPixelSize, QStringLiteral("0"));
    Label3->setObjectName(QStringLiteral("Label3"));

    Panel10 = new BevelPanel(this, Layout::Panel10, BevelPanel::Frame::None);
    Panel10->setObjectName(QStringLiteral("Panel10"));
    for (int k = 1; k <= TileCount; ++k) {
        auto* tile = new BevelPanel(
            Panel10, QRect(slotLeft(k), slotTop(k), Layout::TileSize, Layout::TileSize),
            BevelPanel::Frame::None);
        tile->setObjectName(numbered("Panel", k));
        const QByteArray face = QStringLiteral("tile%1.bmp").arg(k).toLatin1();
        PictureBox* picture = addPicture(tile, numbered("Image", k).toLatin1().constData(),
                                         QRect(0, 0, Layout::TileSize, Layout::TileSize),
                                         face.constData(), autoSize, centred, false);
        tiles_[k - 1] = tile;
        if (k == HoleTile)
            continue;  // the hole takes clicks and does nothing
        const auto handler = tileHandlers[k - 1];
        const auto click = [this, handler] { dispatch([this, handler] { (this->*handler)(); }); };
        connect(tile, &Control::clicked, this, click);
        connect(picture, &Control::clicked, this, click);
    }

    Panel11 = new BevelPanel(this, Layout::Panel11, BevelPanel::Frame::RaisedLowered);
    Panel11->setObjectName(QStringLiteral("Panel11"));
    Panel11->hide();
    addPicture(Panel11, "Image19", Image19, "victory.jpg", false, centred, false);
    Label2 = new TextLabel(Panel11, Layout::Label2, Layout::Label2PixelSize, QStringLiteral("0"));
    Label2->setObjectName(QStringLiteral("Label2"));
    PictureBox* victoryClose = addPicture(Panel11, "Image20", Image20, "close.bmp", autoSize, false, false);
    hint(victoryClose, "Exit");
    // Closing the victory overlay starts a new game.
    connect(victoryClose, &Control::clicked, this, [this] { dispatch([this] { FormCreate(); }); });

    skore = new QListWidget(this);
    skore->setObjectName(QStringLiteral("skore"));
    skore->setGeometry(Layout::skore);
    skore->setUniformItemSizes(true);
    skore->hide();

    Panel12 = new BevelPanel(this, Layout::Panel12, BevelPanel::Frame::RaisedLowered);
    Panel12->setObjectName(QStringLiteral("Panel12"));
    Panel12->hide();
    addPicture(Panel12, "Image22", Image22, "instructions.jpg", autoSize, false, false);
    PictureBox* helpClose = addPicture(Panel12, "Image23", Image23, "close.bmp", autoSize, false, false);
    hint(helpClose, "Exit");
    connect(helpClose, &Control::clicked, this, [this] { dispatch([this] { Image23Click(); }); });
}

void TForm1::buildComponents()
{
    connect(&timers_.timer2(), &QTimer::timeout, this, [this] { dispatch([this] { Timer2Timer(); }); });
    connect(&timers_.timer1(), &QTimer::timeout, this, [this] { dispatch([this] { Timer1Timer(); }); });

    vorbis_ = std::make_unique<VorbisLibrary>();
    VorbisIn1 = std::make_unique<VorbisIn>(*vorbis_);
    VorbisIn1->FileName = "data/tavl.ogg";
    VorbisIn1->Loop = true;
    DXSound1 = std::make_unique<EffectsDevice>();
    AudioOut1 = std::make_unique<AudioOut>(*DXSound1);
    AudioOut1->Input = VorbisIn1.get();
    AudioOut1->Volume = 200;
    std::vector<SoundClip> clips;
    for (const char* name : {"click", "win", "click2"})
        clips.push_back(SoundClip{name, false, 0, clipWave(name)});
    zvuky = std::make_unique<ClipList>(*DXSound1, std::move(clips));
    DXSound1->open(*zvuky);
    // Effects are heard only while the window is active, and it is not yet.
    DXSound1->setWindowActive(false);

    round_ = std::make_unique<Round>(*zvuky, timers_, clock_);
}

void TForm1::dispatch(const std::function<void()>& handler)
{
    guard(handler, false);
}

// Every handler comes through here, so no failure crosses Qt's event loop. The watch runs after
// every handler that ran while it is on; its own tick asks for another only when it failed, so a
// victory whose save failed is completed by the next tick, even while the box is open.
void TForm1::guard(const std::function<void()>& handler, bool watchTick)
{
    std::string failure;
    bool failed = false;
    try {
        handler();
    } catch (const std::exception& e) {
        failed = true;
        failure = e.what();
    }
    render();
    if (timers_.enabled(TimerId::Timer3) && (!watchTick || failed))
        requestWatch();
    if (!failed)
        return;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tavlo"),
                    QString::fromStdString(failureText(failure)), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void TForm1::requestWatch()
{
    if (watchPending_)
        return;
    watchPending_ = true;
    QMetaObject::invokeMethod(this, &TForm1::runWatch, Qt::QueuedConnection);
}

void TForm1::runWatch()
{
    watchPending_ = false;
    if (timers_.enabled(TimerId::Timer3))
        guard([this] { Timer3Timer(); }, true);
}

void TForm1::render()
{
    const Board& board = round_->board();
    for (int k = 1; k <= TileCount; ++k)
        tiles_[k - 1]->move(board.tile(k).Left, board.tile(k).Top);
    for (int k = 1; k <= TileCount; ++k)
        previewCells_[k - 1]->setFill(toQColor(round_->previewFill(k)));
    Label1->setCaption(QString::fromStdString(round_->label1Caption()));
    Label2->setCaption(QString::fromStdString(round_->label2Caption()));
    Label3->setCaption(QString::fromStdString(round_->label3Caption()));
    Panel11->setVisible(round_->panel11Visible());
    Panel12->setVisible(round_->panel12Visible());
    if (round_->skore() != shownSkore_) {
        shownSkore_ = round_->skore();
        skore->clear();
        for (const std::string& line : shownSkore_) {
            auto* item = new QListWidgetItem(QString::fromLatin1(line.data(), qsizetype(line.size())), skore);
            item->setSizeHint(QSize(0, Layout::SkoreItemHeight));
        }
    }
}

void TForm1::FormCreate()
{
    round_->FormCreate();
}

void TForm1::FormActivate()
{
    if (AudioOut1)  // a close before the first activation leaves no tune to start
        AudioOut1->StartPlayback();
}

// The music output goes first; a second close finds nothing to destroy.
void TForm1::FormClose()
{
    AudioOut1.reset();
}

void TForm1::PanelClick(int k)
{
    round_->PanelClick(k);
}

void TForm1::Image13Click()
{
    close();
}

void TForm1::Image14Click()
{
    showMinimized();
}

void TForm1::Image16Click()
{
    round_->Image16Click();
}

void TForm1::Image18Click()
{
    zvuky->PlayClip(ClipClick, false);
    close();
}

void TForm1::Image23Click()
{
    round_->Image23Click();
}

void TForm1::Timer1Timer()
{
    round_->Timer1Timer();
}

void TForm1::Timer2Timer()
{
    round_->Timer2Timer();
}

void TForm1::Timer3Timer()
{
    round_->Timer3Timer();
}

bool TForm1::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        DXSound1->setWindowActive(true);
        // Once per run: restoring, coming back from another application or from a box is not
        // a first activation.
        if (!activated_) {
            activated_ = true;
            dispatch([this] { FormActivate(); });
        }
        break;
    case QEvent::WindowDeactivate:
        DXSound1->setWindowActive(false);
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    dispatch([this] { FormClose(); });
    event->accept();
}
