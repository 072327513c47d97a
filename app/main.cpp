// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The converter: one main window; the program ends when that window closes.
#include "platform/qt/AppIdentity.h"
#include "platform/qt/FolderLock.h"
#include "platform/qt/FontCache.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/TermSignal.h"
#include "platform/qt/X11WindowState.h"
#include "store/Store.h"
#include "ui/main/frmConvert.h"

#include <QApplication>
#include <QScopeGuard>
#include <QSessionManager>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

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

// What a start finds in the data folder: the lock decides whether this converter may keep its files
// there; the bus only brings the converter that holds it forward. False: end this start with `status`.
bool ownsDataFolder(platform::qt::FolderLock &lock,
    platform::qt::QtSingleInstance &instance,
    const std::filesystem::path &dataDir,
    int &status)
{
    status = 0;
    switch (lock.acquire()) {
    case platform::qt::FolderLock::Result::Acquired:
        return true;
    case platform::qt::FolderLock::Result::Unavailable:
        // Nothing can be kept there anyway; one converter per session, as far as the bus tells.
        return !instance.activateRunning();
    case platform::qt::FolderLock::Result::HeldByAnother:
        break;
    }
    if (lock.holder() > 0 && instance.activateRunning(lock.holder()))
        return false;
    std::fprintf(stderr,
        "orlo: the converter of process %lld keeps its files in %s and could not be brought forward;\n"
        "      a second one there would overwrite its settings.\n",
        static_cast<long long>(lock.holder()),
        dataDir.c_str());
    status = 1;
    return false;
}

int run(int argc, char *argv[])
{
    preferX11();
    platform::qt::FontCacheWarmUp fonts;
    QApplication app(argc, argv);
    fonts.applicationReady();
    // The font thread uses the application: it ends first, however this start ends.
    const auto fontsEnded = qScopeGuard([&fonts] { fonts.wait(); });
    platform::qt::SetApplicationIdentity();
    platform::qt::KeepWindowPositionsTrue();
    // The program ends when its window has closed and saved, not when the last window leaves the
    // screen: the window may be hidden in the notification area, or a tool window without a task-bar
    // entry, which Qt does not count.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::qt::QtPlatform desktop;
    const std::filesystem::path programDir = store::MyPath();
    const std::filesystem::path dataDir = store::DataDir(programDir);
    platform::qt::FolderLock lock(QString::fromStdString(dataDir.string()));
    if (int status = 0; !ownsDataFolder(lock, desktop.instance, dataDir, status))
        return status;
    store::RemoveLeftoverTemporaries(dataDir);
    const QString helpFile = QString::fromStdString((programDir / "Orlohelp.hlp").string());
    state::ProgramState state(dataDir, programDir, helpFile);
    fonts.wait();
    ui::frmConvert window(state, desktop.platform());
    desktop.instance.listen([&window] { window.showFromAnotherStart(); });

    bool ended = false;
    QObject::connect(&window, &ui::frmConvert::ended, &app, [&ended] {
        ended = true;
        QCoreApplication::exit(0);
    });
    platform::qt::TermSignal term;
    term.install();
    QObject::connect(&term, &platform::qt::TermSignal::terminateRequested, &window, [&window] {
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

} // namespace

int main(int argc, char *argv[])
{
    if (answeredOnTerminal(argc, argv))
        return 0;
    const int status = run(argc, argv);
    // By now the settings are saved, the lock is released and the application is gone (handing the
    // clipboard on). The static destructors left would join Qt's bus thread, which waits for as long
    // as a stuck connection keeps it: the process ends here instead, at once.
    std::fflush(nullptr);
    std::_Exit(status);
}
