// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The custom quantity editor: coefficient boxes, the working copy, OK and the ways out without it.
#include "support/DialogHarness.h"
#include "support/QtCaseTable.h"
#include "ui/common/Colours.h"
#include "ui/dialogs/frmUser.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using test::Harness;
using Editor = test::Loaded<ui::frmUser>;

namespace {

const QColor kYellow(255, 255, 0);

void Pick(ui::frmUser &w, int group)
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
    void coefficientBox_data() { cases::AddRows("dialogs/coefficient_boxes.txt"); }

    // In an even and an odd row, whose colours differ.
    void coefficientBox()
    {
        QFETCH(cases::Row, f);
        const QString before = f["before"], text = f["text"], rejected = f["rejected"], coef = f["coef"],
                      offset = f["offset"], notices = f["notices"];
        for (auto [slot, colour] : { std::pair { 2, QApplication::palette().color(QPalette::Base) },
                 { 7, QColor(224, 224, 224) } }) {
            Editor e;
            e.w.txtUserCoef[slot]->setText(before);
            e.w.txtUserCoef[slot]->setText(text);
            const auto u = std::size_t(slot);
            QCOMPARE(ui::Base(e.w.txtUserCoef[slot]), rejected == u"yes" ? kYellow : colour);
            QCOMPARE(QString::fromStdString(e.w.workingCopy().UserCoefText[0][u]), coef);
            QCOMPARE(QString::fromStdString(e.w.workingCopy().UserOffsetText[0][u]), offset);
            QCOMPARE(e.h.tables().UserCoefText[0][u], std::string()); // the tables wait for OK
            QCOMPARE(QString::number(e.h.fake.messages.shown.size()), notices);
            for (const auto &shown : e.h.fake.messages.shown)
                QCOMPARE(shown.text + shown.title,
                    QStringLiteral("This application recognizes only a period (dot) as decimal separator."
                                   " Orlo Unit Converter"));
        }
    }

    void okStoresRebuildsAndSaves()
    {
        Editor e([](Harness &h) { h.user.UserGrpName[1] = "Beta"; });
        ui::frmUser &w = e.w;
        Pick(w, 2);
        QTest::keyClicks(w.cboUserGroups->lineEdit(), QStringLiteral("Flow"));
        // Labels only in slots 0, 1 and 5; slot 5 has no coefficient.
        for (auto [u, label, coef] :
            { std::tuple { 0, " l/s ", "1" }, { 1, "l/min", "0.0166667;0.5" }, { 5, "gal", "" } }) {
            QTest::keyClicks(w.txtUserUnit[u], QString::fromLatin1(label));
            QTest::keyClicks(w.txtUserCoef[u], QString::fromLatin1(coef));
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
        QCOMPARE(w.workingCopy().UserGrpName[1], std::string("Beta")); // picking renamed nothing
        QTest::mouseClick(w.cmdHelp, Qt::LeftButton);
        QCOMPARE(e.h.fake.help.calls.value(0).topic, std::optional<int>(18));
        QTest::mouseClick(w.cmdSave, Qt::LeftButton);

        QVERIFY(!w.isVisible());
        // The program's tables, once: rebuilding and saving them is the state's.
        QCOMPARE(e.h.groupsChanged, 1);
        const core::UserTables &t = e.h.tables();
        QCOMPARE(std::tuple(t.UserGrpName[2], t.UserUnitName[2][0], t.UserCoef[2][1], t.UserOffset[2][1]),
            std::tuple(std::string("Flow"), std::string(" l/s "), 0.0166667, 0.5));
        QCOMPARE(t.UserCoefText[2][5], std::string()); // a named unit without coefficient
    }

    void leavingWithoutOkStoresNothing()
    {
        for (const char *way : { "Cancel", "close box", "Esc" }) {
            Editor e([](Harness &h) {
                h.user.UserGrpName[0] = "Alpha";
                // Not = "a": g++ 12 at -O3 warns falsely about it (-Wrestrict, GCC bug 105651).
                h.user.UserUnitName[0][0].assign(1, 'a');
            });
            const core::UserTables tables = e.h.tables();
            Type(e.w.cboUserGroups->lineEdit(), QStringLiteral("Omega"), true);
            Type(e.w.txtUserUnit[0], QStringLiteral("b"), true);
            Type(e.w.txtUserCoef[4], QStringLiteral("2;3"));
            if (way == std::string_view("Cancel"))
                QTest::mouseClick(e.w.cmdCancel, Qt::LeftButton);
            else if (way == std::string_view("Esc"))
                QTest::keyClick(e.w.txtUserCoef[4], Qt::Key_Escape);
            else
                e.w.close();

            QVERIFY2(!e.w.isVisible(), way);
            QCOMPARE(e.h.onTop.pnFrmUserOpen, ui::kFalse);
            QCOMPARE(e.h.groupsChanged, 0);
            QVERIFY(e.h.tables().UserGrpName == tables.UserGrpName
                && e.h.tables().UserUnitName == tables.UserUnitName);
            QVERIFY(e.h.tables().UserCoefText == tables.UserCoefText
                && e.h.tables().UserOffsetText == tables.UserOffsetText);
            e.w.load(); // the next opening starts from the tables
            QCOMPARE(e.w.txtUserUnit[0]->text(), QStringLiteral("a"));
        }
    }

    void unstorableTextRefused()
    {
        for (int box = 0; box < 2; ++box) {
            Editor e([](Harness &h) {
                h.user.UserGrpName[0] = "Alpha";
                // Not = "a": g++ 12 at -O3 warns falsely about it (-Wrestrict, GCC bug 105651).
                h.user.UserUnitName[0][1].assign(1, 'a');
            });
            QLineEdit *edit = box == 0 ? e.w.txtUserUnit[1] : e.w.cboUserGroups->lineEdit();
            const QColor normal = ui::Base(edit);
            Type(edit, QString::fromUtf8("caf\u00e9s"), true); // é is in the file's code page, Ω is not
            QCOMPARE(ui::Base(edit), normal);
            Type(edit, QString::fromUtf8("\u03a9"));
            QCOMPARE(ui::Base(edit), kYellow);
            QTest::mouseClick(e.w.cmdSave, Qt::LeftButton); // what the file gets
            QCOMPARE(e.h.tables().UserGrpName[0], std::string(box == 1 ? "caf\xc3\xa9s" : "Alpha"));
            QCOMPARE(e.h.tables().UserUnitName[0][1], std::string(box == 0 ? "caf\xc3\xa9s" : "a"));
        }
    }
};

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
