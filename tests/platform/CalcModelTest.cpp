#include "companion/CalcModel.h"

#include <QTest>

using companion::CalcModel;

namespace {

// Plays keys on a model: digits, '.', "+-*/", '=', 'C', and "[text]" for text that arrives whole.
QString play(const QString &keys)
{
    CalcModel m;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys.at(i);
        if (c == QLatin1Char('[')) {
            const qsizetype end = keys.indexOf(QLatin1Char(']'), i);
            m.enter(keys.mid(i + 1, end - i - 1));
            i = end;
        } else if (c.isDigit()) {
            m.digit(c.digitValue());
        } else if (c == QLatin1Char('.')) {
            m.point();
        } else if (c == QLatin1Char('+')) {
            m.operation(CalcModel::Op::Add);
        } else if (c == QLatin1Char('-')) {
            m.operation(CalcModel::Op::Subtract);
        } else if (c == QLatin1Char('*')) {
            m.operation(CalcModel::Op::Multiply);
        } else if (c == QLatin1Char('/')) {
            m.operation(CalcModel::Op::Divide);
        } else if (c == QLatin1Char('=')) {
            m.equals();
        } else if (c == QLatin1Char('C')) {
            m.clear();
        }
    }
    return m.display();
}

void keyRow(const char *name, const char *keys, const char *display)
{
    QTest::newRow(name) << QString::fromUtf8(keys) << QString::fromUtf8(display);
}

void parseRow(const char *name, const char *text, bool valid, double value)
{
    QTest::newRow(name) << QString::fromUtf8(text) << valid << value;
}

} // namespace

class CalcModelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void keys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        keyRow("digits append", "123", "123");
        keyRow("leading zeros dropped", "007", "7");
        keyRow("second point ignored", "1.2.3", "1.23");
        keyRow("point first gets a zero", ".5", "0.5");
        keyRow("digits capped", "1234567890123456789", "123456789012345");
        keyRow("add", "12+30=", "42");
        keyRow("chained left to right", "2+3*4=", "20");
        keyRow("below zero", "3-5=", "-2");
        keyRow("divide", "1/4=", "0.25");
        keyRow("operator replaced", "6+*2=", "12");
        keyRow("binary noise hidden", ".1+.2=", "0.3");
        keyRow("equals alone keeps the number", "5=", "5");
        keyRow("result used by the next operation", "2+3=*4=", "20");
        keyRow("digit after result starts anew", "2+3=7", "7");
        keyRow("subtraction giving zero is not negative", "2-2=", "0");
        keyRow("large result in exponent form", "99999999*99999999=", "9.9999998E+15");
        keyRow("divide by zero", "1/0=", "Error");
        keyRow("error ignores operations", "1/0=+2=", "2");
        keyRow("digit after error starts anew", "1/0=7", "7");
        keyRow("clear drops the pending operation", "12+C4=", "4");
        keyRow("poke shown as it came", "[212.000]", "212.000");
        keyRow("poked exponent shown as it came", "[2.99792E+08]", "2.99792E+08");
        keyRow("poked negative zero shown", "[-0]", "-0");
        keyRow("poked plain value computes", "[1609.34]+1=", "1610.34");
        keyRow("poked exponent computes", "[2.99792E+08]*2=", "599584000");
        keyRow("poked negative zero computes", "[-0]-0=", "0");
        keyRow("poke is the pending operand", "5+[3]=", "8");
        keyRow("digit after poke starts anew", "[212.000]5", "5");
        keyRow("poked error shown", "[Input error]", "Input error");
        keyRow("poked error ignores operations", "[Input error]+=", "Input error");
        keyRow("digits replace a poked error", "[Input error]3+4=", "7");
        keyRow("empty poke", "[]", "");
        keyRow("overflow", "[1E+200]*[1E+200]=", "Error");
    }

    void keys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        QCOMPARE(play(keys), display);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        parseRow("plain", "1609.34", true, 1609.34);
        parseRow("trailing zeros", "212.000", true, 212.0);
        parseRow("negative zero", "-0", true, 0.0);
        parseRow("exponent", "2.99792E+08", true, 299792000.0);
        parseRow("zero exponent", "0.00000E+00", true, 0.0);
        parseRow("small exponent", "1.5E-07", true, 1.5e-7);
        parseRow("blanks around", " 12 ", true, 12.0);
        parseRow("leading plus", "+5", true, 5.0);
        parseRow("error text", "Input error", false, 0.0);
        parseRow("empty", "", false, 0.0);
        parseRow("junk after number", "1e5x", false, 0.0);
        parseRow("comma decimal", "1,5", false, 0.0);
        parseRow("infinity", "inf", false, 0.0);
        parseRow("not a number", "nan", false, 0.0);
        parseRow("beyond double", "1E+999", false, 0.0);
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const auto parsed = CalcModel::parse(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, value);
    }
};

QTEST_APPLESS_MAIN(CalcModelTest)
#include "CalcModelTest.moc"
