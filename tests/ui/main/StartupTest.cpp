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
    void restoredGroup_data();
    void restoredGroup();
    void customGroupsOnlyInSlots2And5();
    void ampersandsInACustomName_data();
    void ampersandsInACustomName();
    void formThreeShowsAboutBeforeTheWindow();
    void handEditedValues_data();
    void handEditedValues();
};

void StartupTest::noFilesShowsBothMessagesOnceAndStartsWithDefaults()
{
    MainHarness h;
    bool visibleDuringMessages = false;
    h.fake.messages.onShow = [&](const auto &) { visibleDuringMessages |= h.w->isVisible(); };
    ui::frmConvert &w = h.start();

    QCOMPARE(h.fake.messages.shown.size(), 2);
    QCOMPARE(h.fake.messages.shown[0].text,
        QStringLiteral("Loading the default configuration settings.\rClick on the OK button to proceed."));
    QCOMPARE(h.fake.messages.shown[0].icon, MsgIcon::Information);
    QCOMPARE(h.fake.messages.shown[1].text,
        QStringLiteral("Failed to open file 'ORL_USER.DAT'.\rThe user definition is ignored."));
    QCOMPARE(h.fake.messages.shown[1].icon, MsgIcon::Warning);
    for (const auto &box : h.fake.messages.shown)
        QCOMPARE(box.title, QStringLiteral(" Orlo Unit Converter"));
    QVERIFY(!visibleDuringMessages);

    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral(" Orlo Unit Converter - Length"));
    QCOMPARE(w.pos(), QPoint(56, 90)); // 840 and 1350 twips
    QCOMPARE(checkedItems(h.m()), QStringList { QStringLiteral("mnuConvArray_0") });
    QCOMPARE(
        checkedItems(h.m(), h.m().optionsFigArray), QStringList { QStringLiteral("mnuOptionsFigArray_1") });
    QCOMPARE(
        checkedItems(h.m(), h.m().optionsFormArray), QStringList { QStringLiteral("mnuOptionsFormArray_0") });
    QVERIFY(!h.m().showTop->isChecked());
    QCOMPARE(h.fake.order.calls.last(), (Call { &w, 0 }));
    QCOMPARE(h.c().lstConvFrom->count(), int(w.catalogue().UnitCount[0]));
    // No custom quantities: the submenu is disabled, only its unnamed first item is left.
    QVERIFY(!h.m().user->menuAction()->isEnabled());
    QVERIFY(h.m().userArray[0]->isVisible() && h.m().userArray[0]->text().isEmpty());
    QVERIFY(!h.m().userArray[1]->isVisible() && !h.m().userArray[19]->isVisible());
    QVERIFY(!h.m().history->menuAction()->isEnabled());
    QCOMPARE(h.m().warpArray[13]->text(), QStringLiteral("Warp 9.9999"));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.width(), w.layoutGeometry().clientWidth);
    // The custom quantity file is only ever written by the editor.
    QVERIFY(!QFile::exists(h.dir.filePath(QStringLiteral("ORL_USER.DAT"))));
}

void StartupTest::restoredGroup_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("checkedItem");
    QTest::addColumn<int>("fromCount");
    QTest::addColumn<int>("intoCount");
    QTest::newRow("Velocity, Speed without Warp in Into") << 9 << "mnuConvArray_9" << 20 << 19;
    QTest::newRow("Metric Prefixes") << 28 << "mnuConvDecimal" << 40 << 40;
    QTest::newRow("Number System") << 50 << "mnuConvCompArray_1" << 4 << 4;
}

void StartupTest::restoredGroup()
{
    QFETCH(int, group);
    QFETCH(QString, checkedItem);
    QFETCH(int, fromCount);
    QFETCH(int, intoCount);
    MainHarness h;
    h.writeFiles({ { 5, QStringLiteral("Quantity=%1").arg(group) } });
    ui::frmConvert &w = h.start();
    QVERIFY(h.fake.messages.shown.isEmpty());
    QCOMPARE(checkedItems(h.m()), QStringList { checkedItem });
    const QString name = QString::fromStdString(w.catalogue().GroupName[std::size_t(group)]);
    QCOMPARE(w.windowTitle(), QStringLiteral(" Orlo Unit Converter - ") + name);
    QCOMPARE(w.settings().pnSelUnitItem, w.catalogue().UnitCount[std::size_t(group)]);
    QCOMPARE(h.c().lstConvFrom->count(), fromCount);
    QCOMPARE(h.c().lstConvInto->count(), intoCount);
    if (fromCount != intoCount) {
        QCOMPARE(h.c().lstConvFrom->item(fromCount - 1)->text(), QStringLiteral("Warp"));
        QVERIFY(!entries(h.c().lstConvInto).contains(QStringLiteral("Warp")));
    }
}

