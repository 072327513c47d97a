// Always-on-top with the reference windows, Minimize, the notification icon's two clicks, a
// desktop without a notification area, and a later start asking for the window.
#include "MainHarness.h"
#include "ui/dialogs/frmConstants.h"
#include "ui/dialogs/frmEquiv.h"
#include "ui/main/CommandLabel.h"

#include <QLocale>
#include <QSignalSpy>

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void onTopPassesToTheConstantsWindowAndBack();
    void minimiseAndLeftPress_data();
    void minimiseAndLeftPress();
    void rightRelease_data();
    void rightRelease();
    void noNotificationArea_data();
    void noNotificationArea();
    void fileMinimizeOnlyHides();
    void iconClicksDuringStartUpDoNothing();
    void anotherStartShowsTheWindow();
};

static QWidget *constants(MainHarness &h)
{
    return h.w->dialogs()->constants();
}

static QWidget *equiv(MainHarness &h)
{
    return h.w->dialogs()->equiv();
}

// Runs `inspect` on the next pop-up menu from the event loop; it must close the menu.
static void inspectPopup(std::function<void(QMenu *)> inspect, bool *seen)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, inspect, seen] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        timer->deleteLater();
        *seen = true;
        inspect(menu);
    });
    timer->start();
}

void WindowTest::onTopPassesToTheConstantsWindowAndBack()
{
    MainHarness h;
    h.writeFiles({ { 8, QStringLiteral("ShowTop=1") } });
    ui::frmConvert &w = h.start();
    QVERIFY(h.fake.order.isOnTop(&w));
    h.m().convConst->trigger();
    QVERIFY(constants(h)->isVisible());
    QCOMPARE(h.fake.order.onTop(), QList<QWidget *> { constants(h) });
    constants(h)->close();
    QCOMPARE(h.fake.order.onTop(), QList<QWidget *> { &w });

    // Ctrl+T from the input box takes the window off top and remembers it.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(h.c().txtInput, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(w.settings().pnShowTop, std::int16_t(0));
    QVERIFY(!h.m().showTop->isChecked() && h.fake.order.onTop().isEmpty());
    h.m().convConst->trigger();
    constants(h)->close();
    QVERIFY(h.fake.order.onTop().isEmpty());
}

void WindowTest::minimiseAndLeftPress_data()
{
    QTest::addColumn<int>("showTop");
    QTest::newRow("always on top") << 1;
    QTest::newRow("not on top") << 0;
}

void WindowTest::minimiseAndLeftPress()
{
    QFETCH(int, showTop);
    MainHarness h;
    h.writeFiles({ { 8, QStringLiteral("ShowTop=%1").arg(showTop) } });
    ui::frmConvert &w = h.start();
    h.m().convConst->trigger();
    h.m().equiv->trigger();
    h.m().convArray[4]->trigger();
    w.pnShownUnitGrp = -1; // as after the custom quantity editor saved
    w.move(100, 50);

    h.w->labels().shrink->click();
    QVERIFY(!w.isVisible() && !constants(h)->isVisible() && !equiv(h)->isVisible());
    QVERIFY(w.onTop().isOpen(ui::Secondary::Constants) && w.onTop().isOpen(ui::Secondary::Equiv));
    QCOMPARE(std::pair(w.settings().pnFrmConvLeft, w.settings().pnFrmConvTop),
        std::pair(std::int16_t(1500), std::int16_t(750)));
    QCOMPARE(w.pnShownUnitGrp, std::int16_t(4));
    QVERIFY(h.fake.tray.shown());

    h.fake.order.calls.clear();
    h.fake.tray.pressLeft();
    QVERIFY(w.isVisible() && constants(h)->isVisible() && equiv(h)->isVisible());
    // To the front (on top, and off again unless wanted), then each reference window above it.
    QList<Call> expected { { &w, 1 } };
    if (showTop == 0)
        expected << Call { &w, 0 };
    expected << Call { &w, 0 } << Call { equiv(h), 1 } << Call { &w, 0 } << Call { constants(h), 1 };
    QCOMPARE(h.fake.order.calls, expected);
    QCOMPARE(w.pos(), QPoint(100, 50));
    // Choosing the group shown before refills nothing: the lists are that group's.
    QCOMPARE(w.windowTitle(), QStringLiteral(" Orlo Unit Converter - Stress, Pressure"));
}

void WindowTest::rightRelease_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("minimised");
    QTest::newRow("a group, from hidden") << "mnuConvArray_3" << false;
    QTest::newRow("a group, from minimised") << "mnuConvArray_3" << true;
    QTest::newRow("nothing, from minimised") << "" << true;
    QTest::newRow("Exit") << "mnuExit" << false;
}

