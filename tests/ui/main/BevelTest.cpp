// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The command labels' raised and sunken borders at the screen's scale (CTest runs this at 1, 1.5 and
// 2 through QT_SCALE_FACTOR): white and black lines on the outermost device pixels, no face-coloured
// row or column outside them.
#include "ui/main/CommandLabel.h"

#include <QApplication>
#include <QImage>
#include <QTest>

namespace {

const QColor kFace(0, 128, 128);
const QColor kText(255, 255, 0);

} // namespace

class BevelTest : public QObject
{
    Q_OBJECT

private slots:
    void bordersSitOnWholeDevicePixels_data()
    {
        QTest::addColumn<bool>("sunken");
        QTest::newRow("raised") << false;
        QTest::newRow("sunken") << true;
    }
    void bordersSitOnWholeDevicePixels()
    {
        QFETCH(bool, sunken);
        QWidget window;
        ui::CommandLabel label(QStringLiteral("&Copy"), &window);
        label.setGeometry(0, 0, 90, 22);
        label.setColours(kFace, kText);
        label.setMetrics({ 3, 90, 13 });
        sunken ? label.DrawSunken() : label.DrawRaised();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage img = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal dpr = label.devicePixelRatioF();
        QCOMPARE(img.size(), QSize(qRound(90 * dpr), qRound(22 * dpr)));
        const int W = img.width();
        const int H = img.height();
        const QRgb light = sunken ? qRgb(0, 0, 0) : qRgb(255, 255, 255); // top and left
        const QRgb dark = sunken ? qRgb(255, 255, 255) : qRgb(0, 0, 0); // bottom and right
        const int t = std::max(1, int(dpr));
        for (int k = 0; k < t; ++k) {
            QCOMPARE(img.pixel(W / 2, k), light); // top edge
            QCOMPARE(img.pixel(k, H / 2), light); // left edge
            QCOMPARE(img.pixel(W / 2, H - 1 - k), dark); // bottom edge, down to the last device row
            QCOMPARE(img.pixel(W - 1 - k, H / 2), dark); // right edge, out to the last device column
        }
        // Just inside the lines (which take one more device pixel where an edge falls inside one at
        // a fractional scale): the face, not a thicker line.
        QCOMPARE(img.pixel(W / 4, 2 * t), kFace.rgb());
        QCOMPARE(img.pixel(W / 4, H - 1 - 2 * t), kFace.rgb());
        QCOMPARE(img.pixel(2 * t, H / 4), kFace.rgb());
        QCOMPARE(img.pixel(W - 1 - 2 * t, H / 4), kFace.rgb());
    }
};

QTEST_MAIN(BevelTest)
#include "BevelTest.moc"
