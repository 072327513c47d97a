// The physical constants window: pages, columns in step, Copy, position, layout.
#include "Harness.h"
#include "ui/dialogs/DialogTools.h"
#include "ui/dialogs/frmConstants.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using test::Harness;
using ui::frmConstants;

namespace {

QStringList Texts(const QListWidget *list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

void ClickRow(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace

class ConstantsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void pagesWithBlankSeparators();
    void selectionInStepAndCopy_data();
    void selectionInStepAndCopy();
    void positionRoundTripThroughConfiguration();
    void keysHelpAndBringingForward();
    void layoutAlignedAndUnclipped();
};

void ConstantsTest::pagesWithBlankSeparators()
{
    Harness h;
    auto ctx = h.context();
    frmConstants w(ctx);
    w.Form_Load();
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral(" Physical Constants"));
    QCOMPARE(w.cmdNext->text(), QStringLiteral("Next"));
    const QStringList first = Texts(w.List1);
    QCOMPARE(first.size(), 14);
    QCOMPARE(first[0], QStringLiteral("Avogadro constant"));
    QVERIFY(first[4].isEmpty() && first[9].isEmpty() && Texts(w.List4)[9].isEmpty());
    QCOMPARE(first[13], QStringLiteral("Neutron mass"));
    ClickRow(w.List1, 2);

    QTest::mouseClick(w.cmdNext, Qt::LeftButton);
    const QStringList second = Texts(w.List1);
    QCOMPARE(w.cmdNext->text(), QStringLiteral("Back"));
    QCOMPARE(second.size(), 13);
    QCOMPARE(second[0], QStringLiteral("Electron Mass"));
    QVERIFY(second[4].isEmpty() && second[9].isEmpty());
    QCOMPARE(second[12], QStringLiteral("Proton gyromagnetic ratio"));
    QCOMPARE(Texts(w.List3)[5], QStringLiteral("m\u00b3/(s\u00b2-kg)"));
    QCOMPARE(ui::SelectedRow(w.List1), -1);
    ClickRow(w.List4, 1);
    QTest::mouseClick(w.cmdNext, Qt::LeftButton); // back to the first page, nothing selected
    QCOMPARE(w.nPage, std::int16_t(-1));
    QCOMPARE(w.cmdNext->text(), QStringLiteral("Next"));
    for (QListWidget *list : { w.List1, w.List3, w.List4 })
        QCOMPARE(ui::SelectedRow(list), -1);
}

void ConstantsTest::selectionInStepAndCopy_data()
{
    QTest::addColumn<bool>("secondPage");
    QTest::addColumn<int>("column"); // 1, 3 or 4
    QTest::addColumn<int>("row"); // -1: nothing selected
    QTest::addColumn<QString>("expected");
    QTest::newRow("Planck") << false << 1 << 6 << "Planck constant J/Hz 6.6260755E-34";
    QTest::newRow("one-blank unit") << true << 3 << 6 << "Fine structure constant   7.29735308E-03";
    QTest::newRow("sign kept") << true << 4 << 3 << "Electron specific charge C/kg -1.75881962E+11";
    QTest::newRow("no exponent") << false << 4 << 10 << "Molar gas constant J/(mol-K) 8.31451";
    QTest::newRow("nothing selected") << false << 1 << -1 << "  ";
    QTest::newRow("blank line after row 3, unit column") << false << 3 << 4 << "  ";
}

void ConstantsTest::selectionInStepAndCopy()
{
    QFETCH(bool, secondPage);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, expected);
    Harness h;
    auto ctx = h.context();
    frmConstants w(ctx);
    w.Form_Load();
    w.show();
    if (secondPage)
        QTest::mouseClick(w.cmdNext, Qt::LeftButton);
    QListWidget *lead = column == 1 ? w.List1 : column == 3 ? w.List3 : w.List4;
    if (row >= 0) {
        ClickRow(lead, row);
        // One pass: the two other columns follow once each, and their following starts nothing more.
        QCOMPARE(w.syncFollows(), 2);
    }
    for (QListWidget *list : { w.List1, w.List3, w.List4 })
        QCOMPARE(ui::SelectedRow(list), row);
    h.fake.clipboard.setText(QStringLiteral("old"));
    QTest::mouseClick(w.cmdCopy, Qt::LeftButton);
    QCOMPARE(h.fake.clipboard.text(), expected);
    QCOMPARE(h.fake.clipboard.clears, 1);
}

