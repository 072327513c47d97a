// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The companion calculator: its keys and poked text from tests/data/platform/calc_keys.txt, the poke
// into its box, and Copy.
#include "companion/frmCalc.h"
#include "platform/fake/FakePlatform.h"
#include "support/QtCaseTable.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using companion::frmCalc;

namespace {

void Click(frmCalc &w, const QString &name)
{
    auto *key = w.findChild<QPushButton *>(name);
    QVERIFY2(key, qPrintable(name));
    QTest::mouseClick(key, Qt::LeftButton);
}

// Presses the window's keys: digits, '.', "+-*/", '=', 'C', and "[text]" poked whole.
QString Play(const QString &keys)
{
    const QStringList names = QStringLiteral("cmdPoint cmdAdd cmdSubtract cmdMultiply cmdDivide "
                                             "cmdEquals cmdClear")
                                  .split(u' ');
    platform::fake::FakeClipboard clipboard;
    frmCalc w(clipboard);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys.at(i);
        if (c == u'[') {
            const qsizetype end = keys.indexOf(u']', i);
            w.poke(QStringLiteral("txtInput"), keys.mid(i + 1, end - i - 1));
            i = end;
        } else {
            const qsizetype op = QStringLiteral(".+-*/=C").indexOf(c);
            Click(w, op >= 0 ? names[op] : QStringLiteral("cmdDigit") + c);
        }
    }
    return w.txtInput->text();
}

} // namespace

class CalculatorTest : public QObject
{
    Q_OBJECT

private slots:
    void keys_data() { cases::AddRows("platform/calc_keys.txt"); }
    void keys()
    {
        QFETCH(cases::Row, f);
        QCOMPARE(Play(f["keys"]), f["display"]);
    }

    void pokeReachesTheInputBoxOnlyAndCopyTakesIt()
    {
        platform::fake::FakeClipboard clipboard;
        clipboard.setText(QStringLiteral("old"));
        frmCalc w(clipboard);
        QVERIFY(w.poke(QStringLiteral("txtInput"), QStringLiteral("Input error")));
        QVERIFY(!w.poke(QStringLiteral("txtOutput"), QStringLiteral("1")));
        QCOMPARE(w.itemText(QStringLiteral("txtInput")), QStringLiteral("Input error"));
        QCOMPARE(w.itemText(QStringLiteral("txtOutput")), QString());
        Click(w, QStringLiteral("cmdCopy"));
        QCOMPARE(clipboard.clears, 1);
        QCOMPARE(clipboard.text(), QStringLiteral("Input error"));

        // A poke longer than the box can hold keeps only what the box shows, in the box and behind it.
        const QString huge = QString(40000, QLatin1Char('7')) + QStringLiteral("tail");
        QVERIFY(w.poke(QStringLiteral("txtInput"), huge));
        QCOMPARE(w.itemText(QStringLiteral("txtInput")), huge.left(32767));
        QCOMPARE(w.model().display(), huge.left(32767));
    }
};

QTEST_MAIN(CalculatorTest)
#include "CalculatorTest.moc"
