// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "platform/qt/SniItem.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QTimer>

namespace platform::qt {
namespace {

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kItemPath = QStringLiteral("/StatusNotifierItem");
constexpr int kCallTimeoutMs = 1000;

} // namespace

SniItem::SniItem(QString title, std::function<void(Click)> onClick)
    : m_title(std::move(title))
    , m_onClick(std::move(onClick))
    , m_service(QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid()))
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    m_exported = bus.registerObject(kItemPath,
        this,
        QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportScriptableSignals
            | QDBusConnection::ExportAllProperties);
    QDBusConnectionInterface *daemon = bus.interface();
    daemon->setTimeout(kCallTimeoutMs);
    daemon->registerService(m_service, QDBusConnectionInterface::DontQueueService);
    m_watcher = std::make_unique<QDBusServiceWatcher>(kWatcher,
        bus,
        QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration);
    connect(m_watcher.get(), &QDBusServiceWatcher::serviceRegistered, this, &SniItem::registerWithWatcher);
    connect(m_watcher.get(), &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        m_registered = false;
        emit registrationChanged(false);
    });
    registerWithWatcher(); // a watcher may be there already
}

// The bus name goes with the connection when the process ends; no blocking call on the way out.
SniItem::~SniItem()
{
    if (m_exported)
        QDBusConnection::sessionBus().unregisterObject(kItemPath);
}

void SniItem::registerWithWatcher()
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        kWatcher, kWatcherPath, kWatcher, QStringLiteral("RegisterStatusNotifierItem"));
    call << m_service;
    auto *pending =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, kCallTimeoutMs), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        const bool now = !done->isError();
        if (now != m_registered) {
            m_registered = now;
            emit registrationChanged(now);
        }
    });
}

// The panel's call is answered first; the window acts from the event loop (a context menu would
// otherwise hold the panel's call until it closes).
void SniItem::later(Click click)
{
    QTimer::singleShot(0, this, [this, click] {
        if (m_onClick)
            m_onClick(click);
    });
}

void SniItem::Activate(int, int)
{
    later(Click::Left);
}

void SniItem::SecondaryActivate(int, int)
{
    later(Click::Left);
}

void SniItem::ContextMenu(int, int)
{
    later(Click::Context);
}

void SniItem::Scroll(int, const QString &) { }

} // namespace platform::qt
