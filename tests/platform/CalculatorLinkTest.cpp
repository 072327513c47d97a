// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Runs on a private session bus (dbus-run-session) against the real calculator.
#include "platform/qt/BusNames.h"
#include "platform/qt/QtBus.h"
#include "platform/qt/QtServices.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QTest>

#include <csignal>

using namespace std::chrono_literals;
using platform::qt::QtCalculatorLink;
using platform::qt::QtProcessStarter;

namespace {

const QString kItem = QStringLiteral("txtInput");

QString CalculatorOwner()
{
    const auto reply =
        QDBusConnection::sessionBus().interface()->serviceOwner(platform::bus::calculatorService());
    return reply.isValid() ? reply.value() : QString();
}

QString TextOf(const QString &connection)
{
    QDBusMessage msg = QDBusMessage::createMethodCall(connection,
        platform::bus::calculatorPath(),
        platform::bus::calculatorInterface(),
        platform::bus::textMethod());
    msg << kItem;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(msg, QDBus::Block, 2000);
    return reply.arguments().isEmpty() ? QStringLiteral("<no answer>")
                                       : reply.arguments().constFirst().toString();
}

} // namespace

class CalculatorLinkTest : public QObject
{
    Q_OBJECT

private:
    std::int64_t startCalculator()
    {
        const auto pid = QtProcessStarter().startDetached(QStringLiteral(VELDRA_PATH));
        if (pid)
            m_started.append(*pid);
        return pid.value_or(0);
    }

    QList<std::int64_t> m_started;

private slots:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
    }

    void cleanup()
    {
        for (const std::int64_t pid : std::as_const(m_started))
            ::kill(static_cast<pid_t>(pid), SIGTERM);
        m_started.clear();
        // The next test starts with no calculator on the bus. Generous: CTest runs this beside a whole
        // build, and a calculator that has just started may take seconds there to end.
        QTRY_VERIFY_WITH_TIMEOUT(CalculatorOwner().isEmpty(), 15000);
    }

    void pokeOnlyWhileOpenToTheStartedCalculator()
    {
        QtCalculatorLink link;
        QVERIFY(!link.poke(kItem, QStringLiteral("1")));
        const std::int64_t pid = startCalculator();
        QVERIFY(link.open(pid, 3s));
        const QString connection = CalculatorOwner();
        QVERIFY(!link.poke(QStringLiteral("txtResult"), QStringLiteral("1")));
        QVERIFY(link.poke(kItem, QStringLiteral("5")));
        link.close();
        QVERIFY(!link.poke(kItem, QStringLiteral("6")));
        // A live process that never claims the name: open gives up at its bound and forgets the last peer.
        QVERIFY(link.open(pid, 3s));
        QVERIFY(!link.open(QCoreApplication::applicationPid(), 300ms));
        QVERIFY(!link.poke(kItem, QStringLiteral("9")));
        QCOMPARE(TextOf(connection), QStringLiteral("5"));
    }

    void missingOrEndedCalculatorFailsAtOnce()
    {
        QVERIFY(!QtProcessStarter().startDetached(QStringLiteral(VELDRA_PATH ".missing")));
        const auto pid = QtProcessStarter().startDetached(QStringLiteral("/bin/true"));
        QVERIFY(pid);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!QtCalculatorLink().open(*pid, 20s));
        QVERIFY2(clock.elapsed() < 10000, "open waited for a process that had ended");
    }
};

QTEST_MAIN(CalculatorLinkTest)
#include "CalculatorLinkTest.moc"
