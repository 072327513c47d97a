// The custom quantity editor: coefficient boxes, the working copy, OK and the ways out without it.
#include "Harness.h"
#include "ui/dialogs/DialogTools.h"
#include "ui/dialogs/frmUser.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using test::Harness;
using ui::frmUser;

namespace {

const QColor kYellow(255, 255, 0);

QColor RowColour(int slot)
{
    return slot % 2 == 1 ? QColor(224, 224, 224) : QApplication::palette().color(QPalette::Base);
}

void Pick(frmUser &w, int group)
{
    w.cboUserGroups->showPopup();
    QAbstractItemView *view = w.cboUserGroups->view();
    QTest::mouseClick(
        view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(group, 0)).center());
}

// Types at the cursor, also characters the test library's own key clicks refuse; `clear` empties first.
void Type(QLineEdit *edit, const QString &text, bool clear = false)
{
    edit->setFocus();
    if (clear) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

} // namespace

class EditorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void coefficientBox_data();
    void coefficientBox();
    void okStoresRebuildsAndSaves();
    void leavingWithoutOkStoresNothing_data();
    void leavingWithoutOkStoresNothing();
    void clearedGroupName_data();
    void clearedGroupName();
    void unstorableTextRefused();
    void rowsTabOrderAndHelp();
};

void EditorTest::coefficientBox_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("rejected");
    QTest::addColumn<QString>("coef");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<int>("notices");
    QTest::newRow("coefficient;offset") << ""
                                        << "1.8;32" << false << "1.8"
                                        << "32" << 0;
    QTest::newRow("coefficient alone") << ""
                                       << "1.8" << false << "1.8"
                                       << "" << 0;
    QTest::newRow("offset alone") << ""
                                  << ";32" << false << ""
                                  << "32" << 0;
    QTest::newRow("blanks around parts") << ""
                                         << " 2.5 ; 7 " << false << "2.5"
                                         << "7" << 0;
    QTest::newRow("bad offset keeps last value") << "2;5"
                                                 << "1.8;3x" << true << "2"
                                                 << "5" << 0;
    QTest::newRow("bad coefficient keeps last value") << "3"
                                                      << "1.2.3" << true << "3"
                                                      << "" << 0;
    QTest::newRow("beyond the double range") << "4"
                                             << "1e999" << true << "4"
                                             << "" << 0;
    QTest::newRow("exponent being typed") << ""
                                          << "2e-" << false << "2e-"
                                          << "" << 0;
    QTest::newRow("sign, then unstorable") << "1" << QString::fromUtf8("-\u6f22") << true << "1"
                                           << "" << 0;
    QTest::newRow("comma: notice, kept") << ""
                                         << "1,5" << false << "1,5"
                                         << "" << 1;
    QTest::newRow("comma in both parts") << ""
                                         << "1,5;2,5" << false << "1,5"
                                         << "2,5" << 2;
}

void EditorTest::coefficientBox()
{
    QFETCH(QString, before);
    QFETCH(QString, text);
    QFETCH(bool, rejected);
    QFETCH(QString, coef);
    QFETCH(QString, offset);
    QFETCH(int, notices);
    for (int slot : { 2, 7 }) {
        Harness h;
        auto ctx = h.context();
        frmUser w(ctx);
        w.Form_Load();
        w.txtUserCoef[slot]->setText(before);
        w.txtUserCoef[slot]->setText(text);
        const auto u = std::size_t(slot);
        QCOMPARE(ui::Base(w.txtUserCoef[slot]), rejected ? kYellow : RowColour(slot));
        QCOMPARE(QString::fromStdString(w.m_work.UserCoefText[0][u]), coef);
        QCOMPARE(QString::fromStdString(w.m_work.UserOffsetText[0][u]), offset);
        QCOMPARE(h.user.UserCoefText[0][u], std::string()); // the tables wait for OK
        QCOMPARE(h.fake.messages.shown.size(), notices);
        for (const auto &shown : h.fake.messages.shown) {
            QCOMPARE(shown.text,
                QStringLiteral("This application recognizes only a period (dot) as decimal separator."));
            QCOMPARE(shown.title, QStringLiteral(" Orlo Unit Converter"));
            QCOMPARE(shown.icon, platform::MsgIcon::Exclamation);
        }
    }
}

