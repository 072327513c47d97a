// The equivalents window: the right-press pop-up and Copy, columns in step, centring, layout.
#include "Harness.h"
#include "ui/dialogs/DialogTools.h"
#include "ui/dialogs/frmEquiv.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

using test::Harness;
using ui::frmEquiv;

namespace {

void Press(QListWidget *list, int row, Qt::MouseButton button)
{
    QTest::mouseClick(list->viewport(), button, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace

class EquivTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void rightPressCopiesWithoutSelecting_data();
    void rightPressCopiesWithoutSelecting();
    void closeBoxOnlyCentredOnEveryLoad();
};

void EquivTest::rightPressCopiesWithoutSelecting_data()
{
    QTest::addColumn<int>("selected"); // -1: none
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no selection") << -1 << 3 << 0 << "  ";
    QTest::newRow("first row, press elsewhere") << 0 << 4 << 1 << "Electric Conductance S: siemens A/V";
    QTest::newRow("blanks inside kept") << 5 << 5 << 2 << "Electric Resistance ohm 1/S = V/A";
    QTest::newRow("last row") << 8 << 1 << 1 << "Absorbed Dose Gy: gray = J/kg 100 rad";
}

void EquivTest::rightPressCopiesWithoutSelecting()
{
    QFETCH(int, selected);
    QFETCH(int, pressed);
    QFETCH(int, column);
    QFETCH(QString, expected);
    Harness h;
    auto ctx = h.context();
    frmEquiv w(ctx);
    w.Form_Load();
    w.show();
    const QList<QListWidget *> lists { w.List1, w.List2, w.List3 };
    if (selected >= 0)
        Press(w.List1, selected, Qt::LeftButton);
    QVERIFY(!w.mnuMenu->isVisible());
    Press(lists[column], pressed, Qt::RightButton);
    QVERIFY(w.mnuMenu->isVisible());
    QCOMPARE(w.mnuMenu->actions(), QList<QAction *> { w.mnuCopy });
    QCOMPARE(w.mnuCopy->text(), QStringLiteral("&Copy"));
    for (QListWidget *each : lists)
        QCOMPARE(ui::SelectedRow(each), selected);
    QTest::mouseClick(w.mnuMenu, Qt::LeftButton, {}, w.mnuMenu->actionGeometry(w.mnuCopy).center());
    QCOMPARE(h.fake.clipboard.text(), expected);
    QCOMPARE(h.fake.clipboard.clears, 1);
    // A left press selects in all three columns and opens nothing.
    Press(lists[column], pressed, Qt::LeftButton);
    QVERIFY(!w.mnuMenu->isVisible());
    for (QListWidget *each : lists)
        QCOMPARE(ui::SelectedRow(each), pressed);
}

void EquivTest::closeBoxOnlyCentredOnEveryLoad()
{
    Harness h;
    h.settings.pnShowTop = 1;
    ui::Dialogs dialogs(h.context());
    dialogs.showEquiv();
    frmEquiv *w = dialogs.equiv();
    QCOMPARE(w->windowTitle(), QStringLiteral(" Equivalents"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY((w->frameGeometry().center() - screen.center()).manhattanLength() <= 2);
    const QPoint centred = w->pos();
    // Columns share a border pixel, captions span them; nine rows fit, nothing cut.
    for (auto [label, list] :
        { std::pair { w->Label1, w->List1 }, { w->Label2, w->List2 }, { w->Label3, w->List3 } }) {
        QCOMPARE(label->geometry().left(), list->x());
        QCOMPARE(label->width(), list->width());
        QVERIFY(!list->verticalScrollBar()->isVisible());
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        QVERIFY(list->width() >= ui::NeededListWidth(list, texts));
    }
    QCOMPARE(w->List3->x(), w->List2->x() + w->List2->width() - 1);
    QVERIFY(w->List3->geometry().right() < w->width());

    // Focus selects nothing; Esc and Enter do not close it; brought forward it keeps place and row.
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w->List1, Qt::Key_Escape);
    QTest::keyClick(w->List1, Qt::Key_Return);
    QVERIFY(w->isVisible() && ui::SelectedRow(w->List2) == -1);
    w->move(20, 30);
    Press(w->List1, 4, Qt::LeftButton);
    dialogs.showEquiv();
    QCOMPARE(w->pos(), QPoint(20, 30));
    QCOMPARE(ui::SelectedRow(w->List3), 4);

    w->close();
    QCOMPARE(h.onTop.pnFrmEquivOpen, ui::kFalse);
    QVERIFY(!h.fake.order.isOnTop(w) && h.fake.order.isOnTop(&h.main));
    dialogs.showEquiv();
    QCOMPARE(w->pos(), centred);
    QCOMPARE(ui::SelectedRow(w->List1), -1);
}

QTEST_MAIN(EquivTest)
#include "EquivTest.moc"
