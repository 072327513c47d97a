// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "data/Resources.h"

namespace resources {

QString trayIconPath()
{
    return QStringLiteral(":/orlo/tray.png");
}

QString handPath()
{
    return QStringLiteral(":/orlo/hand.png");
}

QString aboutFullPath()
{
    return QStringLiteral(":/orlo/about_full.png");
}

QString aboutHalfPath()
{
    return QStringLiteral(":/orlo/about_half.png");
}

QString appIconPath()
{
    return QStringLiteral(":/orlo/app.png");
}

QIcon appIcon()
{
    QIcon icon;
    icon.addFile(trayIconPath(), QSize(16, 16));
    icon.addFile(appIconPath(), QSize(64, 64));
    return icon;
}

} // namespace resources
