// The start-up: files, messages, restored group, custom quantity menu, check marks, About at start.
#include "MainHarness.h"
#include "ui/main/CommandLabel.h"

#include <QLocale>
#include <QWindow>

using platform::MsgIcon;

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void noFilesShowsBothMessagesOnceAndStartsWithDefaults();
    void menuTreeAtStart_data();
    void menuTreeAtStart();
    void restoredGroup_data();
    void restoredGroup();
    void customGroupsOnlyInSlots2And5();
    void ampersandsInACustomName_data();
    void ampersandsInACustomName();
    void formThreeShowsAboutBeforeTheWindow();
    void handEditedValues_data();
    void handEditedValues();
    void storedPositionAndFixedSize();
    void coloursFromTheSettings();
};

void StartupTest::noFilesShowsBothMessagesOnceAndStartsWithDefaults()
{
    MainHarness h;
    bool visibleDuringMessages = true;
    h.fake.messages.onShow = [&](const auto &) {
        visibleDuringMessages = visibleDuringMessages && h.w->isVisible();
    };
    ui::frmConvert &w = h.start();

    QCOMPARE(h.fake.messages.shown.size(), 2);
    const auto &info = h.fake.messages.shown[0];
    QCOMPARE(info.text,
        QStringLiteral("Loading the default configuration settings.\rClick on the OK button to proceed."));
    QCOMPARE(info.title, QStringLiteral(" Orlo Unit Converter"));
    QCOMPARE(info.icon, MsgIcon::Information);
    const auto &warn = h.fake.messages.shown[1];
    QCOMPARE(
        warn.text, QStringLiteral("Failed to open file 'ORL_USER.DAT'.\rThe user definition is ignored."));
    QCOMPARE(warn.title, QStringLiteral(" Orlo Unit Converter"));
    QCOMPARE(warn.icon, MsgIcon::Warning);
    QVERIFY(!visibleDuringMessages);

    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral(" Orlo Unit Converter - Length"));
    QCOMPARE(w.pos(), QPoint(56, 90));
    QCOMPARE(checkedGroupItems(h.m()), QStringList { QStringLiteral("mnuConvArray_0") });
    QCOMPARE(checkedItems(h.m().optionsFigArray), QList<int> { 1 });
    QCOMPARE(checkedItems(h.m().optionsFormArray), QList<int> { 0 });
    QVERIFY(!h.m().showTop->isChecked());
    QCOMPARE(h.fake.order.calls.last(), (platform::fake::FakeWindowOrder::Call { &w, 0 }));
    QCOMPARE(h.fake.tray.adds, 1);
    QCOMPARE(h.fake.tray.tip, QStringLiteral("Orlo Unit Converter"));
    QCOMPARE(h.c().lstConvFrom->count(), int(w.catalogue().UnitCount[0]));
    QCOMPARE(w.settings().pnSelUnitItem, w.catalogue().UnitCount[0]);
    QVERIFY(h.c().txtInput->text().isEmpty());
    QVERIFY(h.c().txtResult->text().isEmpty());
    QCOMPARE(ui::ListIndex(h.c().lstConvFrom), std::int16_t(-1));
    QCOMPARE(ui::ListIndex(h.c().lstConvInto), std::int16_t(-1));
    // The custom quantity file is only written by the editor.
    QVERIFY(!QFile::exists(h.dir.filePath(QStringLiteral("ORL_USER.DAT"))));
}

void StartupTest::menuTreeAtStart_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("File Minimize hidden") << "mnuFileMinimize"
                                          << "&Minimize"
                                          << "Ctrl+M" << false << true;
    QTest::newRow("File separator hidden") << "mnuFileBar"
                                           << ""
                                           << "" << false << true;
    QTest::newRow("File Exit") << "mnuFileExit"
                               << "E&xit"
                               << "Ctrl+X" << true << true;
    QTest::newRow("History disabled") << "mnuHistory"
                                      << "&History"
                                      << "" << true << false;
    QTest::newRow("first history entry") << "mnuHistoryArray_0"
                                         << "1"
                                         << "" << true << true;
    QTest::newRow("last history entry hidden") << "mnuHistoryArray_7"
                                               << "8"
                                               << "" << false << true;
    QTest::newRow("Convert Exit hidden") << "mnuExit"
                                         << "E&xit"
                                         << "" << false << true;
    QTest::newRow("Convert separator hidden") << "mnuConv_3"
                                              << ""
                                              << "" << false << true;
    QTest::newRow("ten figures") << "mnuOptionsFigArray_3"
                                 << "&10"
                                 << "Ctrl+Z" << true << true;
    QTest::newRow("integer") << "mnuOptionsFigArray_5"
                             << "&Integer"
                             << "Ctrl+I" << true << true;
    QTest::newRow("scientific") << "mnuOptionsFormArray_1"
                                << "&Scientific"
                                << "Ctrl+S" << true << true;
    QTest::newRow("on top") << "mnuShowTop"
                            << "Always on &Top"
                            << "Ctrl+T" << true << true;
    QTest::newRow("help topics") << "mnuContents"
                                 << "&Help Topics"
                                 << "F1" << true << true;
    QTest::newRow("last warp factor") << "mnuWarpArray_13"
                                      << "Warp 9.9999"
                                      << "" << true << true;
    QTest::newRow("no custom quantities") << "mnuUser"
                                          << "C&ustom Quantities"
                                          << "" << true << false;
    QTest::newRow("unnamed first custom item") << "mnuUserArray_0"
                                               << ""
                                               << "" << true << true;
    QTest::newRow("unnamed custom item hidden") << "mnuUserArray_1"
                                                << "User 2"
                                                << "" << false << true;
}