void EditorTest::okStoresRebuildsAndSaves()
{
    Harness h;
    h.user.UserGrpName[1] = "Beta";
    auto ctx = h.context();
    frmUser w(ctx);
    w.Form_Load();
    w.show();
    Pick(w, 2);
    QTest::keyClicks(w.cboUserGroups->lineEdit(), QStringLiteral("Flow"));
    const QStringList labels {
        QStringLiteral(" l/s "), QStringLiteral("l/min"), {}, {}, {}, QStringLiteral("gal")
    };
    const QStringList coefs { QStringLiteral("1"), QStringLiteral("0.0166667;0.5"), {}, {}, {}, {} };
    for (int u : { 0, 1, 5 }) {
        QTest::keyClicks(w.txtUserUnit[u], labels[u]);
        QTest::keyClicks(w.txtUserCoef[u], coefs[u]);
    }
    // Another group and back: its boxes filled from the working copy, the edits still there, and
    // the dropped-down list shows the new name.
    Pick(w, 1);
    QCOMPARE(w.cboUserGroups->currentText(), QStringLiteral("Beta"));
    QCOMPARE(w.txtUserUnit[0]->text(), QString());
    w.cboUserGroups->showPopup();
    QCOMPARE(w.cboUserGroups->itemText(2), QStringLiteral("Flow"));
    Pick(w, 2);
    QCOMPARE(w.txtUserCoef[1]->text(), QStringLiteral("0.0166667;0.5"));
    QCOMPARE(h.user.UserGrpName[2], std::string());
    QCOMPARE(w.m_work.UserGrpName[1], std::string("Beta")); // picking renamed nothing
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);

    QVERIFY(!w.isVisible());
    QCOMPARE(h.groupsChanged, 1);
    QCOMPARE(h.user.UserCoef[2][1], 0.0166667);
    const int G = core::pnUserGrpFirst + 2;
    QCOMPARE(h.catalogue.GroupName[G], std::string("Flow"));
    QCOMPARE(h.catalogue.AffineOffset[3][1], 0.5);
    QCOMPARE(h.catalogue.AffineScale[3][5], 1e-30); // a named unit without coefficient
    QCOMPARE(h.catalogue.UnitCount[G], std::int16_t(6)); // up to the last named slot
    core::UserTables back;
    QCOMPARE(store::DatRead(h.path(), back), store::DatReadResult::Loaded);
    QCOMPARE(back.UserGrpName[2], std::string("Flow"));
    QCOMPARE(back.UserOffsetText[2][1], std::string("0.5"));

    // A save that fails is reported; the editor still closes and the run keeps the edits.
    Harness bad;
    auto badCtx = bad.context(bad.path() / "no" / "dir");
    frmUser w2(badCtx);
    w2.Form_Load();
    QTest::keyClicks(w2.cboUserGroups->lineEdit(), QStringLiteral("Kept"));
    QTest::mouseClick(w2.cmdSave, Qt::LeftButton);
    QCOMPARE(bad.saveFailures, QStringList { QStringLiteral("ORL_USER.DAT") });
    QCOMPARE(bad.catalogue.GroupName[core::pnUserGrpFirst], std::string("Kept"));
}

void EditorTest::leavingWithoutOkStoresNothing_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("close box") << 1;
    QTest::newRow("Esc") << 2;
}

void EditorTest::leavingWithoutOkStoresNothing()
{
    QFETCH(int, way);
    Harness h;
    h.user.UserGrpName[0] = "Alpha";
    h.user.UserUnitName[0][0] = "a";
    core::BuildCustomGroups(h.catalogue, h.user);
    QCOMPARE(store::DatSave(h.path(), h.user), store::SaveResult::Saved);
    const core::UserTables tables = h.user;
    const core::Catalogue cat = h.catalogue;
    const QByteArray file = h.datBytes();

    auto ctx = h.context();
    frmUser w(ctx);
    w.Form_Load();
    w.show();
    Type(w.cboUserGroups->lineEdit(), QStringLiteral("Omega"), true);
    Type(w.txtUserUnit[0], QStringLiteral("b"), true);
    Type(w.txtUserCoef[4], QStringLiteral("2;3"));
    if (way == 0)
        QTest::mouseClick(w.cmdCancel, Qt::LeftButton);
    else if (way == 1)
        w.close();
    else
        QTest::keyClick(w.txtUserCoef[4], Qt::Key_Escape);

    QVERIFY(!w.isVisible());
    QCOMPARE(h.onTop.pnFrmUserOpen, ui::kFalse);
    QCOMPARE(h.groupsChanged, 0);
    QVERIFY(h.user.UserGrpName == tables.UserGrpName && h.user.UserUnitName == tables.UserUnitName);
    QVERIFY(h.user.UserCoefText == tables.UserCoefText && h.user.UserOffsetText == tables.UserOffsetText);
    QVERIFY(h.catalogue.GroupName == cat.GroupName && h.catalogue.UnitName == cat.UnitName);
    QVERIFY(h.catalogue.AffineScale == cat.AffineScale && h.catalogue.UnitCount == cat.UnitCount);
    QCOMPARE(h.datBytes(), file);
    w.Form_Load(); // the next opening starts from the tables
    QCOMPARE(w.txtUserUnit[0]->text(), QStringLiteral("a"));
}

