// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The search provider through the bus, called as GNOME Shell (org.gnome.Shell.SearchProvider2) and
// KRunner (org.kde.krunner1) call it: started by the bus, answers as the converter computes them with
// the folder's settings, copies on activation and starts the converter.
// The folder is the first argument; run.sh prepares it.
#include <QClipboard>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QTest>

#include <csignal>

namespace {

const QString kService = QStringLiteral("org.orlo.Converter.SearchProvider");
const QString kGnomePath = QStringLiteral("/org/orlo/Converter/SearchProvider");
const QString kGnome = QStringLiteral("org.gnome.Shell.SearchProvider2");
QString g_folder;

QDBusMessage Call(const QString &path, const QString &iface, const QString &method, const QVariantList &args)
{
    QDBusMessage msg = QDBusMessage::createMethodCall(kService, path, iface, method);
    msg.setArguments(args);
    return QDBusConnection::sessionBus().call(msg, QDBus::Block, 10000);
}

QStringList Words(const char *text)
{
    return QString::fromUtf8(text).split(u' ');
}

bool WaitFor(const std::function<bool()> &done, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(50);
    return done();
}

struct Match
{
    QString id, text, icon;
    int type = 0;
    double relevance = 0;
    QVariantMap properties;
};

QList<Match> Matches(const QDBusMessage &reply)
{
    QList<Match> out;
    const QDBusArgument arg = reply.arguments().value(0).value<QDBusArgument>();
    arg.beginArray();
    while (!arg.atEnd()) {
        Match m;
        arg.beginStructure();
        arg >> m.id >> m.text >> m.icon >> m.type >> m.relevance >> m.properties;
        arg.endStructure();
        out << m;
    }
    arg.endArray();
    return out;
}

} // namespace

class SearchProviderTest : public QObject
{
    Q_OBJECT

private slots:
    void gnomeShell()
    {
        // Activation: the first call starts the provider from its service file.
        QVERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(kService));
        // 5 × 1609.344 m, at the folder's four figures (not the default six).
        const QString metres = QStringLiteral("8047");

        QDBusMessage reply =
            Call(kGnomePath, kGnome, QStringLiteral("GetInitialResultSet"), { Words("5 mi in m") });
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(reply.signature(), QStringLiteral("as"));
        const QStringList ids = reply.arguments().value(0).toStringList();
        QCOMPARE(ids.size(), 1);

        reply = Call(kGnomePath, kGnome, QStringLiteral("GetResultMetas"), { ids });
        QCOMPARE(reply.signature(), QStringLiteral("aa{sv}"));
        const QDBusArgument metasArg = reply.arguments().value(0).value<QDBusArgument>();
        QList<QVariantMap> metas;
        metasArg >> metas;
        QCOMPARE(metas.size(), 1);
        QCOMPARE(metas[0].value(QStringLiteral("id")).toString(), ids[0]);
        QCOMPARE(metas[0].value(QStringLiteral("name")).toString(), metres + QStringLiteral(" m"));
        QCOMPARE(metas[0].value(QStringLiteral("description")).toString(),
            QStringLiteral("5 mi = %1 m").arg(metres));
        QCOMPARE(metas[0].value(QStringLiteral("gicon")).toString(), QStringLiteral("org.orlo.Converter"));

        // Refined and custom searches; text that is no query gets nothing.
        reply = Call(
            kGnomePath, kGnome, QStringLiteral("GetSubsearchResultSet"), { ids, Words("2 pots dashes") });
        QCOMPARE(reply.arguments().value(0).toStringList().size(), 1);
        for (const QStringList &terms : { Words("firefox"), Words("5 mi in kg"), Words("1 x y") }) {
            reply = Call(kGnomePath, kGnome, QStringLiteral("GetInitialResultSet"), { terms });
            QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
            QVERIFY2(reply.arguments().value(0).toStringList().isEmpty(), qPrintable(terms.join(u' ')));
        }