void StartupTest::menuTreeAtStart()
{
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    MainHarness h;
    h.writeBothFiles();
    ui::frmConvert &w = h.start();
    QAction *a = w.findChild<QAction *>(item);
    QVERIFY2(a, qPrintable(item));
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->shortcut().toString(QKeySequence::PortableText), shortcut);
    QCOMPARE(a->isVisible(), visible);
    if (visible) // the toolkit reports a hidden item as disabled too
        QCOMPARE(a->isEnabled(), enabled);
}

void StartupTest::restoredGroup_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("checkedItem");
    QTest::addColumn<int>("fromCount");
    QTest::addColumn<int>("intoCount");
    QTest::addColumn<QString>("lastFrom");
    QTest::newRow("Velocity, Speed leaves Warp out of Into") << 9 << "mnuConvArray_9" << 20 << 19 << "Warp";
    QTest::newRow("Metric Prefixes") << 28 << "mnuConvDecimal" << 40 << 40 << "";
    QTest::newRow("an Other quantity") << 15 << "mnuConvOtherArray_0" << -1 << -1 << "";
    QTest::newRow("Number System") << 50 << "mnuConvCompArray_1" << -1 << -1 << "";
}

void StartupTest::restoredGroup()
{
    QFETCH(int, group);
    QFETCH(QString, checkedItem);
    QFETCH(int, fromCount);
    QFETCH(int, intoCount);
    QFETCH(QString, lastFrom);
    MainHarness h;
    h.writeBothFiles({ { 5, QStringLiteral("Quantity=%1").arg(group) } });
    ui::frmConvert &w = h.start();
    QVERIFY(h.fake.messages.shown.isEmpty());
    QCOMPARE(checkedGroupItems(h.m()), QStringList { checkedItem });
    const QString name = QString::fromStdString(w.catalogue().GroupName[std::size_t(group)]);
    QCOMPARE(w.windowTitle(), QStringLiteral(" Orlo Unit Converter - ") + name);
    QCOMPARE(w.pnShownUnitGrp, std::int16_t(group));
    if (fromCount >= 0) {
        QCOMPARE(h.c().lstConvFrom->count(), fromCount);
        QCOMPARE(h.c().lstConvInto->count(), intoCount);
    }
    if (!lastFrom.isEmpty()) {
        QCOMPARE(h.c().lstConvFrom->item(fromCount - 1)->text(), lastFrom);
        QVERIFY(!entries(h.c().lstConvInto).contains(lastFrom));
    }
}

void StartupTest::customGroupsOnlyInSlots2And5()
{
    MainHarness h;
    h.writeCfg();
    h.writeUserGroups({ { 2, "Two" }, { 5, "Five" } });
    h.start();
    QVERIFY(h.m().user->menuAction()->isEnabled());
    for (int i = 0; i < 20; ++i) {
        const bool shown = i == 0 || i == 2 || i == 5;
        QCOMPARE(h.m().userArray[i]->isVisible(), shown);
    }
    QCOMPARE(h.m().userArray[0]->text(), QString());
    QCOMPARE(h.m().userArray[2]->text(), QStringLiteral("Two"));
    QCOMPARE(h.m().userArray[5]->text(), QStringLiteral("Five"));

    h.m().userArray[5]->trigger();
    QCOMPARE(h.w->windowTitle(), QStringLiteral(" Orlo Unit Converter - Five"));
    QCOMPARE(entries(h.c().lstConvFrom), (QStringList { QStringLiteral("base"), QStringLiteral("double") }));
    QCOMPARE(checkedGroupItems(h.m()), QStringList { QStringLiteral("mnuUserArray_5") });
}

void StartupTest::ampersandsInACustomName_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("single ampersand is an access key") << QByteArray("R&D") << " Orlo Unit Converter - RD";
    QTest::newRow("double ampersand shows one") << QByteArray("A&&B") << " Orlo Unit Converter - A&B";
    QTest::newRow("modified marker shown literally")
        << QByteArray("x [*] y") << " Orlo Unit Converter - x [*] y";
}

void StartupTest::ampersandsInACustomName()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, title);
    MainHarness h;
    h.writeBothFiles({ { 5, QStringLiteral("Quantity=30") } });
    h.writeUserGroups({ { 1, name.toStdString() } });
    ui::frmConvert &w = h.start();
    QCOMPARE(h.m().userArray[1]->text(), QString::fromUtf8(name));
    QCOMPARE(w.windowHandle()->title(), title);
}

