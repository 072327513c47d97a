// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The Qt services: message boxes, twips, window order, process start, help.
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace platform;
using namespace platform::qt;

namespace {

// A help file long enough that both topics lie below the first screen.
QString WriteHelp(const QTemporaryDir &dir)
{
    const QString filler = QStringLiteral("<p>Filler line</p>").repeated(80);
    const QString path = dir.filePath(QStringLiteral("Orlohelp.hlp"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(QStringLiteral("<h1>Contents</h1>%1<h2><a name=\"topic17\"></a>Topic 17</h2>%1"
                               "<h2><a name=\"topic18\"></a>Topic 18</h2>%1")
                    .arg(filler)
                    .toUtf8());
    return path;
}

int ScrollAfter(QtHelpViewer &help)
{
    QCoreApplication::processEvents();
    return help.viewer()->verticalScrollBar()->value();
}

} // namespace

class QtPlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void messageBox()
    {
        for (auto [icon, boxIcon] : { std::pair { MsgIcon::Information, QMessageBox::Information },
                 { MsgIcon::Exclamation, QMessageBox::Warning },
                 { MsgIcon::Warning, QMessageBox::Warning },
                 { MsgIcon::Critical, QMessageBox::Critical } }) {
            QString seen;
            QTimer::singleShot(0, [&seen] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    seen = QStringLiteral("%1|%2|%3|%4")
                               .arg(box->text(), box->windowTitle())
                               .arg(box->icon())
                               .arg(box->buttons().size());
                    box->accept();
                }
            });
            QtMessageBoxes().show(
                nullptr, QStringLiteral("first\r\nsecond\rthird"), QStringLiteral(" Error"), icon);
            QCOMPARE(seen, QStringLiteral("first\nsecond\nthird| Error|%1|1").arg(boxIcon));
        }
    }

    void twips()
    {
        // 1440 twips an inch; half-way sizes round to even, no reading means 96 dpi.
        const double dpi[] = { 96.0, 120.0, 100.0, 110.0, 1440.0 / 14.5, 0.0 };
        const int twips[] = { 15, 12, 14, 13, 14, 15 };
        for (std::size_t i = 0; i < std::size(dpi); ++i)
            QCOMPARE(int(twipsPerPixel(dpi[i])), twips[i]);
    }

    void windowOrderKeepsPlaceAndFocus()
    {
        QWidget w;
        QtWindowOrder order;
        order.SetTopmost(&w, 1);
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!w.isVisible()); // a hidden window stays hidden
        for (int flag : { 2, -1, 3 })
            order.SetTopmost(&w, flag); // other flags do nothing
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        order.SetTopmost(nullptr, 1);

        w.setGeometry(120, 130, 200, 100);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QRect place = w.geometry();
        for (int flag : { 0, 1 }) {
            order.SetTopmost(&w, flag);
            QCOMPARE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint), flag == 1);
            QVERIFY(w.isVisible());
            QCOMPARE(w.geometry(), place);
            QVERIFY(QTest::qWaitForWindowActive(&w));
        }
        order.setTaskbarEntry(&w, false);
        QCOMPARE(w.windowType(), Qt::Tool);
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint) && w.isVisible());
        QCOMPARE(w.geometry(), place);
        order.setTaskbarEntry(&w, true);
        QCOMPARE(w.windowType(), Qt::Window);
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void startDetachedOnlyExecutableFiles()
    {
        QTemporaryDir dir;
        QFile script(dir.filePath(QStringLiteral("VELDRA.EXE")));
        QVERIFY(script.open(QIODevice::WriteOnly) && script.write("#!/bin/sh\nexit 0\n") > 0);
        script.close();
        QVERIFY(!QtProcessStarter().startDetached(script.fileName()));
        QVERIFY(!QtProcessStarter().startDetached(dir.path()));
        QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
        const auto pid = QtProcessStarter().startDetached(script.fileName());
        QVERIFY(pid && *pid > 0);
    }

    void helpTopicsContentsAndMissingFile()
    {
        QTemporaryDir dir;
        const QString file = WriteHelp(dir);
        QtHelpViewer help;
        help.showTopic(nullptr, file, 18);
        QTextBrowser *viewer = help.viewer();
        QVERIFY(viewer && viewer->isVisible());
        const int at18 = ScrollAfter(help);
        help.showTopic(nullptr, file, 17);
        const int at17 = ScrollAfter(help);
        QVERIFY2(at17 > 0 && at18 > at17, qPrintable(QStringLiteral("%1 %2").arg(at17).arg(at18)));
        help.showContents(nullptr, file);
        QCOMPARE(ScrollAfter(help), 0);

        // No file: the viewer says so, no box; the same one window shows the help once it is back.
        QVERIFY(QFile::remove(file));
        help.showContents(nullptr, file);
        QVERIFY(viewer->toPlainText().contains(QStringLiteral("cannot be opened")));
        QVERIFY(!QApplication::activeModalWidget());
        help.showTopic(nullptr, WriteHelp(dir), 17);
        QVERIFY(viewer->toPlainText().contains(QStringLiteral("Topic 17")));
        QCOMPARE(help.viewer(), viewer);
    }

    // The help window's keys: Ctrl+F finds (round past the end), Escape closes the find bar and then
    // the window; it carries the program's icon.
    void helpWindowKeys()
    {
        QTemporaryDir dir;
        QtHelpViewer help;
        help.showContents(nullptr, WriteHelp(dir));
        QWidget *window = help.window();
        QVERIFY(window && window->isVisible());
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(QTest::qWaitForWindowActive(window));

        QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
        QLineEdit *find = help.findBox();
        QVERIFY(find->isVisible());
        QCOMPARE(QApplication::focusWidget(), find);
        QTest::keyClicks(find, QStringLiteral("topic 18"));
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(help.viewer()->textCursor().selectedText(), QStringLiteral("Topic 18"));
        QTest::keyClick(find, Qt::Key_Return); // past the last one: round to the first again
        QCOMPARE(help.viewer()->textCursor().selectedText(), QStringLiteral("Topic 18"));

        QTest::keyClick(find, Qt::Key_Escape);
        QVERIFY(!find->isVisible());
        QVERIFY(window->isVisible());
        QTest::keyClick(help.viewer(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(QtPlatformTest)
#include "QtPlatformTest.moc"
