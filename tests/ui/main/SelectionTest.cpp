// Driving the window as a user does: groups, unit lists, typing, the format menus, Warp, help.
#include "MainHarness.h"

#include <QLocale>

class SelectionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void typingConvertsOnEveryKeystroke();
    void blankedIntoEntryFollowsTheFromSelection();
    void choosingTheShownGroupChangesNothingAnotherClearsAll();
    void formatMenusReformatAtOnce_data();
    void formatMenusReformatAtOnce();
    void menuShortcutsWinInTheInputBox();
    void commaShowsTheSeparatorMessage();
    void warpPopsUpItsMenuAndDisablesTheInput();
    void helpAndAbout();
};

void SelectionTest::typingConvertsOnEveryKeystroke()
{
    MainHarness h;
    h.startMileIntoMetre();
    QCOMPARE(QApplication::focusWidget(), h.c().txtInput); // picking the Into unit hands the focus back
    const std::pair<Qt::Key, const char *> steps[] = {
        { Qt::Key_1, "1609.34" },
        { Qt::Key_0, "16093.4" },
        { Qt::Key_Period, "16093.4" },
        { Qt::Key_5, "16898.1" },
        { Qt::Key_Backspace, "16093.4" },
        { Qt::Key_Backspace, "16093.4" },
        { Qt::Key_Backspace, "1609.34" },
        { Qt::Key_Backspace, "" },
    };
    for (const auto &[key, result] : steps) {
        QTest::keyClick(h.c().txtInput, key);
        QCOMPARE(h.c().txtResult->text(), QString::fromLatin1(result));
    }
    QVERIFY(h.fake.messages.shown.isEmpty());
}

void SelectionTest::blankedIntoEntryFollowsTheFromSelection()
{
    MainHarness h;
    h.writeFiles();
    h.start();
    QListWidget *into = h.c().lstConvInto;
    const QStringList names = entries(into);
    clickRow(h.c().lstConvFrom, 3);
    QCOMPARE(into->item(3)->text(), QString());
    clickRow(h.c().lstConvFrom, 5);
    QCOMPARE(into->item(3)->text(), names[3]);
    QCOMPARE(into->item(5)->text(), QString());
    QCOMPARE(into->count(), names.size());
    // Picking the blanked entry, the From unit itself, empties the result.
    clickRow(into, 2);
    QTest::keyClicks(h.c().txtInput, QStringLiteral("2"));
    QVERIFY(!h.c().txtResult->text().isEmpty());
    clickRow(into, 5);
    QCOMPARE(h.c().txtResult->text(), QString());
}

void SelectionTest::choosingTheShownGroupChangesNothingAnotherClearsAll()
{
    MainHarness h;
    h.startMileIntoMetre();
    QTest::keyClicks(h.c().txtInput, QStringLiteral("3"));
    const QString result = h.c().txtResult->text();
    const QStringList into = entries(h.c().lstConvInto);
    const auto selection = std::pair(ui::ListIndex(h.c().lstConvFrom), ui::ListIndex(h.c().lstConvInto));
    h.m().convArray[0]->trigger();
    QCOMPARE(h.c().txtInput->text(), QStringLiteral("3"));
    QCOMPARE(h.c().txtResult->text(), result);
    QCOMPARE(entries(h.c().lstConvInto), into);
    QCOMPARE(std::pair(ui::ListIndex(h.c().lstConvFrom), ui::ListIndex(h.c().lstConvInto)), selection);
    QCOMPARE(checkedItems(h.m()), QStringList { QStringLiteral("mnuConvArray_0") });

    h.m().convOtherArray[2]->trigger();
    QCOMPARE(h.w->settings().pnSelUnitGrp, std::int16_t(17));
    QVERIFY(h.c().txtInput->text().isEmpty() && h.c().txtResult->text().isEmpty());
    QCOMPARE(ui::ListIndex(h.c().lstConvFrom), std::int16_t(-1));
    QCOMPARE(checkedItems(h.m()), QStringList { QStringLiteral("mnuConvOtherArray_2") });
}

void SelectionTest::formatMenusReformatAtOnce_data()
{
    QTest::addColumn<int>("figureItem");
    QTest::addColumn<int>("formatItem");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("pnFigure");
    QTest::addColumn<QString>("result");
    QTest::newRow("4 figures") << 0 << 0 << "1" << 4 << "1609";
    QTest::newRow("8 figures") << 2 << 0 << "1" << 8 << "1609.3440";
    QTest::newRow("10 figures") << 3 << 0 << "1" << 10 << "1609.344000";
    QTest::newRow("integer stores 7") << 5 << 0 << "1" << 7 << "1609";
    QTest::newRow("scientific") << 1 << 1 << "1" << 6 << "1.60934E+03";
    QTest::newRow("scientific 4 figures") << 0 << 1 << "1" << 4 << "1.609E+03";
    QTest::newRow("empty input converts as 0") << 1 << 0 << "" << 6 << "0.00000E+00";
}

