// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "data/Resources.h"

#include <QImage>
#include <QImageReader>
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

const QString kApp24Svg = QStringLiteral(":/orlo/app-24.svg");

// The sizes the program draws on a screen at 1x (and the icons at 2x), rendered ahead from their
// drawings by the same renderer (the orlo_render_pictures target): a start reads them instead of
// parsing and drawing SVG.
struct Rendering
{
    QString svg;
    int pixels;
    QString png;
};

const std::initializer_list<Rendering> &renderings()
{
    static const std::initializer_list<Rendering> table = {
        { svgPath(Picture::Tray), 16, trayIconPath() },
        { svgPath(Picture::Tray), 32, QStringLiteral(":/orlo/tray-32.png") },
        { kApp24Svg, 24, QStringLiteral(":/orlo/app-24.png") },
        { svgPath(Picture::App), 32, QStringLiteral(":/orlo/app-32.png") },
        { svgPath(Picture::App), 48, QStringLiteral(":/orlo/app-48.png") },
        { svgPath(Picture::App), 64, appIconPath() },
        { svgPath(Picture::App), 128, QStringLiteral(":/orlo/app-128.png") },
        { svgPath(Picture::App), 256, QStringLiteral(":/orlo/app-256.png") },
        { svgPath(Picture::Hand), 32, handPath() },
        { svgPath(Picture::AboutFull), 32, aboutFullPath() },
        { svgPath(Picture::AboutHalf), 32, aboutHalfPath() },
    };
    return table;
}

// Read as PNG and nothing else: left to detect the format, the reader would first load every
// image plug-in to ask whether it reads the file.
QImage readPng(const QString &path)
{
    QImageReader reader(path, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
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

QPixmap draw(const QString &svg, int devicePixels)
{
    for (const Rendering &r : renderings()) {
        if (r.svg != svg || r.pixels != devicePixels)
            continue;
        const QImage image = readPng(r.png);
        if (image.size() == QSize(devicePixels, devicePixels))
            return QPixmap::fromImage(image);
        break;
    }
    QSvgRenderer renderer(svg);
    return render(renderer, devicePixels);
}

} // namespace

QPixmap picture(Picture which, int logicalSize, qreal dpr)
{
    const qreal ratio = dpr > 0 ? dpr : 1;
    QPixmap pixmap = draw(svgPath(which), qRound(logicalSize * ratio));
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
    icon.addPixmap(draw(svgPath(Picture::Tray), 16));
    icon.addPixmap(draw(kApp24Svg, 24));
    for (const int size : { 32, 48, 64, 128, 256 }) {
        if (size <= 64 * std::max<qreal>(dpr, 1))
            icon.addPixmap(draw(svgPath(Picture::App), size));
    }
    madeFor = dpr;
    return icon;
}

QIcon trayIcon()
{
    QIcon icon;
    icon.addPixmap(draw(svgPath(Picture::Tray), 16));
    icon.addPixmap(draw(svgPath(Picture::Tray), 32));
    return icon;
}

} // namespace resources
