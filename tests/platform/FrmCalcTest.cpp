#include "companion/frmCalc.h"

#include "platform/fake/FakePlatform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using companion::frmCalc;

class FrmCalcTest : public QObject
{
    Q_OBJECT

private:
    static void click(frmCalc &w, const char *name)
    {
        auto *key = w.findChild<QPushButton *>(QString::fromLatin1(name));
        QVERIFY2(key, name);
        QTest::mouseClick(key, Qt::LeftButton);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void buttonsCompute()
    {
        platform::fake::FakeClipboard clipboard;
        frmCalc w(clipboard);
        for (const char *name :
            { "cmdDigit1", "cmdDigit2", "cmdPoint", "cmdDigit5", "cmdMultiply", "cmdDigit4" })
            click(w, name);
        QCOMPARE(w.txtInput->text(), QStringLiteral("4"));
        click(w, "cmdEquals");
        QCOMPARE(w.txtInput->text(), QStringLiteral("50"));
        click(w, "cmdDivide");
        click(w, "cmdDigit0");
        click(w, "cmdEquals");
        QCOMPARE(w.txtInput->text(), QStringLiteral("Error"));
        click(w, "cmdClear");
        QCOMPARE(w.txtInput->text(), QStringLiteral("0"));
    }

    void typedKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("display");
        QTest::newRow("sum") << QStringLiteral("12+3") << QStringLiteral("15");
        QTest::newRow("leading minus is a sign") << QStringLiteral("-5*2") << QStringLiteral("-10");
        QTest::newRow("minus after a number subtracts") << QStringLiteral("9-4") << QStringLiteral("5");
        QTest::newRow("divide") << QStringLiteral("7/2") << QStringLiteral("3.5");
    }

    void typedKeys()
    {
        QFETCH(QString, typed);
        QFETCH(QString, display);
        platform::fake::FakeClipboard clipboard;
        frmCalc w(clipboard);
        w.show();
        w.txtInput->clear();
        QTest::keyClicks(w.txtInput, typed);
        QTest::keyClick(w.txtInput, Qt::Key_Return);
        QCOMPARE(w.txtInput->text(), display);
        QTest::keyClick(w.txtInput, Qt::Key_Escape);
        QCOMPARE(w.txtInput->text(), QStringLiteral("0"));
    }

    void pokeGoesToTheInputBoxOnly()
    {
        platform::fake::FakeClipboard clipboard;
        frmCalc w(clipboard);
        QVERIFY(w.poke(QStringLiteral("txtInput"), QStringLiteral("2.99792E+08")));
        QCOMPARE(w.txtInput->text(), QStringLiteral("2.99792E+08"));
        QVERIFY(!w.poke(QStringLiteral("txtOutput"), QStringLiteral("1")));
        QCOMPARE(w.itemText(QStringLiteral("txtInput")), QStringLiteral("2.99792E+08"));
        QCOMPARE(w.itemText(QStringLiteral("txtOutput")), QString());
        click(w, "cmdAdd");
        click(w, "cmdDigit1");
        click(w, "cmdEquals");
        QCOMPARE(w.txtInput->text(), QStringLiteral("299792001"));
    }

    void copyPutsTheDisplayOnTheClipboard()
    {
        platform::fake::FakeClipboard clipboard;
        clipboard.setText(QStringLiteral("old"));
        frmCalc w(clipboard);
        w.poke(QStringLiteral("txtInput"), QStringLiteral("Input error"));
        click(w, "cmdCopy");
        QCOMPARE(clipboard.clears, 1);
        QCOMPARE(clipboard.text(), QStringLiteral("Input error"));
    }
};

QTEST_MAIN(FrmCalcTest)
#include "FrmCalcTest.moc"