void SelectionTest::formatMenusReformatAtOnce()
{
    QFETCH(int, figureItem);
    QFETCH(int, formatItem);
    QFETCH(QString, input);
    QFETCH(int, pnFigure);
    QFETCH(QString, result);
    MainHarness h;
    h.startMileIntoMetre();
    QTest::keyClicks(h.c().txtInput, input);
    // Twice: choosing the checked item again keeps its mark and converts again.
    for (int round = 0; round < 2; ++round) {
        h.m().optionsFigArray[figureItem]->trigger();
        h.m().optionsFormArray[formatItem]->trigger();
        QCOMPARE(h.c().txtResult->text(), result);
        QCOMPARE(h.w->settings().pnFigure, std::int16_t(pnFigure));
        QCOMPARE(checkedItems(h.m(), h.m().optionsFigArray),
            QStringList { h.m().optionsFigArray[figureItem]->objectName() });
        QCOMPARE(checkedItems(h.m(), h.m().optionsFormArray),
            QStringList { h.m().optionsFormArray[formatItem]->objectName() });
    }
}

void SelectionTest::menuShortcutsWinInTheInputBox()
{
    MainHarness h;
    h.startMileIntoMetre();
    QTest::keyClicks(h.c().txtInput, QStringLiteral("12"));
    // Ctrl+Z is ten figures rather than the box's undo.
    const std::tuple<Qt::Key, int, int> keys[] = {
        { Qt::Key_Z, 10, 0 }, { Qt::Key_F4, 4, 0 }, { Qt::Key_S, 4, 1 }
    };
    for (const auto &[key, figure, format] : keys) {
        QTest::keyClick(h.c().txtInput, key, Qt::ControlModifier);
        QCOMPARE(h.w->settings().pnFigure, std::int16_t(figure));
        QCOMPARE(h.w->settings().pnFormFlag, std::int16_t(format));
        QCOMPARE(h.c().txtInput->text(), QStringLiteral("12"));
    }
}

void SelectionTest::commaShowsTheSeparatorMessage()
{
    MainHarness h;
    h.startMileIntoMetre();
    QTest::keyClicks(h.c().txtInput, QStringLiteral("1,5"));
    QCOMPARE(h.fake.messages.shown.size(), 2); // "1," and "1,5" are each checked
    QCOMPARE(h.fake.messages.shown[0].text,
        QStringLiteral("This application recognizes only a period (dot) as decimal separator."));
    QCOMPARE(h.fake.messages.shown[0].title, QStringLiteral(" Orlo Unit Converter"));
    QCOMPARE(h.fake.messages.shown[0].icon, platform::MsgIcon::Exclamation);
    QCOMPARE(h.c().txtResult->text(), QStringLiteral("1609.34"));
}

void SelectionTest::warpPopsUpItsMenuAndDisablesTheInput()
{
    MainHarness h;
    h.writeFiles();
    h.start();
    h.m().convArray[9]->trigger();
    QListWidget *from = h.c().lstConvFrom;
    QListWidget *into = h.c().lstConvInto;
    clickRow(into, 9); // the speed of light
    bool answered = false;
    answerPopup(h.m().warpArray[0], &answered);
    clickRow(from, 19);
    QVERIFY(answered);
    QCOMPARE(h.c().txtInput->text(), QStringLiteral("1"));
    QVERIFY(!h.c().txtInput->isEnabled());
    QCOMPARE(h.c().txtResult->text(), QStringLiteral("1.00000"));

    answered = false;
    answerPopup(h.m().warpArray[13], &answered);
    clickRow(from, 0);
    QVERIFY(h.c().txtInput->isEnabled());
    clickRow(from, 19);
    QVERIFY(answered);
    QCOMPARE(h.w->WarpIndex, std::int16_t(13));
    QCOMPARE(h.c().txtInput->text(), QStringLiteral("9.9999"));
    // Leaving Warp restores nothing in the Into list, which never offers Warp.
    clickRow(from, 2);
    QVERIFY(h.c().txtInput->isEnabled());
    QCOMPARE(into->count(), 19);
    QCOMPARE(into->item(2)->text(), QString());
}

void SelectionTest::helpAndAbout()
{
    MainHarness h;
    h.writeFiles({ { 8, QStringLiteral("ShowTop=1") } });
    QList<Call> callsAtAbout;
    ui::frmConvert &w =
        h.start([&](ui::frmConvert &win) { win.setAboutHook([&] { callsAtAbout = h.fake.order.calls; }); });
    QVERIFY(h.m().showTop->isChecked());
    h.m().contents->trigger();
    QCOMPARE(h.fake.help.calls.size(), 1);
    QCOMPARE(h.fake.help.calls[0].helpFile, h.dir.filePath(QStringLiteral("Orlohelp.hlp")));
    QVERIFY(!h.fake.help.calls[0].topic);
    // The main window gives up on-top before the About box opens.
    h.m().about->trigger();
    QCOMPARE(callsAtAbout.last(), (Call { &w, 0 }));
}

QTEST_MAIN(SelectionTest)
#include "SelectionTest.moc"
