// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "data/Resources.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

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

namespace {

QString svgPath(Picture which)
{
    switch (which) {
    case Picture::Tray:
        return QStringLiteral(":/orlo/tray.svg");
    case Picture::Hand:
        return QStringLiteral(":/orlo/hand.svg");
    case Picture::AboutFull:
        return QStringLiteral(":/orlo/about_full.svg");
    case Picture::AboutHalf:
        return QStringLiteral(":/orlo/about_half.svg");
    case Picture::App:
        break;
    }
    return QStringLiteral(":/orlo/app.svg");
}

QPixmap render(QSvgRenderer &renderer, int devicePixels)
{
    QImage image(devicePixels, devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

QPixmap render(const QString &svg, int devicePixels)
{
    QSvgRenderer renderer(svg);
    return render(renderer, devicePixels);
}

} // namespace

QPixmap picture(Picture which, int logicalSize, qreal dpr)
{
    const qreal ratio = dpr > 0 ? dpr : 1;
    QPixmap pixmap = render(svgPath(which), qRound(logicalSize * ratio));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon appIcon(qreal dpr)
{
    // Made once for each scale: every window shows the same icon.
    static qreal madeFor = 0;
    static QIcon icon;
    if (madeFor == dpr && !icon.isNull())
        return icon;
    icon = QIcon();
    icon.addPixmap(render(svgPath(Picture::Tray), 16));
    icon.addPixmap(render(QStringLiteral(":/orlo/app-24.svg"), 24));
    QSvgRenderer large(svgPath(Picture::App));
    for (const int size : { 32, 48, 64, 128, 256 }) {
        if (size <= 64 * std::max<qreal>(dpr, 1))
            icon.addPixmap(render(large, size));
    }
    madeFor = dpr;
    return icon;
}

QIcon trayIcon()
{
    QIcon icon;
    icon.addPixmap(render(svgPath(Picture::Tray), 16));
    icon.addPixmap(render(svgPath(Picture::Tray), 32));
    return icon;
}

} // namespace resources
