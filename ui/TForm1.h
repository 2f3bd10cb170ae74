// The main window: owns every control, timer and sound component of the game. A click or a tick
// goes through one guard to a handler, which forwards it to the round; the window then draws what
// the round says. A failure that leaves a handler is shown in the failure box and play goes on.
#pragma once
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "QtTimerSwitch.h"
#include "SystemClock.h"

class AudioOut;
class BevelPanel;
class ClipList;
class EffectsDevice;
class PictureBox;
class QListWidget;
class Round;
class RoundedShape;
class SkinControl;
class TextLabel;
class VorbisIn;
class VorbisLibrary;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Builds the whole layout, the timers and the sound components, then runs FormCreate once
    // through the guard. Only the sound components can fail here; their failure leaves.
    TForm1();
    ~TForm1() override;

    // Runs a handler through the guard: a failure is shown in the failure box, the rest of the
    // handler is skipped, and the window shows what the round now holds.
    void dispatch(const std::function<void()>& handler);

    // Handlers; each may fail, so call them through dispatch().
    void FormCreate();
    void FormActivate();
    void FormClose();
    // One handler per coloured tile, run by a click on the tile's panel or on its picture.
    void Panel1Click() { PanelClick(1); }
    void Panel2Click() { PanelClick(2); }
    void Panel3Click() { PanelClick(3); }
    void Panel4Click() { PanelClick(4); }
    void Panel5Click() { PanelClick(5); }
    void Panel6Click() { PanelClick(6); }
    void Panel7Click() { PanelClick(7); }
    void Panel8Click() { PanelClick(8); }
    void Image13Click();
    void Image14Click();
    void Image16Click();
    void Image18Click();
    void Image23Click();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();

    const Round& round() const { return *round_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void PanelClick(int k);
    void buildControls();
    void buildComponents();
    PictureBox* addPicture(QWidget* parent, const char* name, const QRect& box, const char* picture,
                           bool autoSize, bool centred, bool transparent);
    void guard(const std::function<void()>& handler, bool watchTick);
    void requestWatch();
    void runWatch();
    void render();

    // Controls, in creation order; the window owns them as their parent.
    SkinControl* CoolForm1 = nullptr;
    std::array<RoundedShape*, 9> previewCells_{};  // Shape1 .. Shape9
    TextLabel* Label1 = nullptr;
    TextLabel* Label3 = nullptr;
    BevelPanel* Panel10 = nullptr;
    std::array<BevelPanel*, 9> tiles_{};  // Panel1 .. Panel9
    BevelPanel* Panel11 = nullptr;
    TextLabel* Label2 = nullptr;
    QListWidget* skore = nullptr;
    BevelPanel* Panel12 = nullptr;

    // Components. The timers are off until FormCreate; the sound is built after the controls.
    QtTimerSwitch timers_;
    std::unique_ptr<VorbisLibrary> vorbis_;
    std::unique_ptr<VorbisIn> VorbisIn1;
    std::unique_ptr<EffectsDevice> DXSound1;
    std::unique_ptr<AudioOut> AudioOut1;
    std::unique_ptr<ClipList> zvuky;
    SystemClock clock_;
    std::unique_ptr<Round> round_;

    std::vector<std::string> shownSkore_;
    bool activated_ = false;     // FormActivate has run: it runs once per run
    bool watchPending_ = false;  // a watch tick is queued
};