void StartupTest::customGroupsOnlyInSlots2And5()
{
    MainHarness h;
    h.writeFiles({}, { { 2, "Two" }, { 5, "Five" } });
    h.start();
    QVERIFY(h.m().user->menuAction()->isEnabled());
    for (int i = 0; i < 20; ++i)
        QCOMPARE(h.m().userArray[i]->isVisible(), i == 0 || i == 2 || i == 5);
    QCOMPARE(h.m().userArray[0]->text(), QString());
    QCOMPARE(h.m().userArray[2]->text(), QStringLiteral("Two"));
    h.m().userArray[5]->trigger();
    QCOMPARE(h.w->windowTitle(), QStringLiteral(" Orlo Unit Converter - Five"));
    QCOMPARE(entries(h.c().lstConvFrom), (QStringList { QStringLiteral("base"), QStringLiteral("double") }));
    QCOMPARE(checkedItems(h.m()), QStringList { QStringLiteral("mnuUserArray_5") });
}

void StartupTest::ampersandsInACustomName_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("single ampersand is an access key") << QByteArray("R&D") << " Orlo Unit Converter - RD";
    QTest::newRow("double ampersand shows one") << QByteArray("A&&B") << " Orlo Unit Converter - A&B";
    QTest::newRow("modified marker shown as typed")
        << QByteArray("x [*] y") << " Orlo Unit Converter - x [*] y";
}

void StartupTest::ampersandsInACustomName()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, title);
    MainHarness h;
    h.writeFiles({ { 5, QStringLiteral("Quantity=30") } }, { { 1, name.toStdString() } });
    ui::frmConvert &w = h.start();
    QCOMPARE(h.m().userArray[1]->text(), QString::fromUtf8(name));
    QCOMPARE(w.windowHandle()->title(), title);
}

void StartupTest::formThreeShowsAboutBeforeTheWindow()
{
    MainHarness h;
    h.writeFiles({ { 10, QStringLiteral("Form=3") } });
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
    QCOMPARE(
        checkedItems(h.m(), h.m().optionsFormArray), QStringList { QStringLiteral("mnuOptionsFormArray_0") });
    QVERIFY(w.isVisible());
}

void StartupTest::handEditedValues_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<int>("format");
    const QStringList six { QStringLiteral("mnuOptionsFigArray_1") };
    QTest::newRow("group above the last") << 5 << "Quantity=77" << six << 0;
    QTest::newRow("negative group") << 5 << "Quantity=-3" << six << 0;
    QTest::newRow("format 2") << 10 << "Form=2" << six << 0;
    QTest::newRow("scientific") << 10 << "Form=1" << six << 1;
    QTest::newRow("five figures checks none") << 9 << "Figure=5" << QStringList {} << 0;
    QTest::newRow("figure 1 means 10")
        << 9 << "Figure=1" << QStringList { QStringLiteral("mnuOptionsFigArray_3") } << 0;
    QTest::newRow("integer") << 9 << "Figure=7" << QStringList { QStringLiteral("mnuOptionsFigArray_5") }
                             << 0;
}

void StartupTest::handEditedValues()
{
    QFETCH(int, line);
    QFETCH(QString, value);
    QFETCH(QStringList, figures);
    QFETCH(int, format);
    MainHarness h;
    h.writeFiles({ { line, value } });
    ui::frmConvert &w = h.start();
    QCOMPARE(w.windowTitle(), QStringLiteral(" Orlo Unit Converter - Length"));
    QCOMPARE(checkedItems(h.m()), QStringList { QStringLiteral("mnuConvArray_0") });
    QCOMPARE(checkedItems(h.m(), h.m().optionsFigArray), figures);
    QCOMPARE(checkedItems(h.m(), h.m().optionsFormArray),
        QStringList { h.m().optionsFormArray[format]->objectName() });
    QCOMPARE(w.settings().pnFormFlag, std::int16_t(format));
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
