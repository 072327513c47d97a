// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The program's pictures, compiled into the library orlo_resources under the prefix /orlo.
// Linking that library is all a target needs: the pictures register themselves at start-up.
#pragma once

#include <QIcon>
#include <QString>

namespace resources {

QString trayIconPath(); // 16 x 16, the notification-area icon
QString handPath(); // 32 x 32, the hand between the From and Into frames
QString aboutFullPath(); // 32 x 32, About box animation, gauge at full deflection
QString aboutHalfPath(); // 32 x 32, About box animation, gauge at half deflection
QString appIconPath(); // 64 x 64, the application icon

// The application icon for title bars and task bars: the drawing made for 16 pixels, which
// stays sharp where a scaled-down large icon would blur, and the 64-pixel one for the rest.
QIcon appIcon();

} // namespace resources
