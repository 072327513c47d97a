// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The program's pictures, compiled into the library orlo_resources under the prefix /orlo.
// Linking that library is all a target needs: the pictures register themselves at start-up.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace resources {

QString trayIconPath(); // 16 x 16, the notification-area icon
QString handPath(); // 32 x 32, the hand between the From and Into frames
QString aboutFullPath(); // 32 x 32, About box animation, gauge at full deflection
QString aboutHalfPath(); // 32 x 32, About box animation, gauge at half deflection
QString appIconPath(); // 64 x 64, the application icon

enum class Picture { Tray, Hand, AboutFull, AboutHalf, App };

// A picture drawn from its SVG at `logicalSize` pixels for a screen of device pixel ratio `dpr`:
// logicalSize * dpr device pixels, sharp at every scale.
QPixmap picture(Picture which, int logicalSize, qreal dpr);

// The application icon for title bars and task bars on a screen of device pixel ratio `dpr`: the
// drawing made for 16 pixels, which stays sharp where a scaled-down large icon would blur, the
// 24-pixel drawing, and the large drawing up to 64 logical pixels. Larger sizes come from the icon
// theme (the desktop entry's icon); the window carries none it does not need, as every size it
// carries is drawn at start-up and sent to the X server.
QIcon appIcon(qreal dpr);
// The notification-area icon: its own 16-pixel drawing, also at twice the size for 2x screens.
QIcon trayIcon();

} // namespace resources
