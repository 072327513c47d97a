// Driving the window as a user does: groups, unit lists, typing, the format menus, Warp, help.
#include "MainHarness.h"

#include <QLocale>

using platform::MsgIcon;

class SelectionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void typingConvertsOnEveryKeystroke();
    void blankedIntoEntryFollowsTheFromSelection();
    void pickingTheBlankedIntoEntryEmptiesTheResult();
    void choosingTheShownGroupChangesNothing();
    void choosingAnotherGroupClearsEverything();
    void formatMenusReformatAtOnce_data();
    void formatMenusReformatAtOnce();
    void menuShortcutsWinInTheInputBox_data();
    void menuShortcutsWinInTheInputBox();
    void emptyInputConvertsAsZeroOnAFormatChange();
    void commaShowsTheSeparatorMessage();
    void warpPopsUpItsMenuAndDisablesTheInput();
    void intoPickPutsFocusBackInTheInput();
    void helpTopicsAsksForTheContents();
    void aboutTakesTheWindowOffTopFirst();
    void alwaysOnTopToggles();

private:
    // Length, "mi: mile" into "m: meter", ready for typing.
    static void mileIntoMetre(MainHarness &h);
};

void SelectionTest::mileIntoMetre(MainHarness &h)
{
    h.writeBothFiles();
    h.start();
    clickRow(h.c().lstConvFrom, rowOf(h.c().lstConvFrom, QStringLiteral("mi: mile")));
    clickRow(h.c().lstConvInto, rowOf(h.c().lstConvInto, QStringLiteral("m: meter")));
}

void SelectionTest::typingConvertsOnEveryKeystroke()
{
    MainHarness h;
    mileIntoMetre(h);
    QLineEdit *in = h.c().txtInput;
    struct Step
    {
        Qt::Key key;
        const char *text;
        const char *result;
    };
    const Step steps[] = {
        { Qt::Key_1, "1", "1609.34" },
        { Qt::Key_0, "10", "16093.4" },
        { Qt::Key_Period, "10.", "16093.4" },
        { Qt::Key_5, "10.5", "16898.1" },
        { Qt::Key_Backspace, "10.", "16093.4" },
        { Qt::Key_Backspace, "10", "16093.4" },
        { Qt::Key_Backspace, "1", "1609.34" },
        { Qt::Key_Backspace, "", "" },
    };
    for (const Step &s : steps) {
        QTest::keyClick(in, s.key);
        QCOMPARE(in->text(), QString::fromLatin1(s.text));
        QCOMPARE(h.c().txtResult->text(), QString::fromLatin1(s.result));
    }
    QVERIFY(h.fake.messages.shown.isEmpty());
}

void SelectionTest::blankedIntoEntryFollowsTheFromSelection()
{
    MainHarness h;
    h.writeBothFiles();
    h.start();
    QListWidget *from = h.c().lstConvFrom;
    QListWidget *into = h.c().lstConvInto;
    const QStringList names = entries(from);
    clickRow(from, 3);
    QCOMPARE(into->item(3)->text(), QString());
    clickRow(from, 5);
    QCOMPARE(into->item(3)->text(), names[3]);
    QCOMPARE(into->item(5)->text(), QString());
    QCOMPARE(into->count(), names.size());
    clickRow(from, 5);
    QCOMPARE(into->item(5)->text(), QString());
    QCOMPARE(h.w->nPrevFrom, std::int16_t(5));
}

void SelectionTest::pickingTheBlankedIntoEntryEmptiesTheResult()
{
    MainHarness h;
    mileIntoMetre(h);
    QTest::keyClicks(h.c().txtInput, QStringLiteral("2"));
    QCOMPARE(h.c().txtResult->text(), QStringLiteral("3218.69"));
    clickRow(h.c().lstConvInto, ui::ListIndex(h.c().lstConvFrom));
    QCOMPARE(h.c().txtResult->text(), QString());
}

void SelectionTest::choosingTheShownGroupChangesNothing()
{
    MainHarness h;
    mileIntoMetre(h);
    QTest::keyClicks(h.c().txtInput, QStringLiteral("3"));
    const QString result = h.c().txtResult->text();
    const QStringList intoBefore = entries(h.c().lstConvInto);
    const std::int16_t fromBefore = ui::ListIndex(h.c().lstConvFrom);
    const std::int16_t intoSelBefore = ui::ListIndex(h.c().lstConvInto);

    h.m().convArray[0]->trigger();

    QCOMPARE(h.c().txtInput->text(), QStringLiteral("3"));
    QCOMPARE(h.c().txtResult->text(), result);
    QCOMPARE(entries(h.c().lstConvInto), intoBefore);
    QCOMPARE(ui::ListIndex(h.c().lstConvFrom), fromBefore);
    QCOMPARE(ui::ListIndex(h.c().lstConvInto), intoSelBefore);
    QCOMPARE(checkedGroupItems(h.m()), QStringList { QStringLiteral("mnuConvArray_0") });
}

