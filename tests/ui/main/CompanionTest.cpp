// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// On a private session bus (dbus-run-session): a second start of the real program hands over to the
// first. (The Calculator command against the real calculator is end-to-end's, in label_keys.)
#include "platform/qt/BusNames.h"
#include "support/MainHarness.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLocale>
#include <QProcess>

#include <csignal>

namespace {

// The pid of the process owning `name` on the bus, 0 for none.
std::int64_t ownerPid(const QString &name)
{
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    const auto owner = bus->serviceOwner(name);
    const auto pid = owner.isValid() ? bus->servicePid(owner.value()) : QDBusReply<uint>();
    return pid.isValid() ? pid.value() : 0;
}

} // namespace

class CompanionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
    }

    void secondStartShowsTheFirstAndEnds()
    {
        // The program keeps its files beside itself, so a copy in a folder of its own runs on its own.
        MainHarness h;
        h.writeFiles();
        const QString program = h.dir.filePath(QStringLiteral("orlo"));
        QVERIFY(QFile::copy(QStringLiteral(ORLO_PATH), program));
        const QString converter = platform::bus::converterService();
        QProcess first, second;
        first.start(program, {});
        QTRY_COMPARE_WITH_TIMEOUT(ownerPid(converter), first.processId(), 10000);
        second.start(program, {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(std::pair(second.exitStatus(), second.exitCode()), std::pair(QProcess::NormalExit, 0));
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(ownerPid(converter), first.processId());
        ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitCode(), 0);
    }
};

QTEST_MAIN(CompanionTest)
#include "CompanionTest.moc"
