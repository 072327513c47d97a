// Copy, Paste and the history they leave; the hand-off to the calculator, on the fakes.
#include "MainHarness.h"
#include "ui/main/CommandLabel.h"

#include <QLocale>

using namespace std::chrono_literals;

class ClipboardTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void nineCopiesKeepTheEightNewestFirst();
    void copyWithAnEmptyResultStillRecords();
    void choosingAnEntryCopiesItsStatementWhole();
    void editCopyRecordsNothing();
    void speedStatements_data();
    void speedStatements();
    void paste_data();
    void paste();
    void calculatorHandOff_data();
    void calculatorHandOff();
    void calculatorGetsAnEmptyResultAsEmptyText();
};

// The calls of one complete hand-off, in order.
static const QStringList kHandOff { QStringLiteral("start"),
    QStringLiteral("events"),
    QStringLiteral("open"),
    QStringLiteral("poke"),
    QStringLiteral("close") };

static QStringList visibleHistory(const ui::frmConvert::Menus &m)
{
    QStringList out;
    for (QAction *a : m.historyArray)
        if (a->isVisible())
            out << a->text();
    return out;
}

void ClipboardTest::nineCopiesKeepTheEightNewestFirst()
{
    MainHarness h;
    h.startMileIntoMetre();
    QVERIFY(!h.m().history->menuAction()->isEnabled());
    QStringList statements;
    for (int n = 1; n <= 9; ++n) {
        h.c().txtInput->setText(QString::number(n));
        statements.prepend(QStringLiteral("%1 mi: mile = %2 m: meter").arg(n).arg(h.c().txtResult->text()));
        h.w->labels().copy->click();
        QCOMPARE(h.fake.clipboard.text(), h.c().txtResult->text());
        QVERIFY(h.m().history->menuAction()->isEnabled());
        QCOMPARE(visibleHistory(h.m()), statements.mid(0, 8));
    }
    QCOMPARE(h.w->nHistCount, std::int16_t(8));
    QCOMPARE(visibleHistory(h.m()).last(), QStringLiteral("2 mi: mile = 3218.69 m: meter"));
    // The same conversion twice is two entries.
    h.w->labels().copy->click();
    QCOMPARE(h.m().historyArray[0]->text(), h.m().historyArray[1]->text());
    QCOMPARE(h.fake.clipboard.clears, 10);
}

void ClipboardTest::copyWithAnEmptyResultStillRecords()
{
    MainHarness h;
    h.writeFiles();
    h.start();
    // No unit selected, nothing typed: each side is its empty value and one blank.
    h.w->labels().copy->click();
    QCOMPARE(h.fake.clipboard.sets, 1);
    QCOMPARE(h.fake.clipboard.text(), QString());
    QCOMPARE(h.m().historyArray[0]->text(), QStringLiteral("  =  "));
    // The Into entry of the From unit is blank, so the unit part is empty (typing still converts).
    clickRow(h.c().lstConvFrom, "m: meter");
    clickRow(h.c().lstConvInto, static_cast<int>(ui::ListIndex(h.c().lstConvFrom)));
    QTest::keyClicks(h.c().txtInput, QStringLiteral("4"));
    h.w->labels().copy->click();
    QCOMPARE(h.m().historyArray[0]->text(), QStringLiteral("4 m: meter = 4.00000 "));
    QCOMPARE(visibleHistory(h.m()).size(), 2);
}

void ClipboardTest::choosingAnEntryCopiesItsStatementWhole()
{
    MainHarness h;
    h.startMileIntoMetre(QStringLiteral("3"));
    h.w->labels().copy->click();
    h.fake.clipboard.setText(QStringLiteral("1&2"));
    h.w->labels().paste->click();
    QCOMPARE(h.c().txtResult->text(), QStringLiteral("Input error"));
    h.w->labels().copy->click();
    // The menu shows "&" as itself rather than as an access key; the clipboard gets it once.
    QCOMPARE(h.m().historyArray[0]->text(), QStringLiteral("1&&2 mi: mile = Input error m: meter"));

    h.m().historyArray[1]->trigger();
    QCOMPARE(h.fake.clipboard.text(), QStringLiteral("3 mi: mile = 4828.03 m: meter"));
    h.m().historyArray[0]->trigger();
    QCOMPARE(h.fake.clipboard.text(), QStringLiteral("1&2 mi: mile = Input error m: meter"));
    QCOMPARE(h.c().txtInput->text(), QStringLiteral("1&2"));
    QCOMPARE(h.c().txtResult->text(), QStringLiteral("Input error"));
    // An entry not yet in use copies nothing.
    const int sets = h.fake.clipboard.sets;
    h.m().historyArray[5]->trigger();
    QCOMPARE(h.fake.clipboard.sets, sets);
}