void ConstantsTest::positionRoundTripThroughConfiguration()
{
    Harness h;
    h.settings.pnFrmConstLeft = 3000;
    h.settings.pnFrmConstTop = 2400;
    auto ctx = h.context();
    frmConstants w(ctx);
    w.Form_Load();
    w.show();
    QCOMPARE(w.pos(), QPoint(200, 160));
    w.move(311, 97);
    QTest::mouseClick(w.cmdCancel, Qt::LeftButton);
    QVERIFY(!w.isVisible());

    QCOMPARE(store::CfgSave(h.path(), h.settings), store::SaveResult::Saved);
    Harness next;
    QCOMPARE(store::CfgRead(h.path(), next.settings), store::CfgReadResult::Loaded);
    QCOMPARE(next.settings.pnFrmConstLeft, std::int16_t(311 * 15));
    QCOMPARE(next.settings.pnFrmConstTop, std::int16_t(97 * 15));
    auto ctx2 = next.context();
    frmConstants again(ctx2);
    again.Form_Load();
    again.show();
    QCOMPARE(again.pos(), QPoint(311, 97));
    again.close();

    // Positions beyond what the 16-bit settings hold are clamped.
    for (auto [pos, left, top] : { std::tuple { QPoint(3000, -2185), 32767, -32768 },
             std::tuple { QPoint(-2300, 2184), -32768, 32760 } }) {
        again.Form_Load();
        again.show();
        again.move(pos);
        again.close();
        QCOMPARE(int(next.settings.pnFrmConstLeft), left);
        QCOMPARE(int(next.settings.pnFrmConstTop), top);
    }
}

void ConstantsTest::keysHelpAndBringingForward()
{
    Harness h;
    ui::Dialogs dialogs(h.context());
    dialogs.showConstants();
    frmConstants *w = dialogs.constants();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), w->cmdNext);
    QTest::mouseClick(w->cmdHelp, Qt::LeftButton);
    QCOMPARE(h.fake.help.calls.size(), 1);
    QCOMPARE(h.fake.help.calls[0].topic, std::optional<int>(17));

    // Enter presses the page button, even from a list.
    ClickRow(w->List1, 2);
    QTest::keyClick(w->List1, Qt::Key_Return);
    QCOMPARE(w->nPage, std::int16_t(1));
    ClickRow(w->List1, 2);
    w->move(400, 300);
    // Opened again while open: only brought forward, page, selection and place kept.
    dialogs.showConstants();
    QCOMPARE(w->nPage, std::int16_t(1));
    QCOMPARE(ui::SelectedRow(w->List4), 2);
    QCOMPARE(h.fake.order.calls.count({ w, 1 }), 1);
    w->move(10, 20);
    dialogs.captureConstantsPosition(); // at exit, while open
    QCOMPARE(h.settings.pnFrmConstLeft, std::int16_t(150));

    // Esc is Close; opened afresh it stands where it was closed, on the first page.
    w->move(150, 120);
    QTest::keyClick(w->List1, Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    QCOMPARE(h.onTop.pnFrmConstOpen, ui::kFalse);
    dialogs.showConstants();
    QCOMPARE(w->nPage, std::int16_t(-1));
    QCOMPARE(w->pos(), QPoint(150, 120));
}

void ConstantsTest::layoutAlignedAndUnclipped()
{
    Harness h;
    auto ctx = h.context();
    frmConstants w(ctx);
    w.Form_Load();
    w.show();
    // Neighbouring columns share a border pixel; captions centred over their columns.
    QCOMPARE(w.List3->x(), w.List1->x() + w.List1->width() - 1);
    QCOMPARE(w.List4->x(), w.List3->x() + w.List3->width() - 1);
    for (auto [label, list] :
        { std::pair { w.Label1, w.List1 }, { w.Label3, w.List3 }, { w.Label4, w.List4 } }) {
        QCOMPARE(list->y(), w.List1->y());
        QVERIFY(qAbs(label->geometry().center().x() - list->geometry().center().x()) <= 1);
    }
    // Both pages fit without a scroll bar and without cut text.
    for (int page = 0; page < 2; ++page) {
        for (QListWidget *list : { w.List1, w.List3, w.List4 }) {
            QVERIFY(!list->verticalScrollBar()->isVisible());
            QVERIFY(
                list->visualItemRect(list->item(list->count() - 1)).bottom() < list->viewport()->height());
            QVERIFY(list->width() >= ui::NeededListWidth(list, Texts(list)));
        }
        QTest::mouseClick(w.cmdNext, Qt::LeftButton);
    }
    // Buttons right-aligned with the value column, 8 pixels apart, below the lists, inside the window.
    QCOMPARE(w.cmdNext->geometry().right(), w.List4->geometry().right());
    QCOMPARE(w.cmdCopy->x() + 3 * (w.cmdCopy->width() + 8), w.cmdNext->x());
    QVERIFY(w.cmdCopy->y() > w.List1->geometry().bottom() && w.cmdCopy->geometry().bottom() < w.height());
    QCOMPARE(ui::Base(w.List1), w.palette().color(QPalette::Button));
}

QTEST_MAIN(ConstantsTest)
#include "ConstantsTest.moc"
