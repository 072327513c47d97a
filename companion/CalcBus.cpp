// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "companion/CalcBus.h"

#include "CalculatorAdaptor.h"
#include "companion/frmCalc.h"
#include "platform/qt/BusNames.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace companion {

CalcBus::CalcBus(frmCalc &window)
    : m_window(window)
{
    new CalculatorAdaptor(this); // owned by this object
}

bool CalcBus::publish()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!bus.registerObject(platform::bus::calculatorPath(), this, QDBusConnection::ExportAdaptors))
        return false;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(platform::bus::calculatorService(),
            QDBusConnectionInterface::ReplaceExistingService,
            QDBusConnectionInterface::AllowReplacement);
    return reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
}

bool CalcBus::Poke(const QString &item, const QString &text)
{
    return m_window.poke(item, text);
}

QString CalcBus::Text(const QString &item) const
{
    return m_window.itemText(item);
}

} // namespace companion
