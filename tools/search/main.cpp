// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// orlo-search-provider: answers the desktop's search (GNOME Shell, KRunner) with conversions. Started
// by the session bus when a search first asks, it ends after a minute without a call.
#include "store/Store.h"
#include "tools/search/SearchService.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QProcess>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

const QString kService = QStringLiteral("org.orlo.Converter.SearchProvider");
const QString kGnomePath = QStringLiteral("/org/orlo/Converter/SearchProvider");
const QString kKRunnerPath = QStringLiteral("/runner");
constexpr int kIdleSeconds = 60;

// The clipboard needs a platform: the desktop's, or with no display at all an offscreen one, so a
// search still gets its answers.
void choosePlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int idleSeconds(int argc, char *argv[])
{
    constexpr const char *kOption = "--idle-timeout=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kOption, std::strlen(kOption)) == 0) {
            const int s = std::atoi(argv[i] + std::strlen(kOption));
            return s > 0 ? s : kIdleSeconds;
        }
    }
    return kIdleSeconds;
}

} // namespace

int main(int argc, char *argv[])
{
    choosePlatform();
    QGuiApplication app(argc, argv);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    search::RegisterTypes();

    // The converter's own folder rule, without making a folder: this service never writes a file.
    const std::filesystem::path programDir = store::MyPath();
    const bool writable = ::access(programDir.c_str(), W_OK) == 0;
    search::SearchEngine engine(store::ChooseDataDir(programDir, writable, store::UserConfigDir()));

    QTimer idle;
    idle.setSingleShot(true);
    idle.setInterval(idleSeconds(argc, argv) * 1000);
    QObject::connect(&idle, &QTimer::timeout, &app, [&idle] {
        // A copied result lives only as long as its owner does: stay while the clipboard is ours.
        if (QGuiApplication::clipboard()->ownsClipboard())
            idle.start();
        else
            QCoreApplication::quit();
    });
    search::Service service { engine,
        [](const QString &text) { QGuiApplication::clipboard()->setText(text); },
        [programDir] { QProcess::startDetached(QString::fromStdString((programDir / "orlo").string()), {}); },
        [&idle] { idle.start(); } };

    QObject gnome;
    QObject krunner;
    new search::GnomeSearchProvider(&gnome, service);
    new search::KRunner(&krunner, service);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fputs("orlo-search-provider: no session bus\n", stderr);
        return 1;
    }
    if (!bus.registerObject(kGnomePath, &gnome, QDBusConnection::ExportAdaptors)
        || !bus.registerObject(kKRunnerPath, &krunner, QDBusConnection::ExportAdaptors)
        || !bus.registerService(kService)) {
        std::fputs("orlo-search-provider: the bus name is taken; another provider runs\n", stderr);
        return 1;
    }
    idle.start();
    return QGuiApplication::exec();
}
