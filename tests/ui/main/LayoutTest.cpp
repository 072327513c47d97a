// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The window geometry arithmetic, reachable corners and the command row's colour settings.
#include "support/MainHarness.h"
#include "ui/common/Colours.h"
#include "ui/common/Windows.h"
#include "ui/main/MainGeometry.h"

#include <QLocale>

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void geometry_data() { cases::AddRows("ui/main/layout.txt"); }
    void geometry()
    {
        QFETCH(cases::Row, f);
        ui::LayoutMetrics m;
        m.Tppx = m.Tppy = f["twips per pixel"].toShort();
        m.lineHeightPx = f["line height"].toInt();
        m.frameHeightPx = 20;
        const ui::MainGeometry g = ui::ComputeMainGeometry(m);
        const auto d = [](auto v) { return static_cast<double>(v); };
        const std::pair<const char *, double> got[] = { { "capH", d(g.capH) },
            { "textTopTw", d(g.textTopTw) },
            { "listTopTw", d(g.listTopTw) },
            { "frameHeight", g.frameHeight },
            { "frameWidth", d(g.frameWidth) },
            { "fromRight", d(g.fromRight) },
            { "intoLeftBeforeFit", d(g.intoLeftBeforeFit) },
            { "pnBtnWidth", d(g.pnBtnWidth) },
            { "clientWidth", d(g.clientWidth) },
            { "intoLeft", d(g.intoLeft) },
            { "handLeft", g.handLeft },
            { "handTop", g.handTop },
            { "rowH", d(g.rowH) },
            { "pnBtnTextTop", d(g.pnBtnTextTop) },
            { "clientHeight", g.clientHeight },
            { "second command left", d(g.buttonLeft[1]) },
            { "windowHeightTw", g.windowHeightTw } };
        for (const auto &[column, value] : got)
            QVERIFY2(qAbs(value - f[column].toDouble()) < 1e-3,
                qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(column)).arg(value)));
    }

    void colourText_data() { cases::AddRows("ui/main/colours.txt"); }
    void colourText()
    {
        QFETCH(cases::Row, f);
        const std::optional<QColor> c = ui::ColourFromText(f["text"].toStdString());
        QCOMPARE(
            c ? QStringLiteral("%1 %2 %3").arg(c->red()).arg(c->green()).arg(c->blue()) : QStringLiteral("-"),
            f["rgb"]);
    }

    // A stored corner with a grip of the title bar on a screen stays; one off every screen comes to
    // the nearest place on the closest one, whole.
    void unreachableCornersComeBackOnScreen()
    {
        const QList<QRect> areas { QRect(0, 0, 1280, 1000), QRect(1280, 0, 1024, 768) };
        const QSize frame(392, 256);
        const std::pair<QPoint, QPoint> cases[] = {
            { QPoint(56, 90), QPoint(56, 90) },
            { QPoint(1240, 90), QPoint(1240, 90) }, // spans both screens
            { QPoint(-300, 10), QPoint(-300, 10) }, // enough of the title bar on screen
            { QPoint(-380, 10), QPoint(0, 10) }, // 12 px of it: too little to grip
            { QPoint(56, -2000), QPoint(56, 0) }, // a Top=-30000 from another screen
            { QPoint(56, 995), QPoint(56, 1000 - 256) }, // below the bottom
            { QPoint(30000, 500), QPoint(2304 - 392, 500) }, // far right: the right-hand screen
            { QPoint(-2133, 90), QPoint(0, 90) },
        };
        for (const auto &[stored, expected] : cases)
            QCOMPARE(ui::ReachableCorner(stored, frame, areas), expected);
        QCOMPARE(
            ui::ReachableCorner(QPoint(-5000, -5000), frame, {}), QPoint(-5000, -5000)); // no screen known
    }

    // A caption colour the file does not give reads on the configured face, light or dark, whatever
    // the palette's text colour.
    void captionColoursReadOnAConfiguredFace()
    {
        for (const char *face : { "000000064", "255255200", "000128128" }) {
            store::Settings s;
            s.psBtnFaceColor = face;
            s.psBtnTextColor = "not a colour";
            s.psBtnTextColor2 = "255000000";
            const ui::CommandColours c = ui::ResolveCommandColours(s, QPalette(Qt::black));
            QVERIFY2(ui::ContrastRatio(c.face, c.text[0]) >= 4.5, face);
            QVERIFY2(ui::ContrastRatio(c.face, c.text[1]) >= 4.5, face);
            QCOMPARE(c.text[2], QColor(255, 0, 0)); // a colour the file gives stands
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
