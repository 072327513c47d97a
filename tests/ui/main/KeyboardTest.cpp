// The key table: letter commands by focus, the menu shortcuts over the text boxes, Enter and key
// releases converting.
#include "MainHarness.h"
#include "ui/main/CommandLabel.h"

#include <QLocale>
#include <QSignalSpy>

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void keyTable_data();
    void keyTable();
    void enterAndReleaseConvert_data();
    void enterAndReleaseConvert();
};

static QWidget *focusTarget(MainHarness &h, const QString &name)
{
    if (name == QStringLiteral("window"))
        return h.w.get();
    return h.w->findChild<QWidget *>(name);
}

void KeyboardTest::keyTable_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("copies"); // results put on the clipboard
    QTest::addColumn<int>("history");
    QTest::addColumn<QString>("input"); // the input box afterwards; it held "2", the clipboard "7"
    QTest::addColumn<int>("calculators");
    QTest::addColumn<bool>("outOfView");
    QTest::addColumn<bool>("ended");

    const int C = Qt::Key_C, P = Qt::Key_P, A = Qt::Key_A, M = Qt::Key_M, X = Qt::Key_X;
    const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
    QTest::newRow("C in From list copies with history")
        << "lstConvFrom" << C << none << 1 << 1 << "2" << 0 << false << false;
    QTest::newRow("C in Into list copies with history")
        << "lstConvInto" << C << none << 1 << 1 << "2" << 0 << false << false;
    QTest::newRow("C in input box types") << "txtInput" << C << none << 0 << 0 << "2c" << 0 << false << false;
    QTest::newRow("P in result box pastes nothing")
        << "txtResult" << P << none << 0 << 0 << "2" << 0 << false << false;
    QTest::newRow("P in From list pastes")
        << "lstConvFrom" << P << none << 0 << 0 << "7" << 0 << false << false;
    QTest::newRow("P on the Paste label") << "lblPaste" << P << none << 0 << 0 << "7" << 0 << false << false;
    QTest::newRow("C on the Calculator label copies")
        << "lblCal" << C << none << 1 << 1 << "2" << 0 << false << false;
    QTest::newRow("C with no control focused")
        << "window" << C << none << 1 << 1 << "2" << 0 << false << false;
    QTest::newRow("A in Into list starts one calculator")
        << "lstConvInto" << A << none << 0 << 0 << "2" << 1 << false << false;
    QTest::newRow("A in input box types") << "txtInput" << A << none << 0 << 0 << "2a" << 0 << false << false;
    QTest::newRow("M on the Copy label minimises")
        << "lblCopy" << M << none << 0 << 0 << "2" << 0 << true << false;
    QTest::newRow("M in input box types") << "txtInput" << M << none << 0 << 0 << "2m" << 0 << false << false;
    QTest::newRow("Ctrl+C in input box copies without history")
        << "txtInput" << C << ctrl << 1 << 0 << "2" << 0 << false << false;
    QTest::newRow("Ctrl+C in From list copies without history")
        << "lstConvFrom" << C << ctrl << 1 << 0 << "2" << 0 << false << false;
    QTest::newRow("Ctrl+C in result box copies without history")
        << "txtResult" << C << ctrl << 1 << 0 << "2" << 0 << false << false;
    QTest::newRow("Ctrl+P in input box pastes")
        << "txtInput" << P << ctrl << 0 << 0 << "7" << 0 << false << false;
    QTest::newRow("Ctrl+X in input box exits")
        << "txtInput" << X << ctrl << 0 << 0 << "2" << 0 << true << true;
    QTest::newRow("Ctrl+X in Into list exits")
        << "lstConvInto" << X << ctrl << 0 << 0 << "2" << 0 << true << true;
    QTest::newRow("Alt+C on the Copy label does nothing")
        << "lblCopy" << C << alt << 0 << 0 << "2" << 0 << false << false;
    QTest::newRow("Alt+P in From list does nothing")
        << "lstConvFrom" << P << alt << 0 << 0 << "2" << 0 << false << false;
    QTest::newRow("Ctrl+M does nothing while its item is hidden")
        << "lstConvFrom" << M << ctrl << 0 << 0 << "2" << 0 << false << false;
}

