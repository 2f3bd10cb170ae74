// Tavlo: builds the application and the window, shows it centred and runs the loop.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <cstdint>
#include <dlfcn.h>
#include <memory>

#include "FailureText.h"
#include "HintStyle.h"
#include "Layout.h"
#include "TForm1.h"

namespace {

// The window's one construction site: its address, relative to the program's load address, is
// what the start-up box reports as the place of a failure while the window is built.
[[gnu::noinline]] std::unique_ptr<TForm1> buildWindow()
{
    return std::make_unique<TForm1>();
}

int showStartupFailure(const std::exception& failure)
{
    const void* site = reinterpret_cast<const void*>(&buildWindow);
    Dl_info info{};
    std::string module = "tavlo";
    std::uint32_t address = 0;
    if (dladdr(site, &info) != 0) {
        if (info.dli_fname != nullptr && *info.dli_fname != '\0') {
            module = info.dli_fname;
            module = module.substr(module.find_last_of('/') + 1);
        }
        address = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(site) -
                                             reinterpret_cast<std::uintptr_t>(info.dli_fbase));
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Application Error"),
                    QString::fromStdString(startupFailureText(exceptionClassName(failure), module,
                                                              address, failure.what())),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    return 1;
}

// On a Wayland desktop the round shape needs X: prefer XWayland when it is there.
void preferX11OnWayland()
{
    const bool wayland = qgetenv("XDG_SESSION_TYPE") == "wayland" || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (wayland && qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

}  // namespace

int main(int argc, char* argv[])
{
    preferX11OnWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavlo"));
    QApplication::setStyle(new HintStyle);

    std::unique_ptr<TForm1> form;
    try {
        form = buildWindow();
    } catch (const std::exception& failure) {
        return showStartupFailure(failure);
    }

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    form->move(screen.x() + std::max(0, (screen.width() - Layout::WindowWidth) / 2),
               screen.y() + std::max(0, (screen.height() - Layout::WindowHeight) / 2));
    form->show();
    return QApplication::exec();
}
