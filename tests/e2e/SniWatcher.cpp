// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Test helper: a StatusNotifierWatcher as a panel that starts after the program has one; prints each
// item that registers, a line each, until it is ended.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QObject>

#include <cstdio>

class Watcher : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")

public slots:
    Q_SCRIPTABLE void RegisterStatusNotifierItem(const QString &service)
    {
        std::printf("registered %s\n", qPrintable(service));
        std::fflush(stdout);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Watcher watcher;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(
            QStringLiteral("/StatusNotifierWatcher"), &watcher, QDBusConnection::ExportScriptableSlots)
        || !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")))
        return 1;
    return QCoreApplication::exec();
}

#include "SniWatcher.moc"
