// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The converter: one main window; the program ends when that window closes.
#include "platform/qt/QtPlatform.h"
#include "store/Store.h"
#include "ui/main/AppIdentity.h"
#include "ui/main/TermSignal.h"
#include "ui/main/frmConvert.h"

#include <QApplication>
#include <QSessionManager>

#include <cstdio>
#include <cstring>

namespace {

// Window positions, always-on-top and a hidden task-bar entry need X11. Under Wayland the window
// therefore goes through XWayland, unless the user chose a Qt platform.
void preferX11()
{
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QStringLiteral("wayland")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (wayland && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

constexpr const char *kUsage = "Usage: orlo [--version | --help]\n"
                               "Opens the Orlo Unit Converter window; see orlo(1).\n";

// --version and --help answer on the terminal without opening a window or touching a file; every
// other argument is the toolkit's (-platform, -display, ...).
bool answeredOnTerminal(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("orlo " ORLO_VERSION "\n", stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (answeredOnTerminal(argc, argv))
        return 0;
    preferX11();
    QApplication app(argc, argv);
    ui::SetApplicationIdentity();
    // The program ends when its window has closed and saved, not when the last window leaves the
    // screen: the window may be hidden in the notification area, or a tool window without a task-bar
    // entry, which Qt does not count.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::qt::QtPlatform desktop;
    // One converter per session: a second one would overwrite the first one's configuration at exit.
    if (desktop.instance.activateRunning())
        return 0;
    const std::filesystem::path programDir = store::MyPath();
    const QString helpFile = QString::fromStdString((programDir / "Orlohelp.hlp").string());
    ui::frmConvert window(desktop.platform(), store::DataDir(programDir), helpFile);
    window.setProgramDir(programDir);
    desktop.instance.listen([&window] { window.showFromAnotherStart(); });

    bool ended = false;
    QObject::connect(&window, &ui::frmConvert::ended, &app, [&ended] {
        ended = true;
        QCoreApplication::exit(0);
    });
    ui::TermSignal term;
    term.install();
    QObject::connect(&term, &ui::TermSignal::terminateRequested, &window, [&window] {
        window.Unload(ui::kCloseByTerminate);
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window](QSessionManager &) {
        window.Unload(ui::kCloseBySession);
    });
    QObject::connect(
        &app, &QCoreApplication::aboutToQuit, &window, [&window] { window.Unload(ui::kCloseBySession); });

    window.Form_Load();
    // An ending during start-up (a termination request while the About box was up) stops here.
    if (ended)
        return 0;
    return QApplication::exec();
}
