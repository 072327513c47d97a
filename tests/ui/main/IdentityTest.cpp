// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The converter's desktop identity and the configuration folder the store falls back to agree.
#include "platform/qt/AppIdentity.h"
#include "store/Store.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class IdentityTest : public QObject
{
    Q_OBJECT

private slots:
    void desktopEntryAndConfigFolderMatchTheStore()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        platform::qt::SetApplicationIdentity();
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.orlo.Converter"));
        QVERIFY(QFile::exists(QStringLiteral(ORLO_SOURCE_DIR "/data/org.orlo.Converter.desktop")));
        const QString qtFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u'/';
        QCOMPARE(qtFolder, QString::fromStdString(store::UserConfigDir().string()));
    }
};

QTEST_MAIN(IdentityTest)
#include "IdentityTest.moc"
