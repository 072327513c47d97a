#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QFile>
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
QString writeHelp(const QTemporaryDir &dir)
{
    QString html = QStringLiteral("<html><body><h1>Contents</h1>");
    for (int topic : { 17, 18 }) {
        for (int i = 0; i < 80; ++i)
            html += QStringLiteral("<p>Filler line %1</p>").arg(i);
        html += QStringLiteral("<h2><a name=\"topic%1\"></a>Topic %1</h2>").arg(topic);
    }
    for (int i = 0; i < 80; ++i)
        html += QStringLiteral("<p>Tail line %1</p>").arg(i);
    html += QStringLiteral("</body></html>");
    const QString path = dir.filePath(QStringLiteral("Orlohelp.hlp"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(html.toUtf8());
    return path;
}

int scrollAfter(QtHelpViewer &help)
{
    QCoreApplication::processEvents();
    return help.viewer()->verticalScrollBar()->value();
}

} // namespace

Q_DECLARE_METATYPE(platform::MsgIcon)
Q_DECLARE_METATYPE(QMessageBox::Icon)

class QtPlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void messageBox_data()
    {
        QTest::addColumn<platform::MsgIcon>("icon");
        QTest::addColumn<QMessageBox::Icon>("boxIcon");
        QTest::newRow("information") << MsgIcon::Information << QMessageBox::Information;
        QTest::newRow("exclamation") << MsgIcon::Exclamation << QMessageBox::Warning;
        QTest::newRow("warning") << MsgIcon::Warning << QMessageBox::Warning;
        QTest::newRow("critical") << MsgIcon::Critical << QMessageBox::Critical;
    }

    void messageBox()
    {
        QFETCH(platform::MsgIcon, icon);
        QFETCH(QMessageBox::Icon, boxIcon);
        QString text, title;
        QMessageBox::Icon seen = QMessageBox::NoIcon;
        qsizetype buttons = 0;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            text = box->text();
            title = box->windowTitle();
            seen = box->icon();
            buttons = box->buttons().size();
            box->accept();
        });
        QtMessageBoxes().show(
            nullptr, QStringLiteral("first\r\nsecond\rthird"), QStringLiteral(" Error"), icon);
        QCOMPARE(text, QStringLiteral("first\nsecond\nthird"));
        QCOMPARE(title, QStringLiteral(" Error"));
        QCOMPARE(seen, boxIcon);
        QCOMPARE(buttons, 1);
    }

    void clipboardRoundTrip()
    {
        QtClipboard clipboard;
        clipboard.setText(QStringLiteral("1609.34"));
        QCOMPARE(clipboard.text(), QStringLiteral("1609.34"));
        clipboard.clear();
        QCOMPARE(clipboard.text(), QString());
    }

    void trayEvents_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<int>("event"); // -1: ignored
        QTest::newRow("left click") << int(QSystemTrayIcon::Trigger) << int(TrayIcon::Event::LeftPress);
        QTest::newRow("right click") << int(QSystemTrayIcon::Context) << int(TrayIcon::Event::RightRelease);
        QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << -1;
        QTest::newRow("unknown") << int(QSystemTrayIcon::Unknown) << -1;
    }

    void trayEvents()
    {
        QFETCH(int, reason);
        QFETCH(int, event);
        const auto mapped = trayEvent(static_cast<QSystemTrayIcon::ActivationReason>(reason));
        QCOMPARE(mapped ? int(*mapped) : -1, event);
    }

    void twips_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("twips");
        QTest::newRow("96 dpi") << 96.0 << 15;
        QTest::newRow("120 dpi") << 120.0 << 12;
        QTest::newRow("100 dpi rounds down") << 100.0 << 14;
        QTest::newRow("110 dpi rounds up") << 110.0 << 13;
        QTest::newRow("half rounds to even") << 1440.0 / 14.5 << 14;
        QTest::newRow("no dpi") << 0.0 << 15;
    }

    void twips()
    {
        QFETCH(double, dpi);
        QFETCH(int, twips);
        QCOMPARE(int(twipsPerPixel(dpi)), twips);
    }

    void topmostKeepsPlaceAndFocus()
    {
        QWidget w;
        w.setGeometry(120, 130, 200, 100);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QPoint pos = w.pos();
        QtWindowOrder order;
        for (int flag : { 1, 0 }) {
            order.SetTopmost(&w, flag);
            QCOMPARE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint), flag == 1);
            QVERIFY(w.isVisible());
            QCOMPARE(w.pos(), pos);
            QCOMPARE(w.size(), QSize(200, 100));
            QVERIFY(QTest::qWaitForWindowActive(&w));
        }
    }

    void topmostOtherFlagsDoNothing()
    {
        QWidget w;
        QtWindowOrder order;
        order.SetTopmost(&w, 1);
        for (int flag : { 2, -1, 3 }) {
            order.SetTopmost(&w, flag);
            QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        }
        order.SetTopmost(nullptr, 1);
    }

    void topmostHiddenWindowStaysHidden()
    {
        QWidget w;
        QtWindowOrder order;
        order.SetTopmost(&w, 1);
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!w.isVisible());
    }

    void taskbarEntry()
    {
        QWidget w;
        w.setGeometry(60, 70, 150, 90);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint pos = w.pos();
        QtWindowOrder order;
        order.SetTopmost(&w, 1);
        order.setTaskbarEntry(&w, false);
        QCOMPARE(w.windowType(), Qt::Tool);
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(w.isVisible());
        QCOMPARE(w.pos(), pos);
        order.setTaskbarEntry(&w, true);
        QCOMPARE(w.windowType(), Qt::Window);
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void startDetached_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // empty: not created
        QTest::addColumn<bool>("executable");
        QTest::addColumn<bool>("starts");
        QTest::newRow("missing") << "VELDRA.EXE" << QByteArray() << false << false;
        QTest::newRow("not executable") << "VELDRA.EXE" << QByteArray("#!/bin/sh\n") << false << false;
        QTest::newRow("executable") << "VELDRA.EXE" << QByteArray("#!/bin/sh\nexit 0\n") << true << true;
        QTest::newRow("a folder") << "." << QByteArray() << false << false;
    }

    void startDetached()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, executable);
        QFETCH(bool, starts);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (!content.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
            f.close();
            if (executable)
                QVERIFY(f.setPermissions(f.permissions() | QFile::ExeOwner));
        }
        const auto pid = QtProcessStarter().startDetached(path);
        QCOMPARE(pid.has_value(), starts);
        if (starts)
            QVERIFY(*pid > 0);
    }

    void helpContentsAndTopics()
    {
        QTemporaryDir dir;
        const QString file = writeHelp(dir);
        QtHelpViewer help;
        help.showTopic(nullptr, file, 18);
        QTextBrowser *viewer = help.viewer();
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(viewer->toPlainText().contains(QStringLiteral("Topic 18")));
        const int at18 = scrollAfter(help);
        help.showTopic(nullptr, file, 17);
        const int at17 = scrollAfter(help);
        QVERIFY2(at17 > 0 && at18 > at17, qPrintable(QStringLiteral("%1 %2").arg(at17).arg(at18)));
        help.showContents(nullptr, file);
        QCOMPARE(scrollAfter(help), 0);
        QCOMPARE(help.viewer(), viewer);
    }

    void helpMissingFileSaysSoInTheViewer()
    {
        QTemporaryDir dir;
        QtHelpViewer help;
        help.showContents(nullptr, dir.filePath(QStringLiteral("Orlohelp.hlp")));
        QVERIFY(help.viewer()->isVisible());
        QVERIFY(help.viewer()->toPlainText().contains(QStringLiteral("cannot be opened")));
        QVERIFY(!QApplication::activeModalWidget());
        // The same window shows the help once the file is there.
        const QString file = writeHelp(dir);
        help.showTopic(nullptr, file, 17);
        QVERIFY(help.viewer()->toPlainText().contains(QStringLiteral("Topic 17")));
        int viewers = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            viewers += qobject_cast<QTextBrowser *>(w) ? 1 : 0;
        QCOMPARE(viewers, 1);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "QtPlatformTest.moc"