void SelectionTest::choosingAnotherGroupClearsEverything()
{
    MainHarness h;
    mileIntoMetre(h);
    QTest::keyClicks(h.c().txtInput, QStringLiteral("3"));
    h.m().convOtherArray[2]->trigger();
    const auto &cat = h.w->catalogue();
    QCOMPARE(h.w->windowTitle(),
        QStringLiteral(" Orlo Unit Converter - ") + QString::fromStdString(cat.GroupName[17]));
    QCOMPARE(h.w->settings().pnSelUnitGrp, std::int16_t(17));
    QVERIFY(h.c().txtInput->text().isEmpty());
    QVERIFY(h.c().txtResult->text().isEmpty());
    QCOMPARE(ui::ListIndex(h.c().lstConvFrom), std::int16_t(-1));
    QCOMPARE(ui::ListIndex(h.c().lstConvInto), std::int16_t(-1));
    QCOMPARE(checkedGroupItems(h.m()), QStringList { QStringLiteral("mnuConvOtherArray_2") });
    QCOMPARE(h.c().lstConvInto->count(), int(cat.UnitCount[17]));
    QCOMPARE(h.w->settings().pnSelUnitItem, cat.UnitCount[17]);

    h.m().convDecimal->trigger();
    QCOMPARE(checkedGroupItems(h.m()), QStringList { QStringLiteral("mnuConvDecimal") });
    h.m().convCompArray[0]->trigger();
    QCOMPARE(checkedGroupItems(h.m()), QStringList { QStringLiteral("mnuConvCompArray_0") });
}

void SelectionTest::formatMenusReformatAtOnce_data()
{
    QTest::addColumn<int>("figureItem"); // -1: leave
    QTest::addColumn<int>("formatItem");
    QTest::addColumn<int>("pnFigure");
    QTest::addColumn<QString>("result");
    QTest::newRow("4 figures") << 0 << -1 << 4 << "1609";
    QTest::newRow("8 figures") << 2 << -1 << 8 << "1609.3440";
    QTest::newRow("10 figures") << 3 << -1 << 10 << "1609.344000";
    QTest::newRow("integer stores 7") << 5 << -1 << 7 << "1609";
    QTest::newRow("6 again") << 1 << -1 << 6 << "1609.34";
    QTest::newRow("scientific") << -1 << 1 << 6 << "1.60934E+03";
    QTest::newRow("scientific 4 figures") << 0 << 1 << 4 << "1.609E+03";
}

void SelectionTest::formatMenusReformatAtOnce()
{
    QFETCH(int, figureItem);
    QFETCH(int, formatItem);
    QFETCH(int, pnFigure);
    QFETCH(QString, result);
    MainHarness h;
    mileIntoMetre(h);
    QTest::keyClicks(h.c().txtInput, QStringLiteral("1"));
    if (figureItem >= 0)
        h.m().optionsFigArray[figureItem]->trigger();
    if (formatItem >= 0)
        h.m().optionsFormArray[formatItem]->trigger();
    QCOMPARE(h.c().txtResult->text(), result);
    QCOMPARE(h.w->settings().pnFigure, std::int16_t(pnFigure));
    QCOMPARE(checkedItems(h.m().optionsFigArray), QList<int> { figureItem >= 0 ? figureItem : 1 });
    QCOMPARE(checkedItems(h.m().optionsFormArray), QList<int> { formatItem >= 0 ? formatItem : 0 });
    // Choosing the checked item again keeps its mark and the result.
    if (figureItem >= 0)
        h.m().optionsFigArray[figureItem]->trigger();
    QCOMPARE(checkedItems(h.m().optionsFigArray), QList<int> { figureItem >= 0 ? figureItem : 1 });
    QCOMPARE(h.c().txtResult->text(), result);
}

void SelectionTest::menuShortcutsWinInTheInputBox_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("pnFigure");
    QTest::addColumn<int>("pnFormFlag");
    QTest::newRow("Ctrl+F4") << int(Qt::Key_F4) << 4 << 0;
    QTest::newRow("Ctrl+Z is ten figures, not undo") << int(Qt::Key_Z) << 10 << 0;
    QTest::newRow("Ctrl+I") << int(Qt::Key_I) << 7 << 0;
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << 6 << 1;
}

void SelectionTest::menuShortcutsWinInTheInputBox()
{
    QFETCH(int, key);
    QFETCH(int, pnFigure);
    QFETCH(int, pnFormFlag);
    MainHarness h;
    mileIntoMetre(h);
    h.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.w.get()));
    h.c().txtInput->setFocus();
    QTest::keyClicks(h.c().txtInput, QStringLiteral("12"));
    QTest::keyClick(h.c().txtInput, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(h.w->settings().pnFigure, std::int16_t(pnFigure));
    QCOMPARE(h.w->settings().pnFormFlag, std::int16_t(pnFormFlag));
    QCOMPARE(h.c().txtInput->text(), QStringLiteral("12"));
}

