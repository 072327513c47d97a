// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The window's own life: start-up from the two files, choosing quantities and units, converting as
// the user types, the Options menus, Warp, and the endings that save.
#include "support/MainHarness.h"

#include <QLocale>
#include <QScreen>
#include <QWindow>

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { h.emplace(); }
    void cleanup() { h.reset(); }

    void startUp_data() { cases::AddRows("ui/main/startup.txt"); }
    void startUp()
    {
        QFETCH(cases::Row, f);
        QMap<int, QString> groups;
        for (const QString &g : f["custom groups"].split(QLatin1Char(';'), Qt::SkipEmptyParts))
            groups[g.section(QLatin1Char('='), 0, 0).toInt()] = g.section(QLatin1Char('='), 1);
        const bool noFiles = f["configuration"] == QStringLiteral("-");
        if (!noFiles)
            h->writeFiles(f["configuration"].split(QLatin1Char(' '), Qt::SkipEmptyParts), groups);
        bool visibleDuringMessages = false;
        h->fake.messages.onShow = [&](const auto &) { visibleDuringMessages |= h->w->isVisible(); };
        QList<int> aboutFlags; // the flag while each About box is up; -1 when the window showed
        h->whileAboutBoxUp([&] {
            h->fake.tray.pressLeft(); // neither may show the window before the start-up does
            h->w->showFromAnotherStart();
            aboutFlags << (h->w->isVisible() ? -1 : h->state->settings().pnFormFlag);
        });
        ui::frmConvert &w = h->start();
        QCOMPARE(aboutFlags, QList<int>(f["about boxes"].toInt(), 3));
        if (!groups.isEmpty())
            h->m().userArray[groups.lastKey()]->trigger();

        QVERIFY(w.isVisible() && !visibleDuringMessages);
        QCOMPARE(w.pos(), QPoint(56, 90)); // 840 and 1350 twips
        QCOMPARE(w.windowHandle()->title(), ui::texts::kTitle + QStringLiteral(" - ") + f["caption"]);
        QCOMPARE(checkedItems(h->m()), f["group item"]);
        QCOMPARE(h->c().lstConvFrom->count(), f["from entries"].toInt());
        QCOMPARE(h->c().lstConvInto->count(), f["into entries"].toInt());
        if (f["from entries"] != f["into entries"]) {
            QCOMPARE(ui::EntryTexts(h->c().lstConvFrom).last(), QStringLiteral("Warp"));
            QVERIFY(!ui::EntryTexts(h->c().lstConvInto).contains(QStringLiteral("Warp")));
        }
        QCOMPARE(checkedItems(h->m(), h->m().optionsFigArray), f["figure item"]);
        QCOMPARE(checkedItems(h->m(), h->m().optionsFormArray), f["format item"]);
        QCOMPARE(h->state->settings().pnFormFlag, f["format item"].right(1).toShort());
        // The custom quantity menu: its unnamed first item and the named ones, captions as typed.
        QCOMPARE(h->m().user->menuAction()->isEnabled(), !groups.isEmpty());
        for (int i = 0; i < h->m().userArray.size(); ++i)
            QCOMPARE(h->m().userArray[i]->isVisible(), i == 0 || groups.contains(i));
        for (auto it = groups.begin(); it != groups.end(); ++it)
            QCOMPARE(h->m().userArray[it.key()]->text(), it.value());

        QCOMPARE(h->messages(), f["messages"]);
        if (noFiles) // only the editor ever writes the custom quantity file
            QVERIFY(!QFile::exists(h->dir.filePath(QStringLiteral("ORL_USER.DAT"))));
    }

    // The notification icon is no part of what the user waits to see: it comes after the window's
    // first paint, and never to a window that has already ended.
    void notificationIconComesAfterTheFirstPaint()
    {
        h->waitForIcon = false;
        struct FirstPaint : QObject
        {
            platform::fake::FakeTrayIcon *tray;
            std::optional<bool> iconThen;
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::Paint && !iconThen)
                    iconThen = tray->shown();
                return false;
            }
        } watch;
        watch.tray = &h->fake.tray;
        ui::frmConvert &w = h->start([&](ui::frmConvert &window) { window.installEventFilter(&watch); });
        QVERIFY(w.isVisible() && !h->fake.tray.shown());
        QTRY_VERIFY(h->fake.tray.shown());
        QCOMPARE(watch.iconThen, std::optional(false));
        QCOMPARE(std::pair(h->fake.tray.adds, h->fake.tray.tip), std::pair(1, ui::texts::kProgramName));
        QVERIFY(!h->fake.tray.icon.isNull());
        w.removeEventFilter(&watch);

        h.emplace();
        h->waitForIcon = false;
        h->open();
        h->m().fileExit->trigger();
        QTest::qWait(1200); // past the wait for a paint that does not come
        QCOMPARE(h->fake.tray.adds, 0);
    }

    void typingConvertsOnEveryKeystroke()
    {
        h->startMileIntoMetre();
        QCOMPARE(QApplication::focusWidget(), h->c().txtInput); // picking the Into unit hands it back
        const QString keys = QStringLiteral("10.5\b\b\b\b");
        const QStringList results = QStringLiteral("1609.34 16093.4 16093.4 16898.1 16093.4 16093.4 1609.34 ")
                                        .split(QLatin1Char(' '));
        for (int i = 0; i < keys.size(); ++i) {
            QTest::keyClick(h->c().txtInput, keys[i].toLatin1());
            QCOMPARE(h->c().txtResult->text(), results[i]);
        }
        QVERIFY(h->fake.messages.shown.isEmpty());
        h->c().txtInput->setText(QStringLiteral("1,5"));
        QCOMPARE(h->messages(),
            QStringLiteral(
                "Exclamation: Orlo Unit Converter: This application recognizes only a period (dot) "
                "as decimal separator."));
    }

    void blankedIntoEntryFollowsTheFromSelection()
    {
        h->open();
        QListWidget *into = h->c().lstConvInto;
        const QStringList names = ui::EntryTexts(into);
        clickRow(h->c().lstConvFrom, 3);
        clickRow(h->c().lstConvFrom, 5);
        QStringList expected = names;
        expected[5].clear();
        QCOMPARE(ui::EntryTexts(into), expected);
        clickRow(into, 2);
        QTest::keyClicks(h->c().txtInput, QStringLiteral("2"));
        QVERIFY(!h->c().txtResult->text().isEmpty());
        clickRow(into, 5); // the blanked entry, the From unit itself, empties the result
        QCOMPARE(h->c().txtResult->text(), QString());
    }

    void choosingTheShownGroupChangesNothing()
    {
        h->startMileIntoMetre(QStringLiteral("3"));
        const QStringList into = ui::EntryTexts(h->c().lstConvInto);
        const auto selected =
            std::pair(ui::SelectedRow(h->c().lstConvFrom), ui::SelectedRow(h->c().lstConvInto));
        h->m().convArray[0]->trigger();
        QCOMPARE(h->c().txtResult->text(), QStringLiteral("4828.03"));
        QCOMPARE(ui::EntryTexts(h->c().lstConvInto), into);
        QCOMPARE(
            std::pair(ui::SelectedRow(h->c().lstConvFrom), ui::SelectedRow(h->c().lstConvInto)), selected);
        h->m().convOtherArray[2]->trigger();
        QCOMPARE(h->state->settings().pnSelUnitGrp, std::int16_t(17));
        QVERIFY(h->c().txtInput->text().isEmpty() && h->c().txtResult->text().isEmpty());
        QCOMPARE(checkedItems(h->m()), QStringLiteral("mnuConvOtherArray_2"));
    }

    void formatMenusReformatAtOnce_data() { cases::AddRows("ui/main/formats.txt"); }
    void formatMenusReformatAtOnce()
    {
        QFETCH(cases::Row, f);
        h->startMileIntoMetre(f["input"]);
        QAction *last = nullptr;
        for (const QString &item : f["chosen"].split(QLatin1Char(' ')))
            (last = h->w->findChild<QAction *>(item))->trigger();
        QCOMPARE(h->c().txtResult->text(), f["result"]);
        QCOMPARE(h->state->settings().pnFigure, f["figures"].toShort());
        QCOMPARE(checkedItems(h->m(), h->m().optionsFigArray + h->m().optionsFormArray), f["checked"]);
        h->c().txtResult->clear(); // the checked item again keeps its mark and converts again
        last->trigger();
        QCOMPARE(h->c().txtResult->text(), f["result"]);
        QCOMPARE(checkedItems(h->m(), h->m().optionsFigArray + h->m().optionsFormArray), f["checked"]);
    }

    void warpPopsUpItsMenuAndDisablesTheInput()
    {
        h->open({ QStringLiteral("Quantity=9") });
        QListWidget *from = h->c().lstConvFrom;
        clickRow(h->c().lstConvInto, 9); // the speed of light
        bool answered = false;
        onNextPopup([&](QMenu *menu) { choose(menu, h->m().warpArray[13]); }, &answered);
        clickRow(from, 19);
        QVERIFY(answered && !h->c().txtInput->isEnabled());
        QCOMPARE(h->state->warpIndex(), std::int16_t(13));
        QCOMPARE(h->c().txtInput->text(), QStringLiteral("9.9999"));
        QCOMPARE(h->c().txtResult->text(), QStringLiteral("199516")); // times the speed of light
        // Leaving Warp enables the input; the Into list, which never offers Warp, gets nothing back.
        clickRow(from, 2);
        QVERIFY(h->c().txtInput->isEnabled());
        QCOMPARE(h->c().lstConvInto->count(), 19);
        QCOMPARE(h->c().lstConvInto->item(2)->text(), QString());
    }

    void whichEndingsSave_data() { cases::AddRows("ui/main/endings.txt"); }
    void whichEndingsSave()
    {
        QFETCH(cases::Row, f);
        const bool saves = f["saves"] == QStringLiteral("1");
        ui::frmConvert &w = h->open({ QStringLiteral("Quantity=3") });
        h->m().convArray[11]->trigger();
        QSignalSpy ended(&w, &ui::frmConvert::ended);
        // SIGTERM is the end-to-end tests' (window.sh, one_per_folder.sh), on the real program.
        if (f["ending"] == QStringLiteral("close"))
            w.close();
        else
            w.Form_QueryUnload(f["ending"].toInt());
        QCOMPARE(h->saved().pnSelUnitGrp, std::int16_t(saves ? 11 : 3));
        QCOMPARE(ended.count(), saves ? 1 : 0);
        QCOMPARE(h->fake.tray.deletes, saves ? 1 : 0);
    }

    void saveFailureReportedOnceAndTheProgramEnds()
    {
        h->dataDir = h->dir.filePath(QStringLiteral("no/such/folder")).toStdString();
        // The window out of view during the message is the end-to-end desktop test's (desktop.sh).
        ui::frmConvert &w = h->start();
        QSignalSpy ended(&w, &ui::frmConvert::ended);
        h->m().fileExit->trigger();
        w.Unload(ui::kCloseBySession); // later endings neither save nor report again
        w.Form_QueryUnload(ui::kCloseByTerminate);
        QCOMPARE(h->messages().section(QStringLiteral(" / "), 2), // after the two start-up messages
            QStringLiteral("Critical: Orlo Unit Converter: Failed to save file as 'ORLOPREF.CFG'."));
        QCOMPARE(ended.count(), 1);
    }

    // Under a window manager whose frame is only known once the window shows, a stored corner that
    // no screen holds comes onto the screen frame and all, title bar included; the file keeps the
    // stored corner while the window stays where it was pulled, and takes the new one once moved.
    void pulledInFrameLiesWhollyOnTheScreen()
    {
        const QMargins borders(4, 22, 4, 4);
        h->fake.frames.borders = borders;
        ui::frmConvert &w = h->open({ QStringLiteral("Left=30000"), QStringLiteral("Top=-30000") });
        const QRect area = w.screen()->availableGeometry();
        QTRY_COMPARE(w.geometry().marginsAdded(borders).topRight(), area.topRight());
        w.close();
        QCOMPARE(
            std::pair(int(h->saved().pnFrmConvLeft), int(h->saved().pnFrmConvTop)), std::pair(30000, -30000));

        h.emplace();
        h->fake.frames.borders = borders;
        ui::frmConvert &again = h->open({ QStringLiteral("Left=30000"), QStringLiteral("Top=-30000") });
        QTRY_COMPARE(again.geometry().marginsAdded(borders).topRight(), area.topRight());
        again.move(again.pos() + QPoint(-30, 40));
        QTRY_COMPARE(again.geometry().top(), area.top() + borders.top() + 40);
        again.close();
        // 15 twips a pixel: the frame's corner, not the inside's.
        const QPoint frame = again.geometry().marginsAdded(borders).topLeft();
        QCOMPARE(std::pair(int(h->saved().pnFrmConvLeft), int(h->saved().pnFrmConvTop)),
            std::pair(frame.x() * 15, frame.y() * 15));
    }

private:
    std::optional<MainHarness> h;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
