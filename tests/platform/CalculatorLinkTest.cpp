// Runs on a private session bus (dbus-run-session) against the real calculator and a probe
// program that plays a second converter.
#include "platform/qt/BusNames.h"
#include "platform/qt/QtBus.h"
#include "platform/qt/QtServices.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <csignal>

using namespace std::chrono_literals;
using platform::qt::QtCalculatorLink;
using platform::qt::QtProcessStarter;
using platform::qt::QtSingleInstance;

namespace {

const QString kItem = QStringLiteral("txtInput");

QString calculatorOwner()
{
    const auto reply =
        QDBusConnection::sessionBus().interface()->serviceOwner(platform::bus::calculatorService());
    return reply.isValid() ? reply.value() : QString();
}

QString textOf(const QString &connection)
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
        QLocale::setDefault(QLocale::c());
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
    }

    void cleanup()
    {
        for (const std::int64_t pid : std::as_const(m_started))
            ::kill(static_cast<pid_t>(pid), SIGTERM);
        m_started.clear();
        // The next test starts with no calculator on the bus.
        QTRY_VERIFY_WITH_TIMEOUT(calculatorOwner().isEmpty(), 5000);
    }

    void handOff_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "1609.34";
        QTest::newRow("trailing zeros") << "212.000";
        QTest::newRow("negative zero") << "-0";
        QTest::newRow("exponent form") << "2.99792E+08";
        QTest::newRow("zero in exponent form") << "0.00000E+00";
        QTest::newRow("input error") << "Input error";
        QTest::newRow("empty result") << "";
    }

    // Straight after the start, with no time given: open() must wait for the new calculator.
    void handOff()
    {
        QFETCH(QString, text);
        const std::int64_t pid = startCalculator();
        QVERIFY(pid > 0);
        QtCalculatorLink link;
        QVERIFY(link.open(pid, 3s));
        QVERIFY(link.poke(kItem, text));
        link.close();
        QCOMPARE(textOf(calculatorOwner()), text);
    }

    void newestCalculatorGetsTheValue()
    {
        QtCalculatorLink link;
        const std::int64_t first = startCalculator();
        QVERIFY(link.open(first, 3s));
        const QString firstConnection = calculatorOwner();
        QVERIFY(link.poke(kItem, QStringLiteral("1")));
        link.close();

        const std::int64_t second = startCalculator();
        QVERIFY(second != first);
        QVERIFY(link.open(second, 3s));
        QVERIFY(link.poke(kItem, QStringLiteral("2")));
        link.close();

        const QString secondConnection = calculatorOwner();
        QVERIFY(secondConnection != firstConnection);
        QCOMPARE(textOf(secondConnection), QStringLiteral("2"));
        QCOMPARE(textOf(firstConnection), QStringLiteral("1"));
    }

    void otherProcessIsNotTheCalculator()
    {
        QtCalculatorLink link;
        const std::int64_t calculator = startCalculator();
        QVERIFY(link.open(calculator, 3s));
        const QString connection = calculatorOwner();
        link.close();
        // A live process that never claims the name: open gives up at its bound.
        QVERIFY(!link.open(QCoreApplication::applicationPid(), 300ms));
        QVERIFY(!link.poke(kItem, QStringLiteral("9")));
        QCOMPARE(textOf(connection), QStringLiteral("0"));
    }

    void endedProcessFailsAtOnce()
    {
        const auto pid = QtProcessStarter().startDetached(QStringLiteral("/bin/true"));
        QVERIFY(pid);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!QtCalculatorLink().open(*pid, 20s));
        QVERIFY2(clock.elapsed() < 10000, "open waited for a process that had ended");
    }

    void pokeNeedsAnOpenConversationAndAKnownItem()
    {
        QtCalculatorLink link;
        QVERIFY(!link.poke(kItem, QStringLiteral("1")));
        QVERIFY(link.open(startCalculator(), 3s));
        QVERIFY(!link.poke(QStringLiteral("txtResult"), QStringLiteral("1")));
        QVERIFY(link.poke(kItem, QStringLiteral("5")));
        link.close();
        QVERIFY(!link.poke(kItem, QStringLiteral("6")));
        QCOMPARE(textOf(calculatorOwner()), QStringLiteral("5"));
    }

    void missingCalculatorDoesNotStart()
    {
        QVERIFY(!QtProcessStarter().startDetached(QStringLiteral(VELDRA_PATH ".missing")));
    }

    void secondStartActivatesTheFirst()
    {
        QtSingleInstance running;
        int activations = 0;
        running.listen([&activations] { ++activations; });
        // Our own name does not count as another converter.
        QVERIFY(!running.activateRunning());

        QProcess second;
        QSignalSpy finished(&second, &QProcess::finished);
        second.start(QStringLiteral(PROBE_PATH), { QStringLiteral("ask") });
        QVERIFY(finished.wait(10000));
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE(activations, 1);
    }

    void firstStartFindsNoneRunning()
    {
        QProcess probe;
        probe.start(QStringLiteral(PROBE_PATH), { QStringLiteral("ask") });
        QVERIFY(probe.waitForFinished(10000));
        QCOMPARE(probe.exitCode(), 1);
    }

    void runningConverterInAnotherProcess()
    {
        QProcess first;
        first.start(QStringLiteral(PROBE_PATH), { QStringLiteral("listen") });
        QVERIFY(first.waitForReadyRead(10000));
        QCOMPARE(first.readLine().trimmed(), QByteArray("ready"));
        QVERIFY(QtSingleInstance().activateRunning());
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitCode(), 0);
        // The name went with the process.
        QVERIFY(!QtSingleInstance().activateRunning());
    }
};

QTEST_MAIN(CalculatorLinkTest)
#include "CalculatorLinkTest.moc"