void SelectionTest::emptyInputConvertsAsZeroOnAFormatChange()
{
    MainHarness h;
    mileIntoMetre(h);
    QVERIFY(h.c().txtResult->text().isEmpty());
    h.m().optionsFigArray[1]->trigger();
    QCOMPARE(h.c().txtResult->text(), QStringLiteral("0.00000E+00"));
}

void SelectionTest::commaShowsTheSeparatorMessage()
{
    MainHarness h;
    mileIntoMetre(h);
    QTest::keyClicks(h.c().txtInput, QStringLiteral("1,5"));
    QCOMPARE(h.fake.messages.shown.size(), 2); // the comma, then "1,5" once more
    const auto &box = h.fake.messages.shown.first();
    QCOMPARE(
        box.text, QStringLiteral("This application recognizes only a period (dot) as decimal separator."));
    QCOMPARE(box.title, QStringLiteral(" Orlo Unit Converter"));
    QCOMPARE(box.icon, MsgIcon::Exclamation);
    QCOMPARE(h.c().txtResult->text(), QStringLiteral("1609.34"));
}

void SelectionTest::warpPopsUpItsMenuAndDisablesTheInput()
{
    MainHarness h;
    h.writeBothFiles();
    h.start();
    h.m().convArray[9]->trigger();
    QListWidget *from = h.c().lstConvFrom;
    QListWidget *into = h.c().lstConvInto;
    QCOMPARE(from->count(), 20);
    QCOMPARE(into->count(), 19);

    const int light = rowOf(into, QString::fromStdString(h.w->catalogue().UnitName[9][9]));
    clickRow(into, light);
    bool answered = false;
    answerPopup(h.m().warpArray[0], &answered);
    clickRow(from, 19);
    QVERIFY(answered);
    QCOMPARE(h.w->WarpIndex, std::int16_t(0));
    QCOMPARE(h.c().txtInput->text(), QStringLiteral("1"));
    QVERIFY(!h.c().txtInput->isEnabled());
    QCOMPARE(h.c().txtResult->text(), QStringLiteral("1.00000"));

    answered = false;
    answerPopup(h.m().warpArray[13], &answered);
    clickRow(from, 0);
    clickRow(from, 19);
    QVERIFY(answered);
    QCOMPARE(h.w->WarpIndex, std::int16_t(13));
    QCOMPARE(h.c().txtInput->text(), QStringLiteral("9.9999"));

    clickRow(from, 2);
    QVERIFY(h.c().txtInput->isEnabled());
    QCOMPARE(into->count(), 19);
    QCOMPARE(into->item(2)->text(), QString());
    QVERIFY(!entries(into).contains(QStringLiteral("Warp")));
}

void SelectionTest::intoPickPutsFocusBackInTheInput()
{
    MainHarness h;
    h.writeBothFiles();
    h.start();
    h.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.w.get()));
    clickRow(h.c().lstConvFrom, 1);
    h.c().lstConvInto->setFocus();
    clickRow(h.c().lstConvInto, 2);
    QCOMPARE(QApplication::focusWidget(), h.c().txtInput);
}

void SelectionTest::helpTopicsAsksForTheContents()
{
    MainHarness h;
    h.writeBothFiles();
    h.start();
    h.m().contents->trigger();
    QCOMPARE(h.fake.help.calls.size(), 1);
    QCOMPARE(h.fake.help.calls[0].helpFile, h.helpFile());
    QVERIFY(!h.fake.help.calls[0].topic.has_value());
    QVERIFY(h.fake.messages.shown.isEmpty());
}

void SelectionTest::aboutTakesTheWindowOffTopFirst()
{
    MainHarness h;
    h.writeBothFiles({ { 8, QStringLiteral("ShowTop=1") } });
    QList<platform::fake::FakeWindowOrder::Call> callsAtAbout;
    ui::frmConvert &w =
        h.start([&](ui::frmConvert &win) { win.setAboutHook([&] { callsAtAbout = h.fake.order.calls; }); });
    QVERIFY(h.m().showTop->isChecked());
    QCOMPARE(h.fake.order.calls.last(), (platform::fake::FakeWindowOrder::Call { &w, 1 }));
    h.m().about->trigger();
    QVERIFY(!callsAtAbout.isEmpty());
    QCOMPARE(callsAtAbout.last(), (platform::fake::FakeWindowOrder::Call { &w, 0 }));
}

void SelectionTest::alwaysOnTopToggles()
{
    MainHarness h;
    h.writeBothFiles();
    ui::frmConvert &w = h.start();
    for (int flag : { 1, 0, 1 }) {
        h.m().showTop->trigger();
        QCOMPARE(h.m().showTop->isChecked(), flag == 1);
        QCOMPARE(w.settings().pnShowTop, std::int16_t(flag));
        QCOMPARE(h.fake.order.calls.last(), (platform::fake::FakeWindowOrder::Call { &w, flag }));
    }
}

QTEST_MAIN(SelectionTest)
#include "SelectionTest.moc"