void WindowTest::rightRelease()
{
    QFETCH(QString, choice);
    QFETCH(bool, minimised);
    MainHarness h;
    h.writeFiles();
    ui::frmConvert &w = h.start();
    QSignalSpy endings(&w, &ui::frmConvert::ended);
    if (minimised)
        w.showMinimized();
    else
        h.w->labels().shrink->click();
    h.fake.tray.cursor = QPoint(120, 80);

    bool seen = false;
    bool asShown = false;
    inspectPopup(
        [&](QMenu *menu) {
            asShown = menu == h.m().convert && menu->pos() == QPoint(120, 80) && h.m().conv_3->isVisible()
                && h.m().exit->isVisible() && menu->defaultAction() == h.m().exit;
            QAction *a = menu->findChild<QAction *>(choice);
            if (choice.isEmpty() || !a) {
                menu->close();
                return;
            }
            menu->setActiveAction(a);
            QTest::keyClick(menu, Qt::Key_Return);
        },
        &seen);
    h.fake.tray.releaseRight();
    QVERIFY(seen && asShown);
    QVERIFY(!h.m().conv_3->isVisible() && !h.m().exit->isVisible());
    QCOMPARE(h.m().convert->defaultAction(), nullptr);

    if (choice == QStringLiteral("mnuExit")) {
        QCOMPARE(endings.count(), 1);
        QVERIFY(!w.isVisible()); // not shown again once ended
        return;
    }
    QCOMPARE(endings.count(), 0);
    QVERIFY(w.isVisible() && !w.isMinimized());
    QCOMPARE(w.settings().pnSelUnitGrp, std::int16_t(choice.isEmpty() ? 0 : 3));
}

void WindowTest::noNotificationArea_data()
{
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<bool>("atMinimise");
    QTest::newRow("notification area") << true << true;
    QTest::newRow("none") << false << false;
    QTest::newRow("gone since the start") << true << false;
}

void WindowTest::noNotificationArea()
{
    QFETCH(bool, atStart);
    QFETCH(bool, atMinimise);
    MainHarness h;
    h.writeFiles();
    h.fake.tray.available = atStart;
    ui::frmConvert &w = h.start();
    QCOMPARE(h.fake.order.hasTaskbarEntry(&w), !atStart);
    h.m().convConst->trigger();
    h.fake.tray.available = atMinimise;

    h.c().lstConvFrom->setFocus();
    QTest::keyClick(h.c().lstConvFrom, Qt::Key_M);
    QVERIFY(!constants(h)->isVisible());
    if (atMinimise) {
        QVERIFY(!w.isVisible() && !w.isMinimized());
        return;
    }
    // Still reachable: iconified, with its task-bar entry.
    QVERIFY(w.isVisible() && w.isMinimized());
    QVERIFY(h.fake.order.hasTaskbarEntry(&w));
    w.showNormal();
    QTRY_VERIFY(constants(h)->isVisible());
    QCOMPARE(h.fake.order.calls.last(), (Call { constants(h), 1 }));
    QSignalSpy endings(&w, &ui::frmConvert::ended);
    w.close();
    QCOMPARE(endings.count(), 1);
}

void WindowTest::fileMinimizeOnlyHides()
{
    MainHarness h;
    h.writeFiles();
    ui::frmConvert &w = h.start();
    h.m().convConst->trigger();
    w.move(200, 100);
    h.m().fileMinimize->trigger();
    QVERIFY(!w.isVisible() && constants(h)->isVisible());
    QCOMPARE(w.settings().pnFrmConvLeft, std::int16_t(840));
}

void WindowTest::iconClicksDuringStartUpDoNothing()
{
    MainHarness h;
    h.writeFiles({ { 10, QStringLiteral("Form=3") } });
    bool shownEarly = true;
    h.start([&](ui::frmConvert &win) {
        win.setAboutHook([&] {
            h.fake.tray.pressLeft();
            win.showFromAnotherStart();
            shownEarly = win.isVisible();
        });
    });
    QVERIFY(!shownEarly);
    QVERIFY(h.w->isVisible());
}

void WindowTest::anotherStartShowsTheWindow()
{
    MainHarness h;
    h.writeFiles();
    ui::frmConvert &w = h.start();
    h.m().convConst->trigger();
    h.w->labels().shrink->click();
    QVERIFY(!w.isVisible());
    w.showFromAnotherStart();
    QVERIFY(w.isVisible() && constants(h)->isVisible());
    QCOMPARE(h.fake.order.calls.last(), (Call { constants(h), 1 }));

    w.showMinimized();
    w.showFromAnotherStart();
    QVERIFY(w.isVisible() && !w.isMinimized());

    h.m().fileExit->trigger();
    w.showFromAnotherStart();
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
