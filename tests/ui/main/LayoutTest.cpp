// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The window geometry arithmetic and the command row's colour settings.
#include "MainHarness.h"
#include "ui/main/MainLayout.h"

#include <QLocale>

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void geometry_data() { caseRows("layout.txt"); }
    void geometry()
    {
        QFETCH(QStringList, f);
        ui::LayoutMetrics m;
        m.Tppx = m.Tppy = f[1].toShort();
        m.lineHeightPx = f[2].toInt();
        m.frameHeightPx = 20;
        const ui::MainLayout g = ui::LayoutMain(m);
        const auto d = [](auto v) { return static_cast<double>(v); };
        QList<double> got { d(g.capH), d(g.textTopTw), d(g.listTopTw), g.frameHeight, d(g.frameWidth) };
        got << d(g.fromRight) << d(g.intoLeftBeforeFit) << d(g.pnBtnWidth) << d(g.clientWidth)
            << d(g.intoLeft);
        got << g.handLeft << g.handTop << d(g.rowH) << d(g.pnBtnTextTop) << g.clientHeight;
        got << d(g.buttonLeft[1]) << g.windowHeightTw;
        QCOMPARE(f.size(), got.size() + 3);
        for (int i = 0; i < got.size(); ++i)
            QVERIFY2(qAbs(got[i] - f[i + 3].toDouble()) < 1e-3,
                qPrintable(QStringLiteral("field %1: %2").arg(i + 3).arg(got[i])));
    }

    void colourText_data() { caseRows("colours.txt"); }
    void colourText()
    {
        QFETCH(QStringList, f);
        const std::optional<QColor> c = ui::ColourFromText(f[1].toStdString());
        QCOMPARE(
            c ? QStringLiteral("%1 %2 %3").arg(c->red()).arg(c->green()).arg(c->blue()) : QStringLiteral("-"),
            f[2]);
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
