// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Test helper: sends one huge message (MEGABYTES of text) to a bus connection, as any process of
// the user could. Qt's connection in the receiver is stuck while it takes such a message in.
// Usage: e2e_bus_flood UNIQUE_NAME MEGABYTES
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s UNIQUE_NAME MEGABYTES\n", argv[0]);
        return 2;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusMessage msg = QDBusMessage::createMethodCall(QString::fromLocal8Bit(argv[1]),
        QStringLiteral("/frmConvert"),
        QStringLiteral("org.orlo.Converter"),
        QStringLiteral("Activate"));
    msg << QString(std::atoi(argv[2]) * 1000000, QLatin1Char('x'));
    if (!bus.send(msg))
        return 1;
    // A round trip to the bus daemon: the message has left this process once it answers.
    bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("GetId")));
    return 0;
}