void KeyboardTest::keyTable()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, copies);
    QFETCH(int, history);
    QFETCH(QString, input);
    QFETCH(int, calculators);
    QFETCH(bool, outOfView);
    QFETCH(bool, ended);
    MainHarness h;
    ui::frmConvert &w = h.startMileIntoMetre(QStringLiteral("2"));
    const QString result = h.c().txtResult->text();
    h.fake.clipboard.setText(QStringLiteral("7"));
    h.fake.clipboard.sets = 0;
    QSignalSpy endings(&w, &ui::frmConvert::ended);

    QWidget *target = focusTarget(h, focus);
    QVERIFY(target);
    if (target == &w) {
        if (QWidget *f = w.focusWidget())
            f->clearFocus();
        QVERIFY(!w.focusWidget());
    } else {
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);
    }
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(h.fake.clipboard.sets, copies);
    QCOMPARE(h.w->nHistCount, std::int16_t(history));
    if (copies > 0) // the result as it stood when the key was pressed
        QCOMPARE(h.fake.clipboard.text(), result);
    if (history > 0)
        QCOMPARE(h.m().historyArray[0]->text(), QStringLiteral("2 mi: mile = %1 m: meter").arg(result));
    QCOMPARE(h.c().txtInput->text(), input);
    QCOMPARE(int(h.fake.process.started.size()), calculators);
    QCOMPARE(!w.isVisible(), outOfView);
    QCOMPARE(endings.count(), ended ? 1 : 0);
    QVERIFY(h.fake.messages.shown.isEmpty());
}

void KeyboardTest::enterAndReleaseConvert_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("pressConverts");
    QTest::addColumn<bool>("releaseConverts");
    QTest::newRow("Enter in input box") << "txtInput" << int(Qt::Key_Return) << true << false;
    QTest::newRow("keypad Enter in input box") << "txtInput" << int(Qt::Key_Enter) << true << false;
    QTest::newRow("Enter in From list") << "lstConvFrom" << int(Qt::Key_Return) << true << true;
    QTest::newRow("Enter in Into list waits for the release")
        << "lstConvInto" << int(Qt::Key_Return) << false << true;
    QTest::newRow("Shift released in Into list") << "lstConvInto" << int(Qt::Key_Shift) << false << true;
    QTest::newRow("Shift released in From list") << "lstConvFrom" << int(Qt::Key_Shift) << false << true;
    QTest::newRow("Enter on a label") << "lblCopy" << int(Qt::Key_Return) << false << false;
}

// The window shows 2 miles at six figures; the figures are changed behind its back before each
// half of the key, so a conversion shows in the result.
void KeyboardTest::enterAndReleaseConvert()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, pressConverts);
    QFETCH(bool, releaseConverts);
    MainHarness h;
    h.startMileIntoMetre(QStringLiteral("2"));
    QWidget *target = focusTarget(h, focus);
    target->setFocus();
    QCOMPARE(h.c().txtResult->text(), QStringLiteral("3218.69"));

    h.w->settings().pnFigure = 4;
    QTest::keyPress(target, Qt::Key(key));
    const QString afterPress = pressConverts ? QStringLiteral("3219") : QStringLiteral("3218.69");
    QCOMPARE(h.c().txtResult->text(), afterPress);
    h.w->settings().pnFigure = 8;
    QTest::keyRelease(target, Qt::Key(key));
    QCOMPARE(h.c().txtResult->text(), releaseConverts ? QStringLiteral("3218.6880") : afterPress);
    // Enter is used up: nothing typed, no line break.
    QCOMPARE(h.c().txtInput->text(), QStringLiteral("2"));

    // Not ready to convert (no Into unit): a release leaves the result alone.
    if (qobject_cast<QListWidget *>(target)) {
        h.c().lstConvInto->clearSelection();
        h.c().txtResult->setText(QStringLiteral("kept"));
        QTest::keyRelease(target, Qt::Key_Shift);
        QCOMPARE(h.c().txtResult->text(), QStringLiteral("kept"));
    }
}

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
