// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "platform/qt/AppIdentity.h"

#include <QGuiApplication>

namespace platform::qt {

void SetApplicationIdentity()
{
    // No organisation: the folder is then ~/.config/Orlo rather than a nested one.
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("Orlo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orlo.Converter"));
}

} // namespace platform::qt
