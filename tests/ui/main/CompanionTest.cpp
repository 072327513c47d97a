// On a private session bus (dbus-run-session): the Calculator command against the real calculator,
// and a second start of the real program handing over to the first.
#include "MainHarness.h"
#include "platform/qt/BusNames.h"
#include "platform/qt/QtBus.h"
#include "platform/qt/QtServices.h"
#include "ui/main/CommandLabel.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QLocale>
#include <QProcess>

#include <csignal>

namespace {

// Starts programs for real and remembers them, so that the test can end them.
class RecordingStarter : public platform::ProcessStarter
{
public:
    std::optional<std::int64_t> startDetached(const QString &program) override
    {
        const auto pid = m_real.startDetached(program);
        if (pid)
            pids.append(*pid);
        return pid;
    }
    void processEvents() override { m_real.processEvents(); }

    QList<std::int64_t> pids;

private:
    platform::qt::QtProcessStarter m_real;
};

QString ownerOf(const QString &name)
{
    const auto reply = QDBusConnection::sessionBus().interface()->serviceOwner(name);
    return reply.isValid() ? reply.value() : QString();
}

std::int64_t pidOf(const QString &connection)
{
    const auto reply = QDBusConnection::sessionBus().interface()->servicePid(connection);
    return reply.isValid() ? reply.value() : 0;
}

QString calculatorText(const QString &connection)
{
    QDBusMessage msg = QDBusMessage::createMethodCall(connection,
        platform::bus::calculatorPath(),
        platform::bus::calculatorInterface(),
        platform::bus::textMethod());
    msg << QStringLiteral("txtInput");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(msg, QDBus::Block, 2000);
    return reply.arguments().isEmpty() ? QStringLiteral("<no answer>")
                                       : reply.arguments().constFirst().toString();
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
    void cleanup();
    void eachCommandStartsACalculatorAndTheNewestGetsTheValue();
    void secondStartShowsTheFirstAndEnds();

private:
    // The fakes, but for starting programs and the calculator conversation.
    void useRealCalculator(MainHarness &h)
    {
        platform::fake::FakePlatform &f = h.fake;
        h.services.emplace(platform::Platform {
            f.messages, f.clipboard, f.help, f.tray, f.order, m_starter, m_link, f.instance, f.screen });
    }

    RecordingStarter m_starter;
    platform::qt::QtCalculatorLink m_link;
};

void CompanionTest::cleanup()
{
    for (const std::int64_t pid : std::as_const(m_starter.pids))
        ::kill(static_cast<pid_t>(pid), SIGTERM);
    m_starter.pids.clear();
    QTRY_VERIFY_WITH_TIMEOUT(ownerOf(platform::bus::calculatorService()).isEmpty(), 5000);
}

void CompanionTest::eachCommandStartsACalculatorAndTheNewestGetsTheValue()
{
    MainHarness h;
    useRealCalculator(h);
    h.startMileIntoMetre(QStringLiteral("2"));
    h.w->setProgramDir(std::filesystem::path(VELDRA_DIR) / "");

    h.w->labels().cal->click();
    QCOMPARE(m_starter.pids.size(), 1);
    const QString first = ownerOf(platform::bus::calculatorService());
    QCOMPARE(pidOf(first), m_starter.pids[0]);
    QCOMPARE(calculatorText(first), QStringLiteral("3218.69"));

    h.c().txtInput->setText(QStringLiteral("3"));
    h.w->labels().cal->click();
    QCOMPARE(m_starter.pids.size(), 2);
    const QString second = ownerOf(platform::bus::calculatorService());
    QVERIFY(second != first);
    QCOMPARE(pidOf(second), m_starter.pids[1]);
    QCOMPARE(calculatorText(second), QStringLiteral("4828.03"));
    QCOMPARE(calculatorText(first), QStringLiteral("3218.69"));
    QVERIFY(h.fake.messages.shown.isEmpty());
}

void CompanionTest::secondStartShowsTheFirstAndEnds()
{
    // The program keeps its files beside itself, so a copy in a folder of its own runs on its own files.
    MainHarness h;
    h.writeFiles();
    const QString program = h.dir.filePath(QStringLiteral("orlo"));
    QVERIFY(QFile::copy(QStringLiteral(ORLO_PATH), program));
    const QString converter = platform::bus::converterService();

    QProcess first;
    first.start(program, {});
    QVERIFY(first.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(!ownerOf(converter).isEmpty(), 10000);
    QCOMPARE(pidOf(ownerOf(converter)), first.processId());

    QProcess second;
    second.start(program, {});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    QCOMPARE(pidOf(ownerOf(converter)), first.processId());

    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(first.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(ownerOf(converter).isEmpty(), 5000);

    // With none running, a start stays and takes the name itself.
    QProcess third;
    third.start(program, {});
    QTRY_VERIFY_WITH_TIMEOUT(!ownerOf(converter).isEmpty(), 10000);
    QCOMPARE(third.state(), QProcess::Running);
    ::kill(static_cast<pid_t>(third.processId()), SIGTERM);
    QVERIFY(third.waitForFinished(10000));
}

QTEST_MAIN(CompanionTest)
#include "CompanionTest.moc"
