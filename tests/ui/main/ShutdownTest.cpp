// Closing the window: which endings save, what the saved file restores, a save that fails.
#include "MainHarness.h"
#include "ui/main/TermSignal.h"

#include <QLocale>
#include <QSignalSpy>

#include <csignal>

class ShutdownTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void closeSavesAFileThatReloadsToTheSameState();
    void whichReasonsSave_data();
    void whichReasonsSave();
    void unwritableFolderReportsOnceAndStillEnds();
    void terminationSignalClosesThroughTheSavingPath();
};

void ShutdownTest::closeSavesAFileThatReloadsToTheSameState()
{
    MainHarness h;
    h.writeFiles();
    ui::frmConvert &first = h.start();
    first.move(100, 50);
    for (QAction *a :
        { h.m().convArray[6], h.m().optionsFigArray[3], h.m().optionsFormArray[1], h.m().showTop })
        a->trigger();
    const QString title = first.windowTitle();
    QSignalSpy ended(&first, &ui::frmConvert::ended);
    h.m().fileExit->trigger();
    QCOMPARE(ended.count(), 1);
    QCOMPARE(h.fake.tray.deletes, 1);
    QCOMPARE(h.fake.order.calls.last(), (Call { &first, 0 }));

    store::Settings saved;
    QCOMPARE(store::CfgRead(h.dataDir, saved), store::CfgReadResult::Loaded);
    QCOMPARE(
        std::pair(saved.pnFrmConvLeft, saved.pnFrmConvTop), std::pair(std::int16_t(1500), std::int16_t(750)));
    QCOMPARE(saved.pnSelUnitGrp, std::int16_t(6));
    QCOMPARE(saved.pnSelUnitItem, first.catalogue().UnitCount[6]);
    QCOMPARE(std::tuple(saved.pnShowTop, saved.pnFigure, saved.pnFormFlag),
        std::tuple(std::int16_t(1), std::int16_t(10), std::int16_t(1)));

    ui::frmConvert &second = h.start();
    QVERIFY(h.fake.messages.shown.isEmpty());
    QCOMPARE(second.windowTitle(), title);
    QCOMPARE(second.pos(), QPoint(100, 50));
    QCOMPARE(checkedItems(h.m()), QStringList { QStringLiteral("mnuConvArray_6") });
    QCOMPARE(
        checkedItems(h.m(), h.m().optionsFigArray), QStringList { QStringLiteral("mnuOptionsFigArray_3") });
    QCOMPARE(
        checkedItems(h.m(), h.m().optionsFormArray), QStringList { QStringLiteral("mnuOptionsFormArray_1") });
    QCOMPARE(h.fake.order.calls.last(), (Call { &second, 1 }));
}

void ShutdownTest::whichReasonsSave_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("saves");
    QTest::newRow("close request") << -1 << true;
    QTest::newRow("close box") << 0 << true;
    QTest::newRow("the program") << 1 << true;
    QTest::newRow("log-off") << 2 << true;
    QTest::newRow("task manager") << 3 << true;
    QTest::newRow("reason 4") << 4 << false;
    QTest::newRow("reason 5") << 5 << false;
}

void ShutdownTest::whichReasonsSave()
{
    QFETCH(int, reason);
    QFETCH(bool, saves);
    MainHarness h;
    h.writeFiles({ { 5, QStringLiteral("Quantity=3") } });
    h.start();
    h.m().convArray[11]->trigger();
    QSignalSpy ended(h.w.get(), &ui::frmConvert::ended);
    if (reason < 0)
        h.w->close();
    else
        h.w->Form_QueryUnload(reason);
    store::Settings saved;
    QCOMPARE(store::CfgRead(h.dataDir, saved), store::CfgReadResult::Loaded);
    QCOMPARE(saved.pnSelUnitGrp, std::int16_t(saves ? 11 : 3));
    QCOMPARE(ended.count(), saves ? 1 : 0);
    QCOMPARE(h.fake.tray.deletes, saves ? 1 : 0);
}

void ShutdownTest::unwritableFolderReportsOnceAndStillEnds()
{
    MainHarness h;
    h.dataDir = h.dir.filePath(QStringLiteral("no/such/folder")).toStdString();
    ui::frmConvert &w = h.start();
    QCOMPARE(h.fake.messages.shown.size(), 2);
    w.move(80, 40);
    QPoint posDuringMessage;
    h.fake.messages.onShow = [&](const auto &) { posDuringMessage = w.isVisible() ? w.pos() : QPoint(); };
    QSignalSpy ended(&w, &ui::frmConvert::ended);
    h.m().fileExit->trigger();
    QCOMPARE(h.fake.messages.shown.size(), 3);
    QCOMPARE(h.fake.messages.shown[2].text, QStringLiteral("Failed to save file as 'ORLOPREF.CFG'."));
    QCOMPARE(h.fake.messages.shown[2].title, QStringLiteral(" Orlo Unit Converter"));
    QCOMPARE(h.fake.messages.shown[2].icon, platform::MsgIcon::Critical);
    QCOMPARE(posDuringMessage, QPoint(ui::Nearest(-32000.0 / 15), 40)); // parked off the screen
    QCOMPARE(ended.count(), 1);
    // Later endings neither save nor report again.
    w.Unload(ui::kCloseBySession);
    w.Form_QueryUnload(ui::kCloseByTerminate);
    QCOMPARE(h.fake.messages.shown.size(), 3);
    QCOMPARE(ended.count(), 1);
}

void ShutdownTest::terminationSignalClosesThroughTheSavingPath()
{
    MainHarness h;
    h.writeFiles();
    ui::frmConvert &w = h.start();
    h.m().convArray[4]->trigger();
    ui::TermSignal term;
    QVERIFY(term.install());
    QObject::connect(
        &term, &ui::TermSignal::terminateRequested, &w, [&w] { w.Unload(ui::kCloseByTerminate); });
    QSignalSpy ended(&w, &ui::frmConvert::ended);
    std::raise(SIGTERM);
    QTRY_COMPARE(ended.count(), 1);
    store::Settings saved;
    QCOMPARE(store::CfgRead(h.dataDir, saved), store::CfgReadResult::Loaded);
    QCOMPARE(saved.pnSelUnitGrp, std::int16_t(4));
}

QTEST_MAIN(ShutdownTest)
#include "ShutdownTest.moc"