        // Activating a result copies it.
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        reply = Call(kGnomePath,
            kGnome,
            QStringLiteral("ActivateResult"),
            { ids[0], Words("5 mi in m"), QVariant(0u) });
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QVERIFY(WaitFor([&] { return QGuiApplication::clipboard()->text() == metres; }, 5000));
    }

    void kRunner()
    {
        const QString path = QStringLiteral("/runner");
        const QString iface = QStringLiteral("org.kde.krunner1");
        QDBusMessage reply = Call(path, iface, QStringLiteral("Actions"), {});
        QCOMPARE(reply.signature(), QStringLiteral("a(sss)"));

        reply = Call(path, iface, QStringLiteral("Match"), { QStringLiteral("100 C to F") });
        QCOMPARE(reply.signature(), QStringLiteral("a(sssida{sv})"));
        const QList<Match> matches = Matches(reply);
        QCOMPARE(matches.size(), 1);
        const QString fahrenheit = QStringLiteral("212.0"); // 100 × 9/5 + 32, four figures
        QCOMPARE(matches[0].text, fahrenheit + QStringLiteral(" °F"));
        QCOMPARE(matches[0].properties.value(QStringLiteral("subtext")).toString(),
            QStringLiteral("100 °C = %1 °F").arg(fahrenheit));
        QCOMPARE(matches[0].icon, QStringLiteral("org.orlo.Converter"));
        QVERIFY(matches[0].relevance > 0);
        QVERIFY(
            Matches(Call(path, iface, QStringLiteral("Match"), { QStringLiteral("hello world") })).isEmpty());

        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        reply = Call(path, iface, QStringLiteral("Run"), { matches[0].id, QStringLiteral("copy") });
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QVERIFY(WaitFor([&] { return QGuiApplication::clipboard()->text() == fahrenheit; }, 5000));
    }

    // A name that means two sizes gives two results that tell them apart, the same in both
    // interfaces: 1 US gallon is 3.785411784 L, 1 UK gallon 4.54609 L.
    void severalReadingsSeveralResults()
    {
        const QStringList expected { QStringLiteral("1 gal (US) = 3.785 L"),
            QStringLiteral("1 gal (UK) = 4.546 L") };
        QDBusMessage reply =
            Call(kGnomePath, kGnome, QStringLiteral("GetInitialResultSet"), { Words("1 gal to L") });
        const QStringList ids = reply.arguments().value(0).toStringList();
        QCOMPARE(ids.size(), 2);
        reply = Call(kGnomePath, kGnome, QStringLiteral("GetResultMetas"), { ids });
        QList<QVariantMap> metas;
        reply.arguments().value(0).value<QDBusArgument>() >> metas;
        QStringList gnome;
        for (const QVariantMap &m : metas)
            gnome << m.value(QStringLiteral("description")).toString();
        QCOMPARE(gnome, expected);

        const QList<Match> matches = Matches(Call(QStringLiteral("/runner"),
            QStringLiteral("org.kde.krunner1"),
            QStringLiteral("Match"),
            { QStringLiteral("1 gal to L") }));
        QStringList krunner;
        for (const Match &m : matches)
            krunner << m.properties.value(QStringLiteral("subtext")).toString();
        QCOMPARE(krunner, expected);
        QCOMPARE(matches[1].text, QStringLiteral("4.546 L"));
    }

    void launchSearchStartsTheConverter()
    {
        QDBusConnectionInterface *daemon = QDBusConnection::sessionBus().interface();
        const QDBusMessage reply =
            Call(kGnomePath, kGnome, QStringLiteral("LaunchSearch"), { Words("5 mi"), QVariant(0u) });
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        const QString converter = QStringLiteral("org.orlo.Converter");
        QVERIFY(WaitFor([&] { return daemon->isServiceRegistered(converter).value(); }, 15000));
        const uint pid = daemon->servicePid(converter).value();
        QVERIFY(pid > 0);
        ::kill(static_cast<pid_t>(pid), SIGKILL); // its window is not what this test is about
    }
};

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    g_folder = QString::fromLocal8Bit(argv[1]);
    qDBusRegisterMetaType<QList<QVariantMap>>();
    SearchProviderTest test;
    char *args[] = { argv[0] };
    return QTest::qExec(&test, 1, args);
}

#include "SearchProviderTest.moc"
