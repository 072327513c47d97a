// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "platform/qt/QtBus.h"

#include "CalculatorProxy.h"
#include "ConverterAdaptor.h"
#include "ConverterProxy.h"
#include "platform/qt/ActivateTarget.h"
#include "platform/qt/BusNames.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace platform::qt {

namespace {

// How often the bus is asked again while a calculator is still starting.
constexpr int kPollMs = 20;

int remainingMs(const QDeadlineTimer &deadline)
{
    return static_cast<int>(std::max<qint64>(1, deadline.remainingTime()));
}

// The unique connection name that owns `name` right now.
std::optional<QString> ownerOf(const QDBusConnection &bus, const QString &name, int timeoutMs)
{
    QDBusConnectionInterface *daemon = bus.interface();
    daemon->setTimeout(timeoutMs);
    const QDBusReply<QString> owner = daemon->serviceOwner(name);
    if (!owner.isValid())
        return std::nullopt;
    return owner.value();
}

std::optional<std::int64_t> pidOf(const QDBusConnection &bus, const QString &connection, int timeoutMs)
{
    QDBusConnectionInterface *daemon = bus.interface();
    daemon->setTimeout(timeoutMs);
    const QDBusReply<uint> pid = daemon->servicePid(connection);
    if (!pid.isValid())
        return std::nullopt;
    return static_cast<std::int64_t>(pid.value());
}

bool processGone(std::int64_t pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH;
}

// Lets timers and painting go on while waiting, but no clicks or keys: the command that waits
// must not be started again from inside itself.
void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

bool QtCalculatorLink::open(std::int64_t pid, std::chrono::milliseconds timeout)
{
    close();
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || pid <= 0)
        return false;
    const QDeadlineTimer deadline(timeout);
    for (;;) {
        if (const auto owner = ownerOf(bus, bus::calculatorService(), remainingMs(deadline))) {
            if (pidOf(bus, *owner, remainingMs(deadline)) == pid) {
                m_peer = *owner;
                return true;
            }
        }
        if (deadline.hasExpired() || processGone(pid))
            return false;
        pause(std::min(kPollMs, remainingMs(deadline)));
    }
}

bool QtCalculatorLink::poke(const QString &item, const QString &text)
{
    if (m_peer.isEmpty())
        return false;
    // Addressed to the unique name, so the text reaches the calculator that open() found even
    // if a newer one has taken the well-known name since.
    CalculatorProxy calculator(m_peer, bus::calculatorPath(), QDBusConnection::sessionBus());
    calculator.setTimeout(static_cast<int>(kPokeTimeout.count()));
    QDBusPendingReply<bool> accepted = calculator.Poke(item, text);
    accepted.waitForFinished();
    return accepted.isValid() && accepted.value();
}

void QtCalculatorLink::close()
{
    m_peer.clear();
}

QtSingleInstance::QtSingleInstance() = default;

// The bus name is not given back with a call: that call would wait for a connection that may be
// stuck (a huge message from any process of the user wedges it), and the bus daemon frees the
// name anyway when the process ends.
QtSingleInstance::~QtSingleInstance()
{
    if (m_target)
        QDBusConnection::sessionBus().unregisterObject(bus::converterPath());
}

bool QtSingleInstance::activateRunning()
{
    return activate(std::nullopt);
}

bool QtSingleInstance::activateRunning(std::int64_t pid)
{
    return activate(pid);
}

bool QtSingleInstance::activate(std::optional<std::int64_t> pid)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const int timeoutMs = static_cast<int>(kActivateTimeout.count());
    const auto owner = ownerOf(bus, bus::converterService(), timeoutMs);
    if (!owner || *owner == bus.baseService())
        return false;
    if (pid && pidOf(bus, *owner, timeoutMs) != *pid)
        return false;
    ConverterProxy converter(*owner, bus::converterPath(), bus);
    converter.setTimeout(timeoutMs);
    QDBusPendingReply<> answered = converter.Activate();
    answered.waitForFinished();
    return answered.isValid();
}

void QtSingleInstance::listen(std::function<void()> onActivate)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || m_target)
        return;
    auto target = std::make_unique<ActivateTarget>(std::move(onActivate));
    new ConverterAdaptor(target.get()); // owned by the target
    m_target = std::move(target);
    if (!bus.registerObject(bus::converterPath(), m_target.get(), QDBusConnection::ExportAdaptors)) {
        m_target.reset();
        return;
    }
    // Asked with a bounded wait: a start must not hang on a bus that does not answer. Without the
    // name, later starts simply find no converter to bring forward.
    QDBusConnectionInterface *daemon = bus.interface();
    daemon->setTimeout(static_cast<int>(kActivateTimeout.count()));
    daemon->registerService(bus::converterService(),
        QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
}

} // namespace platform::qt