void StartupTest::formThreeShowsAboutBeforeTheWindow()
{
    MainHarness h;
    h.writeBothFiles({ { 10, QStringLiteral("Form=3") } });
    int calls = 0;
    bool visibleWhenShown = true;
    std::int16_t flagWhenShown = -1;
    ui::frmConvert &w = h.start([&](ui::frmConvert &win) {
        win.setAboutHook([&] {
            ++calls;
            visibleWhenShown = win.isVisible();
            flagWhenShown = win.settings().pnFormFlag;
        });
    });
    QCOMPARE(calls, 1);
    QVERIFY(!visibleWhenShown);
    QCOMPARE(flagWhenShown, std::int16_t(3));
    QCOMPARE(w.settings().pnFormFlag, std::int16_t(0));
    QCOMPARE(checkedItems(h.m().optionsFormArray), QList<int> { 0 });
    QVERIFY(w.isVisible());
}

void StartupTest::handEditedValues_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("checkedGroup");
    QTest::addColumn<QList<int>>("figures");
    QTest::addColumn<QList<int>>("formats");
    const QString length = QStringLiteral("mnuConvArray_0");
    QTest::newRow("group above the last")
        << 5 << "Quantity=77" << length << QList<int> { 1 } << QList<int> { 0 };
    QTest::newRow("negative group") << 5 << "Quantity=-3" << length << QList<int> { 1 } << QList<int> { 0 };
    QTest::newRow("format 2") << 10 << "Form=2" << length << QList<int> { 1 } << QList<int> { 0 };
    QTest::newRow("scientific") << 10 << "Form=1" << length << QList<int> { 1 } << QList<int> { 1 };
    QTest::newRow("five figures checks none")
        << 9 << "Figure=5" << length << QList<int> {} << QList<int> { 0 };
    QTest::newRow("figure 1 means 10") << 9 << "Figure=1" << length << QList<int> { 3 } << QList<int> { 0 };
    QTest::newRow("integer") << 9 << "Figure=7" << length << QList<int> { 5 } << QList<int> { 0 };
}

void StartupTest::handEditedValues()
{
    QFETCH(int, line);
    QFETCH(QString, value);
    QFETCH(QString, checkedGroup);
    QFETCH(QList<int>, figures);
    QFETCH(QList<int>, formats);
    MainHarness h;
    h.writeBothFiles({ { line, value } });
    ui::frmConvert &w = h.start();
    QCOMPARE(checkedGroupItems(h.m()), QStringList { checkedGroup });
    QCOMPARE(w.windowTitle(), QStringLiteral(" Orlo Unit Converter - Length"));
    QCOMPARE(checkedItems(h.m().optionsFigArray), figures);
    QCOMPARE(checkedItems(h.m().optionsFormArray), formats);
    QCOMPARE(w.settings().pnFormFlag, std::int16_t(formats.first()));
}

void StartupTest::storedPositionAndFixedSize()
{
    MainHarness h;
    h.writeBothFiles({ { 1, QStringLiteral("Top=750") }, { 2, QStringLiteral("Left=1500") } });
    ui::frmConvert &w = h.start();
    QCOMPARE(w.pos(), QPoint(100, 50));
    const ui::MainLayout &g = w.layoutGeometry();
    QCOMPARE(w.width(), g.clientWidth);
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.centralWidget()->height(), ui::Nearest(g.clientHeight));
    QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    // Every control lies inside the client area, none over another.
    const QRect client = w.centralWidget()->rect();
    const QRect from = h.c().fraConvFrom->geometry(), into = h.c().fraConvInto->geometry();
    QVERIFY(client.contains(from) && client.contains(into));
    QVERIFY(!from.intersects(into));
    QVERIFY(!from.intersects(h.c().imgHand->geometry()) && !into.intersects(h.c().imgHand->geometry()));
    QVERIFY(h.c().fraConvFrom->rect().contains(h.c().lstConvFrom->geometry()));
    QVERIFY(h.c().fraConvFrom->rect().contains(h.c().txtInput->geometry()));
    QCOMPARE(h.w->labels().copy->geometry().right(), client.right() - 7);
    QVERIFY(!h.c().cmdConvert->isVisible());
}

void StartupTest::coloursFromTheSettings()
{
    MainHarness h;
    h.writeBothFiles(
        { { 11, QStringLiteral("FaceColor=000000128") }, { 12, QStringLiteral("TextColor=255255255") } });
    ui::frmConvert &w = h.start();
    QCOMPARE(w.labels().paste->faceColour(), QColor(0, 0, 128));
    QCOMPARE(w.labels().paste->textColour(), QColor(255, 255, 255));
    QCOMPARE(w.labels().copy->faceColour(), QColor(0, 0, 128));
    QCOMPARE(w.labels().copy->textColour(), w.palette().color(QPalette::Active, QPalette::HighlightedText));
    QVERIFY(!w.labels().copy->isSunken());
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
