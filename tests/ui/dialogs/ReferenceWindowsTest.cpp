// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The two reference windows: the constants' pages, the columns in step, Copy, position and keys; the
// equivalents' pop-up and centring; always-on-top passing back from the modal windows and the tray.
#include "support/DialogHarness.h"
#include "ui/common/Lists.h"
#include "ui/dialogs/frmConstants.h"
#include "ui/dialogs/frmEquiv.h"
#include "ui/dialogs/frmInfo.h"
#include "ui/dialogs/frmUser.h"

#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

using Call = platform::fake::FakeWindowOrder::Call;
using test::Harness;
using Constants = test::Loaded<ui::frmConstants>;

namespace {

void ClickRow(QListWidget *list, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(list->viewport(), button, {}, list->visualItemRect(list->item(row)).center());
}

// Both reference windows open, with the main window on top when `showTop` asks for it.
struct BothOpen : Harness
{
    ui::Dialogs dialogs { ctx };

    explicit BothOpen(int showTop)
    {
        state.setShowTop(showTop == 1);
        fake.order.SetTopmost(&main, showTop);
        main.show();
        dialogs.showConstants();
        dialogs.showEquiv();
    }
    QWidget *constants() { return dialogs.constants(); }
    QWidget *equiv() { return dialogs.equiv(); }
};

} // namespace

class ReferenceWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void pagesWithBlankSeparators()
    {
        Constants c;
        ui::frmConstants &w = c.w;
        for (auto [button, count, first, last] :
            { std::tuple { "Next", 14, "Avogadro constant", "Neutron mass" },
                { "Back", 13, "Electron Mass", "Proton gyromagnetic ratio" } }) {
            const QStringList texts = ui::EntryTexts(w.List1);
            QCOMPARE(w.cmdNext->text(), QString::fromLatin1(button));
            QCOMPARE(texts.size(), count);
            QCOMPARE(texts.first(), QString::fromLatin1(first));
            QCOMPARE(texts.last(), QString::fromLatin1(last));
            QVERIFY(texts[4].isEmpty() && texts[9].isEmpty() && ui::EntryTexts(w.List4)[9].isEmpty());
            // Every line fits: no scroll bar, no cut text.
            for (QListWidget *list : { w.List1, w.List3, w.List4 })
                QVERIFY(!list->verticalScrollBar()->isVisible()
                    && list->width() >= ui::NeededListWidth(list, ui::EntryTexts(list)));
            ClickRow(w.List1, 2);
            QTest::mouseClick(w.cmdNext, Qt::LeftButton); // the other page, nothing selected
            for (QListWidget *list : { w.List1, w.List3, w.List4 })
                QCOMPARE(ui::SelectedRow(list), -1);
        }
        QCOMPARE(w.nPage, std::int16_t(-1));
    }

    void selectionInStepAndCopy()
    {
        // Page, column (1, 3 or 4) and row clicked (-1: none), what Copy puts on the clipboard.
        for (auto [page, column, row, expected] :
            { std::tuple { 1, 1, 6, "Planck constant J/Hz 6.6260755E-34" },
                { 2, 3, 6, "Fine structure constant   7.29735308E-03" }, // a one-blank unit
                { 2, 4, 3, "Electron specific charge C/kg -1.75881962E+11" },
                { 1, 4, 10, "Molar gas constant J/(mol-K) 8.31451" },
                { 2, 3, 5, "Newtonian const. of gravity m\u00b3/(s\u00b2-kg) 6.67259E-11" },
                { 1, 1, -1, "  " },
                { 1, 3, 4, "  " } }) { // the blank line after row 3
            Constants c;
            ui::frmConstants &w = c.w;
            if (page == 2)
                QTest::mouseClick(w.cmdNext, Qt::LeftButton);
            if (row >= 0) {
                ClickRow(column == 1 ? w.List1 : column == 3 ? w.List3 : w.List4, row);
                // One pass: the two other columns follow once each, and their following starts nothing more.
                QCOMPARE(w.syncFollows(), 2);
            }
            for (QListWidget *list : { w.List1, w.List3, w.List4 })
                QCOMPARE(ui::SelectedRow(list), row);
            c.h.fake.clipboard.setText(QStringLiteral("old"));
            QTest::mouseClick(w.cmdCopy, Qt::LeftButton);
            QCOMPARE(c.h.fake.clipboard.text(), QString::fromUtf8(expected));
            QCOMPARE(c.h.fake.clipboard.clears, 1);
        }
    }

    void keysHelpAndPositionRoundTrip()
    {
        Harness h;
        h.state.setCorner(state::Placed::Constants, { 3000, 2400 });
        ui::Dialogs dialogs(h.ctx);
        dialogs.showConstants();
        ui::frmConstants *w = dialogs.constants();
        QCOMPARE(w->pos(), QPoint(200, 160));
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::mouseClick(w->cmdHelp, Qt::LeftButton);
        QCOMPARE(h.fake.help.calls.value(0).topic, std::optional<int>(17));
        // Enter presses the page button, even from a list.
        ClickRow(w->List1, 2);
        QTest::keyClick(w->List1, Qt::Key_Return);
        QCOMPARE(w->nPage, std::int16_t(1));
        w->move(10, 20);
        dialogs.captureConstantsPosition(); // at exit, while open
        QCOMPARE(h.settings.pnFrmConstLeft, std::int16_t(150));
        // Esc is Close; opened afresh it stands where it was closed, on the first page.
        w->move(311, 97);
        QTest::keyClick(w->List1, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        QCOMPARE(h.onTop.pnFrmConstOpen, ui::kFalse);
        dialogs.showConstants();
        QCOMPARE(w->nPage, std::int16_t(-1));
        QCOMPARE(w->pos(), QPoint(311, 97));

        // Positions beyond what the 16-bit settings hold are clamped.
        for (auto [pos, left, top] : { std::tuple { QPoint(3000, -2185), 32767, -32768 },
                 std::tuple { QPoint(-2300, 2184), -32768, 32760 } }) {
            w->move(pos);
            QTest::mouseClick(w->cmdCancel, Qt::LeftButton);
            QCOMPARE(int(h.settings.pnFrmConstLeft), left);
            QCOMPARE(int(h.settings.pnFrmConstTop), top);
            dialogs.showConstants();
        }
    }

    void rightPressCopiesWithoutSelecting()
    {
        // Row selected before (-1: none), row and column pressed, what Copy puts on the clipboard.
        for (auto [selected, pressed, column, expected] : { std::tuple { -1, 3, 0, "  " },
                 { 0, 4, 1, "Electric Conductance S: siemens A/V" },
                 { 5, 5, 2, "Electric Resistance ohm 1/S = V/A" },
                 { 8, 1, 1, "Absorbed Dose Gy: gray = J/kg 100 rad" } }) {
            test::Loaded<ui::frmEquiv> e;
            ui::frmEquiv &w = e.w;
            const QList<QListWidget *> lists { w.List1, w.List2, w.List3 };
            if (selected >= 0)
                ClickRow(w.List1, selected);
            ClickRow(lists[column], pressed, Qt::RightButton);
            QVERIFY(w.mnuMenu->isVisible());
            QCOMPARE(w.mnuMenu->actions(), QList<QAction *> { w.mnuCopy });
            QCOMPARE(w.mnuCopy->text(), QStringLiteral("&Copy"));
            for (QListWidget *each : lists)
                QCOMPARE(ui::SelectedRow(each), selected);
            QTest::mouseClick(w.mnuMenu, Qt::LeftButton, {}, w.mnuMenu->actionGeometry(w.mnuCopy).center());
            QCOMPARE(e.h.fake.clipboard.text(), QString::fromUtf8(expected));
            QCOMPARE(e.h.fake.clipboard.clears, 1);
            // A left press selects in all three columns and opens nothing.
            ClickRow(lists[column], pressed);
            QVERIFY(!w.mnuMenu->isVisible());
            for (QListWidget *each : lists)
                QCOMPARE(ui::SelectedRow(each), pressed);
        }
    }

    void centredOnEveryLoadAndClosedOnlyByTheCloseBox()
    {
        test::Harness h;
        h.state.setShowTop(true);
        ui::Dialogs dialogs(h.ctx);
        dialogs.showEquiv();
        ui::frmEquiv *w = dialogs.equiv();
        QCOMPARE(w->windowTitle(), QStringLiteral(" Equivalents"));
        QVERIFY(w->windowIcon().availableSizes().contains(QSize(16, 16))); // the program's, not the desktop's
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY((w->frameGeometry().center() - screen.center()).manhattanLength() <= 2);
        const QPoint centred = w->pos();

        // Focus selects nothing; Esc and Enter do not close it; brought forward it keeps place and row.
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w->List1, Qt::Key_Escape);
        QTest::keyClick(w->List1, Qt::Key_Return);
        QVERIFY(w->isVisible() && ui::SelectedRow(w->List2) == -1);
        w->move(20, 30);
        ClickRow(w->List1, 4);
        dialogs.showEquiv();
        QCOMPARE(w->pos(), QPoint(20, 30));
        QCOMPARE(ui::SelectedRow(w->List3), 4);

        w->close();
        QCOMPARE(h.onTop.pnFrmEquivOpen, ui::kFalse);
        dialogs.showEquiv();
        QCOMPARE(w->pos(), centred);
        QCOMPARE(ui::SelectedRow(w->List1), -1);
    }

    void modalWindowHandsBackToBoth()
    {
        for (bool editor : { true, false }) {
            BothOpen h(1);
            QWidget *modal = nullptr;
            test::WhenModal([&] {
                modal = QApplication::activeModalWidget();
                QTest::mouseClick(
                    editor ? h.dialogs.user()->cmdCancel : h.dialogs.info()->cmdOK, Qt::LeftButton);
            });
            h.fake.order.calls.clear();
            editor ? h.dialogs.showUser() : h.dialogs.showAbout();
            QCOMPARE(modal, editor ? static_cast<QWidget *>(h.dialogs.user()) : h.dialogs.info());
            // Main gives up, the box takes it; on closing, constants first, then equivalents above all.
            const QList<Call> expected { { &h.main, 0 },
                { modal, 1 },
                { modal, 0 },
                { &h.main, 1 },
                { &h.main, 0 },
                { h.constants(), 1 },
                { &h.main, 0 },
                { h.equiv(), 1 } };
            QCOMPARE(h.fake.order.calls, expected);
        }
    }

    // Hidden with the main window (the order on coming back is the main window's test): brought
    // forward from the menu meanwhile, a reference window shows as it was, not loaded afresh.
    void hiddenReferenceWindowComesBackAsItWas()
    {
        BothOpen h(1);
        QTest::mouseClick(h.dialogs.constants()->cmdNext, Qt::LeftButton);
        h.onTop.hideReferenceWindows();
        QVERIFY(!h.constants()->isVisible() && !h.equiv()->isVisible());
        QVERIFY(h.onTop.isOpen(ui::Secondary::Constants) && h.onTop.isOpen(ui::Secondary::Equiv));
        h.dialogs.showConstants();
        QVERIFY(h.constants()->isVisible());
        QCOMPARE(h.dialogs.constants()->nPage, std::int16_t(1));
    }
};

QTEST_MAIN(ReferenceWindowsTest)
#include "ReferenceWindowsTest.moc"
