// Closing the window: which endings save, what the saved file restores, a save that fails.
#include "MainHarness.h"
#include "ui/main/TermSignal.h"

#include <QLocale>
#include <QSignalSpy>

#include <csignal>

using platform::MsgIcon;

class ShutdownTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void closeSavesAFileThatReloadsToTheSameState();
    void whichReasonsSave_data();
    void whichReasonsSave();
    void exitCommandsAndTheCloseBoxSave_data();
    void exitCommandsAndTheCloseBoxSave();
    void unwritableFolderReportsOnceAndStillEnds();
    void terminationSignalClosesThroughTheSavingPath();
};

void ShutdownTest::closeSavesAFileThatReloadsToTheSameState()
{
    MainHarness h;
    h.writeBothFiles();
    ui::frmConvert &first = h.start();
    first.move(100, 50);
    h.m().convArray[6]->trigger();
    h.m().optionsFigArray[3]->trigger();
    h.m().optionsFormArray[1]->trigger();
    h.m().showTop->trigger();
    const QString title = first.windowTitle();
    QSignalSpy ended(&first, &ui::frmConvert::ended);
    h.m().fileExit->trigger();
    QCOMPARE(ended.count(), 1);
    QCOMPARE(h.fake.tray.deletes, 1);
    QCOMPARE(h.fake.order.calls.last(), (platform::fake::FakeWindowOrder::Call { &first, 0 }));
    QVERIFY(!first.isVisible());

    store::Settings saved;
    QCOMPARE(store::CfgRead(h.path(), saved), store::CfgReadResult::Loaded);
    QCOMPARE(saved.pnFrmConvLeft, std::int16_t(1500));
    QCOMPARE(saved.pnFrmConvTop, std::int16_t(750));
    QCOMPARE(saved.pnSelUnitGrp, std::int16_t(6));
    QCOMPARE(saved.pnSelUnitItem, first.catalogue().UnitCount[6]);
    const std::int16_t unitCount = saved.pnSelUnitItem;
    QCOMPARE(saved.pnShowTop, std::int16_t(1));
    QCOMPARE(saved.pnFigure, std::int16_t(10));
    QCOMPARE(saved.pnFormFlag, std::int16_t(1));
    QCOMPARE(saved.pnFrmConstLeft, std::int16_t(2500));
    QCOMPARE(saved.psBtnFaceColor, std::string("-1"));

    ui::frmConvert &second = h.start();
    QVERIFY(h.fake.messages.shown.isEmpty());
    QCOMPARE(second.windowTitle(), title);
    QCOMPARE(second.pos(), QPoint(100, 50));
    QCOMPARE(second.settings().pnSelUnitItem, unitCount);
    QCOMPARE(checkedGroupItems(h.m()), QStringList { QStringLiteral("mnuConvArray_6") });
    QCOMPARE(checkedItems(h.m().optionsFigArray), QList<int> { 3 });
    QCOMPARE(checkedItems(h.m().optionsFormArray), QList<int> { 1 });
    QVERIFY(h.m().showTop->isChecked());
    QCOMPARE(h.fake.order.calls.last(), (platform::fake::FakeWindowOrder::Call { &second, 1 }));
}

void ShutdownTest::whichReasonsSave_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("saves");
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
    h.start();
    QSignalSpy ended(h.w.get(), &ui::frmConvert::ended);
    h.w->Form_QueryUnload(reason);
    QCOMPARE(QFile::exists(h.dir.filePath(QStringLiteral("ORLOPREF.CFG"))), saves);
    QCOMPARE(ended.count(), saves ? 1 : 0);
    QCOMPARE(h.fake.tray.deletes, saves ? 1 : 0);
    // Only the first ending saves.
    QFile::remove(h.dir.filePath(QStringLiteral("ORLOPREF.CFG")));
    h.w->Unload(ui::kCloseByTerminate);
    QCOMPARE(QFile::exists(h.dir.filePath(QStringLiteral("ORLOPREF.CFG"))), !saves);
    QCOMPARE(ended.count(), 1);
}

void ShutdownTest::exitCommandsAndTheCloseBoxSave_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("File, Exit") << "mnuFileExit";
    QTest::newRow("Convert, Exit") << "mnuExit";
    QTest::newRow("Ctrl+X") << "ctrl-x";
    QTest::newRow("close request") << "close";
}

void ShutdownTest::exitCommandsAndTheCloseBoxSave()
{
    QFETCH(QString, how);
    MainHarness h;
    h.writeBothFiles({ { 5, QStringLiteral("Quantity=3") } });
    ui::frmConvert &w = h.start();
    h.m().convArray[11]->trigger();
    QSignalSpy ended(&w, &ui::frmConvert::ended);
    if (how == QStringLiteral("close")) {
        w.close();
    } else if (how == QStringLiteral("ctrl-x")) {
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        h.c().txtInput->setFocus();
        QTest::keyClick(h.c().txtInput, Qt::Key_X, Qt::ControlModifier);
    } else {
        QAction *a = w.findChild<QAction *>(how);
        a->setVisible(true); // Convert, Exit is only shown in the notification icon's menu
        a->trigger();
    }
    QCOMPARE(ended.count(), 1);
    store::Settings saved;
    QCOMPARE(store::CfgRead(h.path(), saved), store::CfgReadResult::Loaded);
    QCOMPARE(saved.pnSelUnitGrp, std::int16_t(11));
}

void ShutdownTest::unwritableFolderReportsOnceAndStillEnds()
{
    MainHarness h;
    h.dataDir = std::filesystem::path(h.dir.filePath(QStringLiteral("no/such/folder")).toStdString());
    ui::frmConvert &w = h.start();
    QCOMPARE(h.fake.messages.shown.size(), 2);
    w.move(80, 40);
    QPoint posDuringMessage;
    bool visibleDuringMessage = false;
    h.fake.messages.onShow = [&](const auto &) {
        posDuringMessage = w.pos();
        visibleDuringMessage = w.isVisible();
    };
    QSignalSpy ended(&w, &ui::frmConvert::ended);
    w.Unload(ui::kCloseByProgram);
    QCOMPARE(h.fake.messages.shown.size(), 3);
    const auto &box = h.fake.messages.shown.last();
    QCOMPARE(box.text, QStringLiteral("Failed to save file as 'ORLOPREF.CFG'."));
    QCOMPARE(box.title, QStringLiteral(" Orlo Unit Converter"));
    QCOMPARE(box.icon, MsgIcon::Critical);
    QCOMPARE(posDuringMessage.x(), ui::Nearest(-32000.0 / 15));
    QVERIFY(visibleDuringMessage);
    QCOMPARE(ended.count(), 1);

    w.Unload(ui::kCloseBySession);
    w.Form_QueryUnload(ui::kCloseByTerminate);
    QCOMPARE(h.fake.messages.shown.size(), 3);
    QCOMPARE(ended.count(), 1);
}

void ShutdownTest::terminationSignalClosesThroughTheSavingPath()
{
    MainHarness h;
    h.writeBothFiles();
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
    QCOMPARE(store::CfgRead(h.path(), saved), store::CfgReadResult::Loaded);
    QCOMPARE(saved.pnSelUnitGrp, std::int16_t(4));
}

QTEST_MAIN(ShutdownTest)
#include "ShutdownTest.moc"
