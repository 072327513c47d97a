// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Runs with a session bus address that leads nowhere, or none at all.
#include "platform/qt/QtBus.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QTest>

using namespace std::chrono_literals;

class NoBusTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(!QDBusConnection::sessionBus().isConnected()); }

    void calculatorLinkFailsAtOnce()
    {
        platform::qt::QtCalculatorLink link;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!link.open(QCoreApplication::applicationPid(), 20s));
        QVERIFY(!link.poke(QStringLiteral("txtInput"), QStringLiteral("1")));
        QVERIFY2(clock.elapsed() < 10000, "waited for a bus that is not there");
    }
};

QTEST_GUILESS_MAIN(NoBusTest)
#include "NoBusTest.moc"