void EditorTest::clearedGroupName_data()
{
    QTest::addColumn<int>("group");
    QTest::newRow("group 0") << 0;
    QTest::newRow("group 3") << 3;
}

// The main window refreshes its menu from the tables when told; by then they must hold the change.
void EditorTest::clearedGroupName()
{
    QFETCH(int, group);
    Harness h;
    for (int g = 0; g < 4; ++g)
        h.user.UserGrpName[std::size_t(g)] = "Named";
    core::BuildCustomGroups(h.catalogue, h.user);
    std::string seenName = "unset", seenGroup = "unset";
    h.onGroupsChanged = [&] {
        seenName = h.user.UserGrpName[std::size_t(group)];
        seenGroup = h.catalogue.GroupName[std::size_t(core::pnUserGrpFirst + group)];
    };
    auto ctx = h.context();
    frmUser w(ctx);
    w.Form_Load();
    w.show();
    Pick(w, group);
    Type(w.cboUserGroups->lineEdit(), QString(), true);
    QTest::mouseClick(w.cmdSave, Qt::LeftButton);
    QCOMPARE(h.groupsChanged, 1);
    QCOMPARE(seenName, std::string());
    QCOMPARE(seenGroup, std::string());
    QCOMPARE(h.user.UserGrpName[1], std::string("Named"));
}

void EditorTest::unstorableTextRefused()
{
    for (int box = 0; box < 2; ++box) {
        Harness h;
        h.user.UserGrpName[0] = "Alpha";
        h.user.UserUnitName[0][1] = "a";
        auto ctx = h.context();
        frmUser w(ctx);
        w.Form_Load();
        w.show();
        QLineEdit *edit = box == 0 ? w.txtUserUnit[1] : w.cboUserGroups->lineEdit();
        const QColor normal = ui::Base(edit);
        Type(edit, QString::fromUtf8("caf\u00e9s"), true); // é is in the file's code page, Ω is not
        QCOMPARE(ui::Base(edit), normal);
        Type(edit, QString::fromUtf8("\u03a9"));
        QCOMPARE(ui::Base(edit), kYellow);
        QTest::mouseClick(w.cmdSave, Qt::LeftButton);
        core::UserTables back;
        QCOMPARE(store::DatRead(h.path(), back), store::DatReadResult::Loaded);
        QCOMPARE(back.UserGrpName[0], std::string(box == 1 ? "caf\xc3\xa9s" : "Alpha"));
        QCOMPARE(back.UserUnitName[0][1], std::string(box == 0 ? "caf\xc3\xa9s" : "a"));
    }
}

void EditorTest::rowsTabOrderAndHelp()
{
    Harness h;
    auto ctx = h.context();
    frmUser w(ctx);
    w.Form_Load();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral(" Add/Edit Custom Quantities"));
    QList<QWidget *> order;
    for (int u = 0; u < 10; ++u) {
        QCOMPARE(ui::Base(w.txtUserUnit[u]), RowColour(u));
        QCOMPARE(w.txtUserUnit[u]->mapTo(&w, QPoint()).y(), w.txtUserCoef[u]->mapTo(&w, QPoint()).y());
        order << w.txtUserUnit[u] << w.txtUserCoef[u];
    }
    w.cboUserGroups->setFocus();
    for (QWidget *next : order << w.cmdSave) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QVERIFY(w.cboUserGroups->y() >= w.Frame3->fontMetrics().height() / 2);
    QVERIFY(w.cboUserGroups->geometry().bottom() < w.Frame3->height());
    QTest::mouseClick(w.cmdHelp, Qt::LeftButton);
    QCOMPARE(h.fake.help.calls.size(), 1);
    QCOMPARE(h.fake.help.calls[0].topic, std::optional<int>(18));
    QCOMPARE(h.fake.help.calls[0].helpFile, QStringLiteral("/opt/orlo/Orlohelp.hlp"));
}

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
