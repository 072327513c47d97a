// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// On a private session bus (dbus-run-session): the Calculator command against the real calculator,
// and a second start of the real program handing over to the first.
#include "platform/qt/BusNames.h"
#include "platform/qt/QtBus.h"
#include "platform/qt/QtServices.h"
#include "support/MainHarness.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QLocale>
#include <QProcess>

#include <csignal>

namespace {

// Starts programs for real and remembers them, so that the test can end them.
struct RecordingStarter : platform::qt::QtProcessStarter
{
    std::optional<std::int64_t> startDetached(const QString &program) override
    {
        const auto pid = QtProcessStarter::startDetached(program);
        if (pid)
            pids << *pid;
        return pid;
    }
    QList<std::int64_t> pids;
};

// The pid of the process owning `name` on the bus, 0 for none.
std::int64_t ownerPid(const QString &name)
{
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    const auto owner = bus->serviceOwner(name);
    const auto pid = owner.isValid() ? bus->servicePid(owner.value()) : QDBusReply<uint>();
    return pid.isValid() ? pid.value() : 0;
}

QString calculatorText(const QString &connection)
{
    QDBusInterface calc(connection, platform::bus::calculatorPath(), platform::bus::calculatorInterface());
    const QDBusMessage reply = calc.call(platform::bus::textMethod(), QStringLiteral("txtInput"));
    return reply.arguments().value(0, QStringLiteral("<no answer>")).toString();
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

    void cleanup()
    {
        for (const std::int64_t pid : std::as_const(m_starter.pids))
            ::kill(static_cast<pid_t>(pid), SIGTERM);
        m_starter.pids.clear();
        QTRY_VERIFY_WITH_TIMEOUT(!ownerPid(platform::bus::calculatorService()), 5000);
    }

    void eachCommandStartsACalculatorAndTheNewestGetsTheValue()
    {
        MainHarness h;
        platform::fake::FakePlatform &f = h.fake;
        h.services.emplace(platform::Platform {
            f.messages, f.clipboard, f.help, f.tray, f.order, m_starter, m_link, f.instance, f.screen });
        h.startMileIntoMetre(QStringLiteral("2"));
        h.state->setProgramDir(std::filesystem::path(VELDRA_DIR) / "");
        QStringList calculators; // their bus connections, oldest first
        for (const int miles : { 2, 3 }) {
            h.c().txtInput->setText(QString::number(miles));
            h.l().cal->click();
            // A new calculator each time, owning the name once the command is done.
            QCOMPARE(m_starter.pids.size(), calculators.size() + 1);
            QCOMPARE(ownerPid(platform::bus::calculatorService()), m_starter.pids.last());
            calculators << QDBusConnection::sessionBus().interface()->serviceOwner(
                platform::bus::calculatorService());
        }
        QCOMPARE(calculatorText(calculators[0]), QStringLiteral("3218.69"));
        QCOMPARE(calculatorText(calculators[1]), QStringLiteral("4828.03"));
        QVERIFY(h.fake.messages.shown.isEmpty());
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

private:
    RecordingStarter m_starter;
    platform::qt::QtCalculatorLink m_link;
};

QTEST_MAIN(CompanionTest)
#include "CompanionTest.moc"
