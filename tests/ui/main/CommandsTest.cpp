// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The commands that move values out and in (Copy, Paste, history, the calculator on the fakes), the
// key table, always-on-top with the reference windows, Minimize and the notification icon.
#include "support/MainHarness.h"
#include "ui/dialogs/frmConstants.h"
#include "ui/dialogs/frmEquiv.h"
#include "ui/main/History.h"

#include <QLocale>
#include <QWindow>

using namespace std::chrono_literals;

static QStringList visibleHistory(const ui::Menus &m)
{
    QStringList out;
    for (QAction *a : m.historyArray)
        if (a->isVisible())
            out << a->text();
    return out;
}

class CommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { h.emplace(); }
    void cleanup() { h.reset(); }

    void nineCopiesKeepTheEightNewestFirst()
    {
        h->startMileIntoMetre();
        QVERIFY(!h->m().history->menuAction()->isEnabled());
        QStringList statements;
        for (int n = 1; n <= 9; ++n) {
            h->c().txtInput->setText(QString::number(n));
            statements.prepend(
                QStringLiteral("%1 mi: mile = %2 m: meter").arg(n).arg(h->c().txtResult->text()));
            h->l().copy->click();
            QCOMPARE(h->fake.clipboard.text(), h->c().txtResult->text());
            QCOMPARE(visibleHistory(h->m()), statements.mid(0, 8));
        }
        QVERIFY(h->m().history->menuAction()->isEnabled());
        h->m().historyArray[7]->trigger();
        QCOMPARE(h->fake.clipboard.text(), QStringLiteral("2 mi: mile = 3218.69 m: meter"));
        h->l().copy->click(); // the same conversion again is an entry of its own
        QCOMPARE(h->m().historyArray[0]->text(), h->m().historyArray[1]->text());
        // "&" shows as itself in the menu; the clipboard gets the statement as typed.
        h->c().txtInput->setText(QStringLiteral("1&2"));
        h->l().copy->click();
        QCOMPARE(h->m().historyArray[0]->text(), QStringLiteral("1&&2 mi: mile = Input error m: meter"));
        h->m().historyArray[0]->trigger();
        QCOMPARE(h->fake.clipboard.text(), QStringLiteral("1&2 mi: mile = Input error m: meter"));
        QCOMPARE(h->fake.clipboard.clears, h->fake.clipboard.sets);
    }

    void copyWithAnEmptyResultStillRecords()
    {
        h->open();
        h->l().copy->click(); // no unit, nothing typed: each side is its empty value and one blank
        QCOMPARE(std::pair(h->fake.clipboard.sets, h->fake.clipboard.text()), std::pair(1, QString()));
        clickRow(h->c().lstConvFrom, QStringLiteral("m: meter"));
        clickRow(h->c().lstConvInto, static_cast<int>(ui::SelectedRow(h->c().lstConvFrom)));
        QTest::keyClicks(h->c().txtInput, QStringLiteral("4"));
        h->l().copy->click(); // the blanked Into entry of the From unit itself gives no unit name
        QCOMPARE(visibleHistory(h->m()),
            QStringList({ QStringLiteral("4 m: meter = 4.00000 "), QStringLiteral("  =  ") }));
    }

    void speedStatements_data() { cases::AddRows("ui/main/speed.txt"); }
    void speedStatements()
    {
        QFETCH(cases::Row, f);
        const QString statement = ui::HistoryStatement(
            core::pnSpeedGrp, QStringLiteral("2"), f["from"], QStringLiteral("R"), f["into"]);
        QCOMPARE(statement, f["statement"].arg(QStringLiteral("R")));
    }

    void paste_data() { cases::AddRows("ui/main/paste.txt"); }
    void paste()
    {
        QFETCH(cases::Row, f);
        h->startMileIntoMetre(QStringLiteral("2"));
        h->state->setFigures(4);
        h->fake.clipboard.setText(f["clipboard"]);
        f["command"] == QStringLiteral("menu") ? h->m().editPaste->trigger() : h->l().paste->click();
        QCOMPARE(h->c().txtInput->text(), f["input after"]);
        QCOMPARE(h->c().txtResult->text(), f["result after"]);
        QCOMPARE(h->historyShown(), 0);
    }

    void calculatorHandOff_data() { cases::AddRows("ui/main/calculator.txt"); }
    void calculatorHandOff()
    {
        QFETCH(cases::Row, f);
        const bool starts = f["starts"] == QStringLiteral("1"), answers = f["answers"] == QStringLiteral("1");
        h->startMileIntoMetre(f["input"]);
        h->fake.process.results = { starts ? std::optional<std::int64_t>(31337) : std::nullopt };
        h->fake.calculator.openResult = answers;
        h->fake.calculator.pokeResult = f["takes text"] == QStringLiteral("1");
        h->l().cal->click();
        QCOMPARE(h->fake.journal.join(QLatin1Char(' ')), f["calls"]);
        QCOMPARE(h->fake.process.started, QStringList { h->state->calculatorProgram() });
        QVERIFY(h->state->calculatorProgram().endsWith(QStringLiteral("/VELDRA.EXE")));
        QVERIFY(!h->fake.calculator.isOpen());
        // Long enough for a calculator to start, short enough not to freeze the window.
        for (const auto &open : h->fake.calculator.opens)
            QVERIFY(open.pid == 31337 && open.timeout >= 1s && open.timeout <= 5s);
        QCOMPARE(h->fake.calculator.opens.size(), starts ? 1 : 0);
        QCOMPARE(h->fake.calculator.pokes.size(), starts && answers ? 1 : 0);
        for (const auto &poke : h->fake.calculator.pokes)
            QCOMPARE(std::pair(poke.item, poke.text),
                std::pair(QStringLiteral("txtInput"), h->c().txtResult->text()));
        QCOMPARE(h->messages(), f["message"]); // once, whatever failed
        h->l().cal->click(); // each command starts a calculator of its own, also after a failure
        QCOMPARE(h->fake.process.started.size(), 2);
    }

    void keyTable_data() { cases::AddRows("ui/main/keys.txt"); }
    void keyTable()
    {
        QFETCH(cases::Row, f);
        ui::frmConvert &w = h->startMileIntoMetre(QStringLiteral("2"));
        const QString result = h->c().txtResult->text();
        h->fake.clipboard.setText(QStringLiteral("7"));
        h->fake.clipboard.sets = 0;
        h->state->setFigures(4);
        QSignalSpy endings(&w, &ui::frmConvert::ended);
        QWidget *target = f["focus"] == QStringLiteral("window") ? &w : w.findChild<QWidget *>(f["focus"]);
        QVERIFY(target);
        if (target == &w && w.focusWidget())
            w.focusWidget()->clearFocus();
        else if (target != &w)
            target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target == &w ? nullptr : target);
        const QKeyCombination key = QKeySequence::fromString(f["key"])[0];
        QTest::keyPress(target, key.key(), key.keyboardModifiers());
        QCOMPARE(h->c().txtResult->text(), f["result after press"]);
        QTest::keyRelease(target, key.key(), key.keyboardModifiers());

        QCOMPARE(h->fake.clipboard.sets, f["copies"].toInt());
        if (h->fake.clipboard.sets > 0) // the result as it stood when the key was pressed
            QCOMPARE(h->fake.clipboard.text(), result);
        QCOMPARE(h->historyShown(), f["history"].toInt());
        if (h->historyShown() > 0)
            QCOMPARE(h->m().historyArray[0]->text(), QStringLiteral("2 mi: mile = %1 m: meter").arg(result));
        QCOMPARE(h->c().txtInput->text(), f["input"]);
        QCOMPARE(h->fake.process.started.size(), f["calculators"].toInt());
        QCOMPARE(!w.isVisible(), f["out of view"] == QStringLiteral("1"));
        QCOMPARE(endings.count(), f["ended"].toInt());
        QCOMPARE(h->state->settings().pnFigure, f["figures"].toShort());
        QCOMPARE(h->c().txtResult->text(), f["result after release"]);
        QVERIFY(h->fake.messages.shown.isEmpty());
    }

    // The labels' letters go through the window's key router; Tab still walks the row both ways.
    void tabWalksTheCommandRow()
    {
        h->startMileIntoMetre(QStringLiteral("2"));
        h->l().paste->setFocus();
        QTest::keyClick(h->l().paste, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), h->l().shrink);
        QTest::keyClick(h->l().shrink, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), h->l().paste);
        QVERIFY(h->fake.messages.shown.isEmpty() && h->fake.clipboard.sets == 0);
    }

    void onTopPassesToTheReferenceWindowsAndBack()
    {
        ui::frmConvert &w = h->open({ QStringLiteral("ShowTop=1") });
        QList<QWidget *> onTopAtAbout { &w };
        h->whileAboutBoxUp([&] { onTopAtAbout = h->fake.order.onTop(); });
        QCOMPARE(h->fake.order.onTop(), QList<QWidget *> { &w });
        h->m().about->trigger();
        // The main window gives it up, and the About box has it while up.
        QCOMPARE(onTopAtAbout, QList<QWidget *> { static_cast<QWidget *>(h->shown<ui::frmInfo>()) });
        QCOMPARE(h->fake.order.onTop(), QList<QWidget *> { &w });
        h->m().convConst->trigger();
        QWidget *constants = h->shown<ui::frmConstants>();
        QCOMPARE(h->fake.order.onTop(), QList<QWidget *> { constants });
        constants->close();
        QCOMPARE(h->fake.order.onTop(), QList<QWidget *> { &w });
        // Ctrl+T from the input box takes the window off top, and it stays off after a hand-over.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(h->c().txtInput, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(h->state->settings().pnShowTop == 0 && !h->m().showTop->isChecked());
        h->m().convConst->trigger();
        constants->close();
        QVERIFY(h->fake.order.onTop().isEmpty());
    }

    // A setting changed from elsewhere (another window, the About box's rule) shows in the menus at
    // once: they follow the state, not the command that changed it.
    void menusFollowSettingsChangedElsewhere()
    {
        h->open();
        h->state->setFigures(10);
        h->state->setFormat(3); // the About box's request, spent as the box closes
        h->state->setShowTop(true);
        QCOMPARE(checkedItems(h->m(), h->m().optionsFigArray), QStringLiteral("mnuOptionsFigArray_3"));
        QVERIFY(h->m().showTop->isChecked());
        h->state->settleFormat();
        QCOMPARE(checkedItems(h->m(), h->m().optionsFormArray), QStringLiteral("mnuOptionsFormArray_0"));
        h->state->setFormat(1);
        QCOMPARE(checkedItems(h->m(), h->m().optionsFormArray), QStringLiteral("mnuOptionsFormArray_1"));
        QCOMPARE(h->state->settings().pnFigure, std::int16_t(10));
    }

    // Hidden in the icon when the notification area goes away: the window comes back, with its
    // task-bar entry, instead of being stranded.
    void strandedNeverWhenTheTrayGoes()
    {
        h->fake.tray.available = true;
        ui::frmConvert &w = h->open();
        h->c().lstConvFrom->setFocus();
        QTest::keyClick(h->c().lstConvFrom, Qt::Key_M);
        QVERIFY(!w.isVisible());
        QTest::qWait(1200); // while the area is there, the window stays in it
        QVERIFY(!w.isVisible());
        h->fake.tray.available = false;
        QTRY_VERIFY_WITH_TIMEOUT(w.isVisible(), 5000);
        QVERIFY(h->fake.order.hasTaskbarEntry(&w));
    }

    void minimiseAndComeBack_data() { cases::AddRows("ui/main/comeback.txt"); }
    void minimiseAndComeBack()
    {
        QFETCH(cases::Row, f);
        const bool tray = f["tray at minimize"] == QStringLiteral("1");
        h->fake.tray.available = f["tray at start"] == QStringLiteral("1");
        ui::frmConvert &w = h->open({ QStringLiteral("ShowTop=") + f["on top"] });
        QCOMPARE(h->fake.order.hasTaskbarEntry(&w), !h->fake.tray.available);
        for (QAction *a : { h->m().convConst, h->m().equiv, h->m().convArray[4] })
            a->trigger();
        QWidget *constants = h->shown<ui::frmConstants>(), *equiv = h->shown<ui::frmEquiv>();
        h->state->replaceCustomTables(h->state->userTables()); // as the custom quantity editor saves
        w.move(100, 50);
        h->fake.tray.available = tray;
        h->c().lstConvFrom->setFocus();
        QTest::keyClick(h->c().lstConvFrom, Qt::Key_M);
        QVERIFY(!constants->isVisible() && !equiv->isVisible());
        // Without a notification area the window stays reachable: iconified, with its task-bar entry.
        QCOMPARE(std::pair(w.isVisible(), w.isMinimized()), std::pair(!tray, !tray));
        QCOMPARE(h->fake.order.hasTaskbarEntry(&w), !tray);
        QCOMPARE(
            QPoint(h->state->settings().pnFrmConvLeft, h->state->settings().pnFrmConvTop), QPoint(1500, 750));
        QCOMPARE(w.windowHandle()->title(),
            ui::texts::kTitle + QStringLiteral(" - ")
                + QString::fromStdString(h->state->catalogue().GroupName[4]));

        h->fake.order.calls.clear();
        const auto comeBack = [&] {
            if (f["back by"] == QStringLiteral("icon"))
                h->fake.tray.pressLeft();
            else if (f["back by"] == QStringLiteral("another start"))
                w.showFromAnotherStart();
            else
                w.showNormal();
        };
        comeBack();
        QTRY_VERIFY(w.isVisible() && !w.isMinimized() && constants->isVisible() && equiv->isVisible());
        QCOMPARE(w.pos(), QPoint(100, 50));
        // To the front (on top, and off again unless wanted), then each reference window above it.
        QList<Call> expected { { &w, 1 } };
        if (f["on top"] == QStringLiteral("0"))
            expected << Call { &w, 0 };
        expected << Call { &w, 0 } << Call { equiv, 1 } << Call { &w, 0 } << Call { constants, 1 };
        QCOMPARE(h->fake.order.calls, expected);
        h->m().fileExit->trigger(); // once ended, neither the icon nor another start shows it again
        if (f["back by"] != QStringLiteral("task bar"))
            comeBack();
        QVERIFY(!w.isVisible());
    }

    void rightReleasePopsUpTheConvertMenu_data() { cases::AddRows("ui/main/traymenu.txt"); }
    void rightReleasePopsUpTheConvertMenu()
    {
        QFETCH(cases::Row, f);
        ui::frmConvert &w = h->open();
        QSignalSpy endings(&w, &ui::frmConvert::ended);
        f["minimised"] == QStringLiteral("1") ? w.showMinimized() : h->l().shrink->click();
        h->fake.tray.cursor = QPoint(120, 80);
        bool seen = false, asShown = false;
        onNextPopup(
            [&](QMenu *menu) {
                asShown = menu == h->m().convert && menu->pos() == QPoint(120, 80)
                    && h->m().conv_3->isVisible() && h->m().exit->isVisible()
                    && menu->defaultAction() == h->m().exit;
                if (QAction *a = menu->findChild<QAction *>(f["chosen"]); a && !f["chosen"].isEmpty())
                    choose(menu, a);
                else
                    menu->close();
            },
            &seen);
        h->fake.tray.releaseRight();
        QVERIFY(seen && asShown);
        QVERIFY(!h->m().conv_3->isVisible() && !h->m().exit->isVisible() && !h->m().convert->defaultAction());
        const bool exits = f["chosen"] == QStringLiteral("mnuExit");
        QCOMPARE(endings.count(), exits ? 1 : 0);
        QCOMPARE(w.isVisible() && !w.isMinimized(), !exits); // back in its normal state unless ended
        QCOMPARE(h->state->settings().pnSelUnitGrp,
            std::int16_t(f["chosen"] == QStringLiteral("mnuConvArray_3") ? 3 : 0));
    }

private:
    std::optional<MainHarness> h;
};

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
