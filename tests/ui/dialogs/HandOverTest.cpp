// Always-on-top passing between the main window and the secondary windows, both reference windows open.
#include "Harness.h"
#include "ui/dialogs/frmConstants.h"
#include "ui/dialogs/frmEquiv.h"
#include "ui/dialogs/frmInfo.h"
#include "ui/dialogs/frmUser.h"

#include <QPushButton>
#include <QTest>

using Call = platform::fake::FakeWindowOrder::Call;
using test::Harness;

class HandOverTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void closingOneReferenceWindowHandsToTheOther_data();
    void closingOneReferenceWindowHandsToTheOther();
    void modalWindowHandsBackToBoth_data();
    void modalWindowHandsBackToBoth();
    void minimiseAndTrayKeepBothAbove();
};

void HandOverTest::closingOneReferenceWindowHandsToTheOther_data()
{
    QTest::addColumn<int>("showTop");
    QTest::addColumn<bool>("constantsFirst");
    QTest::newRow("on top, constants closed first") << 1 << true;
    QTest::newRow("on top, equivalents closed first") << 1 << false;
    QTest::newRow("not on top, constants closed first") << 0 << true;
    QTest::newRow("not on top, equivalents closed first") << 0 << false;
}

void HandOverTest::closingOneReferenceWindowHandsToTheOther()
{
    QFETCH(int, showTop);
    QFETCH(bool, constantsFirst);
    Harness h;
    h.settings.pnShowTop = std::int16_t(showTop);
    h.fake.order.SetTopmost(&h.main, showTop);
    ui::Dialogs dialogs(h.context());
    dialogs.showConstants();
    dialogs.showEquiv();
    QWidget *first = constantsFirst ? static_cast<QWidget *>(dialogs.constants()) : dialogs.equiv();
    QWidget *other = constantsFirst ? static_cast<QWidget *>(dialogs.equiv()) : dialogs.constants();
    QVERIFY(h.fake.order.isOnTop(first) && h.fake.order.isOnTop(other) && !h.fake.order.isOnTop(&h.main));

    h.fake.order.calls.clear();
    first->close();
    first->close(); // a second close of a closed window hands nothing over
    const QList<Call> expected = showTop == 1
        ? QList<Call> { { first, 0 }, { &h.main, 1 }, { &h.main, 0 }, { other, 1 } }
        : QList<Call> { { first, 0 }, { other, 1 } };
    QCOMPARE(h.fake.order.calls, expected);
    QVERIFY(h.onTop.isOpen(constantsFirst ? ui::Secondary::Equiv : ui::Secondary::Constants));
    QVERIFY(!h.onTop.isOpen(constantsFirst ? ui::Secondary::Constants : ui::Secondary::Equiv));

    other->close();
    QVERIFY(!h.fake.order.isOnTop(other));
    QCOMPARE(h.fake.order.isOnTop(&h.main), showTop == 1);
}

void HandOverTest::modalWindowHandsBackToBoth_data()
{
    QTest::addColumn<bool>("editor"); // else the About box
    QTest::newRow("custom quantity editor") << true;
    QTest::newRow("About box") << false;
}

void HandOverTest::modalWindowHandsBackToBoth()
{
    QFETCH(bool, editor);
    Harness h;
    h.settings.pnShowTop = 1;
    ui::Dialogs dialogs(h.context());
    dialogs.showConstants();
    dialogs.showEquiv();
    QWidget *modal = nullptr;
    test::WhenModal([&] {
        modal = QApplication::activeModalWidget();
        QTest::mouseClick(editor ? dialogs.user()->cmdCancel : dialogs.info()->cmdOK, Qt::LeftButton);
    });
    h.fake.order.calls.clear();
    if (editor)
        dialogs.showUser();
    else
        dialogs.showAbout();
    QCOMPARE(modal, editor ? static_cast<QWidget *>(dialogs.user()) : dialogs.info());
    // Main gives up, the box takes it; on closing, constants first, then equivalents above all.
    const QList<Call> expected { { &h.main, 0 },
        { modal, 1 },
        { modal, 0 },
        { &h.main, 1 },
        { &h.main, 0 },
        { dialogs.constants(), 1 },
        { &h.main, 0 },
        { dialogs.equiv(), 1 } };
    QCOMPARE(h.fake.order.calls, expected);
}

void HandOverTest::minimiseAndTrayKeepBothAbove()
{
    Harness h;
    h.settings.pnShowTop = 1;
    ui::Dialogs dialogs(h.context());
    h.main.show();
    dialogs.showConstants();
    dialogs.showEquiv();
    h.onTop.hideReferenceWindows();
    QVERIFY(!dialogs.constants()->isVisible() && !dialogs.equiv()->isVisible());
    QVERIFY(h.onTop.isOpen(ui::Secondary::Constants) && h.onTop.isOpen(ui::Secondary::Equiv));

    h.onTop.showFromTray();
    QVERIFY(dialogs.constants()->isVisible() && dialogs.equiv()->isVisible());
    QVERIFY(h.fake.order.isOnTop(dialogs.equiv()) && !h.fake.order.isOnTop(&h.main));
    QCOMPARE(h.fake.order.calls.last(), (Call { dialogs.constants(), 1 })); // constants lie above

    // Brought forward from the menu while hidden: shown as it was, not loaded afresh.
    h.onTop.hideReferenceWindows();
    QTest::mouseClick(dialogs.constants()->cmdNext, Qt::LeftButton);
    dialogs.showConstants();
    QVERIFY(dialogs.constants()->isVisible());
    QCOMPARE(dialogs.constants()->nPage, std::int16_t(1));
}

QTEST_MAIN(HandOverTest)
#include "HandOverTest.moc"
