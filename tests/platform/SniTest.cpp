// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The notification icon and a panel that comes after the program, on a private session bus: the icon
// registers with a StatusNotifierWatcher that appears later, a context-menu request is answered
// before the window acts on it, and the icon is no longer available once the watcher has gone.
#include "platform/qt/QtServices.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QIcon>
#include <QTest>
#include <QTimer>

namespace {

// A panel's watcher on a connection of its own, recording who registered.
class FakeWatcher : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")

public:
    QStringList registered;

public slots:
    Q_SCRIPTABLE void RegisterStatusNotifierItem(const QString &service) { registered << service; }
};

} // namespace

class SniTest : public QObject
{
    Q_OBJECT

private slots:
    void iconFollowsALatePanel()
    {
        QStringList order;
        platform::qt::QtTrayIcon tray;
        // The window's context menu runs a loop of its own while it is open, as QMenu::exec does.
        const auto onEvent = [&order](platform::TrayIcon::Event e) {
            if (e != platform::TrayIcon::Event::RightRelease) {
                order << QStringLiteral("left");
                return;
            }
            order << QStringLiteral("menu open");
            QEventLoop menu;
            QTimer::singleShot(800, &menu, &QEventLoop::quit);
            menu.exec();
            order << QStringLiteral("menu closed");
        };
        tray.TrayIconAdd(QIcon(), QStringLiteral("Orlo Unit Converter"), onEvent);
        QVERIFY(!tray.isAvailable()); // no panel yet
        QVERIFY(tray.statusNotifierItem());

        QDBusConnection panel =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("panel"));
        FakeWatcher watcher;
        QVERIFY(panel.registerObject(
            QStringLiteral("/StatusNotifierWatcher"), &watcher, QDBusConnection::ExportScriptableSlots));
        QVERIFY(panel.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
        QTRY_VERIFY_WITH_TIMEOUT(tray.isAvailable(), 5000);
        QCOMPARE(watcher.registered, QStringList { tray.statusNotifierItem()->serviceName() });

        // The panel asks for the context menu and has its answer while the menu is still open.
        const QString item = tray.statusNotifierItem()->serviceName();
        QDBusMessage call = QDBusMessage::createMethodCall(item,
            QStringLiteral("/StatusNotifierItem"),
            QStringLiteral("org.kde.StatusNotifierItem"),
            QStringLiteral("ContextMenu"));
        call << 10 << 20;
        QDBusPendingCallWatcher reply(panel.asyncCall(call, 2000));
        connect(&reply, &QDBusPendingCallWatcher::finished, this, [&order](QDBusPendingCallWatcher *w) {
            order << (w->isError() ? QStringLiteral("error") : QStringLiteral("answered"));
        });
        QTRY_VERIFY2_WITH_TIMEOUT(order.size() >= 3, qPrintable(order.join(QStringLiteral(" / "))), 5000);
        QCOMPARE(order,
            (QStringList {
                QStringLiteral("menu open"), QStringLiteral("answered"), QStringLiteral("menu closed") }));

        QDBusMessage activate = QDBusMessage::createMethodCall(item,
            QStringLiteral("/StatusNotifierItem"),
            QStringLiteral("org.kde.StatusNotifierItem"),
            QStringLiteral("Activate"));
        activate << 10 << 20;
        panel.asyncCall(activate, 2000);
        QTRY_COMPARE_WITH_TIMEOUT(order.size(), 4, 5000);
        QCOMPARE(order.last(), QStringLiteral("left"));

        // The panel goes: no notification area any more.
        QVERIFY(panel.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher")));
        QTRY_VERIFY_WITH_TIMEOUT(!tray.isAvailable(), 5000);
        QDBusConnection::disconnectFromBus(QStringLiteral("panel"));
    }
};

QTEST_MAIN(SniTest)
#include "SniTest.moc"
