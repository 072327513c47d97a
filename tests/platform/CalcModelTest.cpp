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
        QTest::newRow("starts at zero") << ""
                                        << "0";
        QTest::newRow("digits append") << "123"
                                       << "123";
        QTest::newRow("leading zeros dropped") << "007"
                                               << "7";
        QTest::newRow("second point ignored") << "1.2.3"
                                              << "1.23";
        QTest::newRow("point first gets a zero") << ".5"
                                                 << "0.5";
        QTest::newRow("digits capped") << "1234567890123456789"
                                       << "123456789012345";
        QTest::newRow("add") << "12+30="
                             << "42";
        QTest::newRow("chained left to right") << "2+3*4="
                                               << "20";
        QTest::newRow("below zero") << "3-5="
                                    << "-2";
        QTest::newRow("divide") << "1/4="
                                << "0.25";
        QTest::newRow("operator replaced") << "6+*2="
                                           << "12";
        QTest::newRow("binary noise hidden") << ".1+.2="
                                             << "0.3";
        QTest::newRow("equals alone keeps the number") << "5="
                                                       << "5";
        QTest::newRow("second equals keeps the result") << "2+3=="
                                                        << "5";
        QTest::newRow("result used by the next operation") << "2+3=*4="
                                                           << "20";
        QTest::newRow("digit after result starts anew") << "2+3=7"
                                                        << "7";
        QTest::newRow("subtraction giving zero is not negative") << "2-2="
                                                                 << "0";
        QTest::newRow("large result in exponent form") << "99999999*99999999="
                                                       << "9.9999998E+15";
        QTest::newRow("divide by zero") << "1/0="
                                        << "Error";
        QTest::newRow("error ignores operations") << "1/0=+2="
                                                  << "2";
        QTest::newRow("digit after error starts anew") << "1/0=7"
                                                       << "7";
        QTest::newRow("clear drops the pending operation") << "12+C4="
                                                           << "4";
        QTest::newRow("clear shows zero") << "12+3C"
                                          << "0";
        QTest::newRow("poke shown as it came") << "[212.000]"
                                               << "212.000";
        QTest::newRow("poked exponent shown as it came") << "[2.99792E+08]"
                                                         << "2.99792E+08";
        QTest::newRow("poked negative zero shown") << "[-0]"
                                                   << "-0";
        QTest::newRow("poked plain value computes") << "[1609.34]+1="
                                                    << "1610.34";
        QTest::newRow("poked exponent computes") << "[2.99792E+08]*2="
                                                 << "599584000";
        QTest::newRow("poked zero exponent computes") << "[0.00000E+00]+1="
                                                      << "1";
        QTest::newRow("poked negative zero computes") << "[-0]-0="
                                                      << "0";
        QTest::newRow("poke is the pending operand") << "5+[3]="
                                                     << "8";
        QTest::newRow("digit after poke starts anew") << "[212.000]5"
                                                      << "5";
        QTest::newRow("poked error shown") << "[Input error]"
                                           << "Input error";
        QTest::newRow("poked error ignores operations") << "[Input error]+="
                                                        << "Input error";
        QTest::newRow("digits replace a poked error") << "[Input error]3+4="
                                                      << "7";
        QTest::newRow("empty poke") << "[]"
                                    << "";
        QTest::newRow("overflow") << "[1E+200]*[1E+200]="
                                  << "Error";
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
        QTest::newRow("plain") << "1609.34" << true << 1609.34;
        QTest::newRow("trailing zeros") << "212.000" << true << 212.0;
        QTest::newRow("negative zero") << "-0" << true << 0.0;
        QTest::newRow("exponent") << "2.99792E+08" << true << 299792000.0;
        QTest::newRow("zero exponent") << "0.00000E+00" << true << 0.0;
        QTest::newRow("small exponent") << "1.5E-07" << true << 1.5e-7;
        QTest::newRow("blanks around") << " 12 " << true << 12.0;
        QTest::newRow("leading plus") << "+5" << true << 5.0;
        QTest::newRow("typed point last") << "12." << true << 12.0;
        QTest::newRow("error text") << "Input error" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("junk after number") << "1e5x" << false << 0.0;
        QTest::newRow("comma decimal") << "1,5" << false << 0.0;
        QTest::newRow("hex prefix") << "0x10" << false << 0.0;
        QTest::newRow("infinity") << "inf" << false << 0.0;
        QTest::newRow("not a number") << "nan" << false << 0.0;
        QTest::newRow("beyond double") << "1E+999" << false << 0.0;
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