void ClipboardTest::editCopyRecordsNothing()
{
    MainHarness h;
    h.startMileIntoMetre(QStringLiteral("2"));
    h.m().editCopy->trigger();
    QCOMPARE(h.fake.clipboard.text(), QStringLiteral("3218.69"));
    QCOMPARE(std::pair(h.fake.clipboard.clears, h.fake.clipboard.sets), std::pair(1, 1));
    QCOMPARE(h.w->nHistCount, std::int16_t(0));
    QVERIFY(!h.m().history->menuAction()->isEnabled());
}

void ClipboardTest::speedStatements_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("into");
    QTest::addColumn<QString>("statement"); // %1 stands for the result
    QTest::newRow("light speed, times") << "c: speed of light in vacuum"
                                        << "m/s"
                                        << "2 time(s) c: speed of light in vacuum = %1 m/s";
    QTest::newRow("into Mach, times") << "km/h"
                                      << "Mach (20 °C, 1 atm)"
                                      << "2 km/h = %1 time(s) Mach (20 °C, 1 atm)";
    QTest::newRow("Mach into Mach") << "Mach (-20 °C, 1 atm)"
                                    << "Mach (0 °C, 1 atm)"
                                    << "2 time(s) Mach (-20 °C, 1 atm) = %1 time(s) Mach (0 °C, 1 atm)";
    QTest::newRow("warp, name first") << "Warp"
                                      << "c: speed of light in vacuum"
                                      << "Warp 2 = %1 time(s) c: speed of light in vacuum";
    // The units at the places an older numbering singled out read like any other.
    QTest::newRow("ft/min into ft/s") << "ft/min"
                                      << "ft/s"
                                      << "2 ft/min = %1 ft/s";
    QTest::newRow("in/s into sound in water") << "in/s"
                                              << "Sound (Water, 0 °C)"
                                              << "2 in/s = %1 Sound (Water, 0 °C)";
    QTest::newRow("sound in water into m/s") << "Sound (Water, 0 °C)"
                                             << "m/s"
                                             << "2 Sound (Water, 0 °C) = %1 m/s";
}

void ClipboardTest::speedStatements()
{
    QFETCH(QString, from);
    QFETCH(QString, into);
    QFETCH(QString, statement);
    MainHarness h;
    h.writeFiles({ { 5, QStringLiteral("Quantity=9") } });
    h.start();
    clickRow(h.c().lstConvInto, into.toUtf8().constData());
    if (from == QStringLiteral("Warp")) {
        bool answered = false;
        answerPopup(h.m().warpArray[1], &answered); // "Warp 2"
        clickRow(h.c().lstConvFrom, "Warp");
        QVERIFY(answered);
    } else {
        clickRow(h.c().lstConvFrom, from.toUtf8().constData());
        QTest::keyClicks(h.c().txtInput, QStringLiteral("2"));
    }
    const QString result = h.c().txtResult->text();
    QVERIFY(!result.isEmpty() && result != QStringLiteral("Input error"));
    h.w->labels().copy->click();
    QCOMPARE(h.m().historyArray[0]->text(), statement.arg(result));
}

void ClipboardTest::paste_data()
{
    QTest::addColumn<bool>("editMenu");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    // The window shows 3218.69 for "2" at six figures; four are chosen behind its back beforehand.
    QTest::newRow("label, number") << false << "5"
                                   << "5"
                                   << "8047";
    QTest::newRow("label, same text converts again") << false << "2"
                                                     << "2"
                                                     << "3219";
    QTest::newRow("label, no number") << false << "two"
                                      << "two"
                                      << "Input error";
    QTest::newRow("label, padded number") << false << " 5 "
                                          << " 5 "
                                          << "8047";
    QTest::newRow("label, empty clipboard") << false << ""
                                            << ""
                                            << "";
    QTest::newRow("menu, number") << true << "5"
                                  << "5"
                                  << "8047";
    QTest::newRow("menu, same text leaves the result") << true << "2"
                                                       << "2"
                                                       << "3218.69";
    QTest::newRow("menu, no number") << true << "abc"
                                     << "abc"
                                     << "Input error";
    QTest::newRow("menu, empty clipboard") << true << ""
                                           << ""
                                           << "";
}

