// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Renders one of our SVG drawings into a square PNG of the asked size, so the committed
// pictures can be regenerated with the same renderer the toolkit itself uses.
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    // Drawing into an image needs no display, so no GUI application either: this runs on build
    // machines without one.
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 || args.size() == 5 ? args.at(2).toInt(&sizeOk) : 0;
    bool insetOk = true;
    const double inset = args.size() == 5 ? args.at(4).toDouble(&insetOk) : 0.0;
    if (!sizeOk || !insetOk || size <= 0 || size > 4096 || inset < 0) {
        std::fputs("usage: orlo_svg2png IN.svg SIZE OUT.png [INSET]\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "orlo_svg2png: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    // An inset trims the drawing's margin, so one grid-fitted drawing serves two sizes
    // (the 24-pixel drawing without its outer pixel is the 22-pixel icon).
    renderer.setViewBox(renderer.viewBoxF().adjusted(inset, inset, -inset, -inset));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    // Stored straight (not premultiplied) so every reader sees the same colours.
    if (!image.convertToFormat(QImage::Format_ARGB32).save(args.at(3), "PNG")) {
        std::fprintf(stderr, "orlo_svg2png: cannot write %s\n", qPrintable(args.at(3)));
        return 1;
    }
    return 0;
}