void ClipboardTest::paste()
{
    QFETCH(bool, editMenu);
    QFETCH(QString, clipboard);
    QFETCH(QString, input);
    QFETCH(QString, result);
    MainHarness h;
    h.startMileIntoMetre(QStringLiteral("2"));
    h.w->settings().pnFigure = 4;
    h.fake.clipboard.setText(clipboard);
    if (editMenu)
        h.m().editPaste->trigger();
    else
        h.w->labels().paste->click();
    QCOMPARE(h.c().txtInput->text(), input);
    QCOMPARE(h.c().txtResult->text(), result);
    QCOMPARE(h.w->nHistCount, std::int16_t(0));
}

void ClipboardTest::calculatorHandOff_data()
{
    QTest::addColumn<bool>("starts");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<bool>("takesText");
    QTest::addColumn<QStringList>("journal");
    QTest::newRow("handed over") << true << true << true << kHandOff;
    QTest::newRow("no executable") << false << true << true << kHandOff.mid(0, 1);
    QTest::newRow("no answer in time") << true << false << true << kHandOff.mid(0, 3);
    QTest::newRow("poke refused") << true << true << false << kHandOff;
}

void ClipboardTest::calculatorHandOff()
{
    QFETCH(bool, starts);
    QFETCH(bool, answers);
    QFETCH(bool, takesText);
    QFETCH(QStringList, journal);
    MainHarness h;
    h.writeFiles();
    h.start([&](ui::frmConvert &w) { w.setProgramDir(h.dir.path().toStdString() + "/"); });
    clickRow(h.c().lstConvFrom, "mi: mile");
    clickRow(h.c().lstConvInto, "m: meter");
    QTest::keyClicks(h.c().txtInput, QStringLiteral("2"));
    h.fake.process.results = { starts ? std::optional<std::int64_t>(31337) : std::nullopt };
    h.fake.calculator.openResult = answers;
    h.fake.calculator.pokeResult = takesText;

    h.w->labels().cal->click();
    QCOMPARE(h.fake.journal, journal);
    QCOMPARE(h.fake.process.started, QStringList { h.dir.filePath(QStringLiteral("VELDRA.EXE")) });
    if (answers && starts) {
        QCOMPARE(h.fake.calculator.opens.size(), 1);
        QCOMPARE(h.fake.calculator.opens[0].pid, 31337);
        // Long enough for a calculator to start, short enough not to freeze the window.
        QVERIFY(h.fake.calculator.opens[0].timeout >= 1s && h.fake.calculator.opens[0].timeout <= 5s);
        QCOMPARE(h.fake.calculator.pokes,
            (QList<platform::fake::FakeCalculatorLink::Poke> {
                { QStringLiteral("txtInput"), QStringLiteral("3218.69") } }));
        QVERIFY(!h.fake.calculator.isOpen());
    }
    const bool fails = !(starts && answers && takesText);
    QCOMPARE(h.fake.messages.shown.size(), fails ? 1 : 0);
    if (fails) {
        QCOMPARE(h.fake.messages.shown[0].text, QStringLiteral("The executable file cannot be found."));
        QCOMPARE(h.fake.messages.shown[0].title, QStringLiteral(" Error"));
        QCOMPARE(h.fake.messages.shown[0].icon, platform::MsgIcon::Critical);
    }
    // Each command is a conversation of its own: a second one starts a second calculator.
    h.fake.journal.clear();
    h.fake.process.results = {};
    h.fake.calculator.openResult = true;
    h.fake.calculator.pokeResult = true;
    h.w->labels().cal->click();
    QCOMPARE(h.fake.journal, kHandOff);
    QCOMPARE(h.fake.process.started.size(), 2);
    QCOMPARE(h.fake.messages.shown.size(), fails ? 1 : 0);
}

void ClipboardTest::calculatorGetsAnEmptyResultAsEmptyText()
{
    MainHarness h;
    h.writeFiles();
    h.start();
    h.w->labels().cal->click();
    QCOMPARE(h.fake.process.started, QStringList { h.w->calculatorProgram() });
    QVERIFY(h.w->calculatorProgram().endsWith(QStringLiteral("/VELDRA.EXE")));
    QCOMPARE(h.fake.calculator.pokes,
        (QList<platform::fake::FakeCalculatorLink::Poke> { { QStringLiteral("txtInput"), QString() } }));
    QCOMPARE(h.c().txtDest->text(), QString());
    QVERIFY(h.fake.messages.shown.isEmpty());
}

QTEST_MAIN(ClipboardTest)
#include "ClipboardTest.moc"
