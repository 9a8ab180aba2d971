#include "CalcErrors.h"
#include "DisplayFormat.h"
#include "NumberText.h"
#include "Regional.h"

#include <QTest>
#include <cmath>
#include <limits>

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Regional::setLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void currencyTextRoundsHalfAwayAtTwoDecimalsOrTenDigits_data();
    void currencyTextRoundsHalfAwayAtTwoDecimalsOrTenDigits();
    void percentTextRoundsHalfAwayAtThreeDecimalsOrFiveDigits_data();
    void percentTextRoundsHalfAwayAtThreeDecimalsOrFiveDigits();
    void formatsFollowTheRegionalSettings_data();
    void formatsFollowTheRegionalSettings();
    void theCLocaleFallsBackToUnitedStatesConventions();
    void generalFormKeepsFifteenDigits_data();
    void generalFormKeepsFifteenDigits();
    void floatTextIsReadOrRefused_data();
    void floatTextIsReadOrRefused();
    void integerTextIsReadOrRefused_data();
    void integerTextIsReadOrRefused();
    void aMegabyteOfDigitsReadsAsAFiniteValueOrFails();
};

void NumberTextTest::currencyTextRoundsHalfAwayAtTwoDecimalsOrTenDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "$0.00";
    QTest::newRow("grouped") << 100000.0 << "$100,000.00";
    QTest::newRow("exact tie goes up") << 0.125 << "$0.13";
    QTest::newRow("exact negative tie goes away from zero") << -0.125 << "($0.13)";
    QTest::newRow("binary value below the tie goes down") << 1.005 << "$1.00";
    QTest::newRow("tenth digit limits the decimals") << 123456789.125 << "$123,456,789.10";
    QTest::newRow("ten integer digits") << 9999999999.0 << "$9,999,999,999.00";
    QTest::newRow("rounding up to eleven digits") << 9999999999.6 << "1E10";
    QTest::newRow("eleven digits go scientific") << 12345678901.0 << "1.23456789E10";
    QTest::newRow("negative scientific") << -1.5e20 << "-1.5E20";
    QTest::newRow("tiny rounds to zero") << 0.004 << "$0.00";
    QTest::newRow("negative rounding to zero loses its sign") << -0.004 << "$0.00";
    QTest::newRow("half a cent rounds up") << 0.005 << "$0.01";
}

void NumberTextTest::currencyTextRoundsHalfAwayAtTwoDecimalsOrTenDigits()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(DisplayFormat::currency(value), text);
}

void NumberTextTest::percentTextRoundsHalfAwayAtThreeDecimalsOrFiveDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("note rate") << 8.75 << " 8.750%";
    QTest::newRow("rounded down") << 9.29645 << " 9.296%";
    QTest::newRow("small value") << 0.0884 << " 0.088%";
    QTest::newRow("fifth digit limits the decimals") << 123.4567 << " 123.460%";
    QTest::newRow("exact tie goes up") << 0.0625 << " 0.063%";
    QTest::newRow("exact negative tie goes away from zero") << -0.0625 << " -0.063%";
    QTest::newRow("zero") << 0.0 << " 0.000%";
    QTest::newRow("five integer digits") << 12345.4 << " 12345.000%";
    QTest::newRow("six integer digits go scientific") << 123456.7 << " 1.2346E5%";
    QTest::newRow("rounding up to six digits") << 99999.6 << " 1E5%";
    QTest::newRow("huge") << 1.25e30 << " 1.25E30%";
}

void NumberTextTest::percentTextRoundsHalfAwayAtThreeDecimalsOrFiveDigits()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(DisplayFormat::percent(value), text);
}

void NumberTextTest::formatsFollowTheRegionalSettings_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("general");
    QTest::newRow("German") << "de_DE" << QString::fromUtf8("1.234.567,89\u00a0€") << " 8,750%" << "2,5";
    QTest::newRow("British") << "en_GB" << QString::fromUtf8("£1,234,567.89") << " 8.750%" << "2.5";
    QTest::newRow("Swiss") << "de_CH" << QString::fromUtf8("1’234’567.89\u00a0CHF") << " 8.750%" << "2.5";
}

void NumberTextTest::formatsFollowTheRegionalSettings()
{
    QFETCH(QString, locale);
    QFETCH(QString, currency);
    QFETCH(QString, percent);
    QFETCH(QString, general);
    Regional::setLocale(QLocale(locale));
    QCOMPARE(DisplayFormat::currency(1234567.891), currency);
    QCOMPARE(DisplayFormat::percent(8.75), percent);
    QCOMPARE(NumberText::general(2.5, 15, Regional::decimalSeparator()), general);
    QCOMPARE(NumberText::strToFloat(general, Regional::decimalSeparator()), 2.5);
}

void NumberTextTest::theCLocaleFallsBackToUnitedStatesConventions()
{
    Regional::setLocale(QLocale::c());
    QCOMPARE(DisplayFormat::currency(100000), QStringLiteral("$100,000.00"));
}

void NumberTextTest::generalFormKeepsFifteenDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 100000.0 << "100000";
    QTest::newRow("fraction") << 100000.5 << "100000.5";
    QTest::newRow("rate") << 8.75 << "8.75";
    QTest::newRow("thirty years from payments") << 360 * (1.0 / 12.0) << "30";
    QTest::newRow("thirteen payments") << 13 * (1.0 / 12.0) << "1.08333333333333";
    QTest::newRow("smallest fixed") << 0.0001 << "0.0001";
    QTest::newRow("below goes scientific") << 0.00001 << "1E-5";
    QTest::newRow("largest fixed") << 999999999999999.0 << "999999999999999";
    QTest::newRow("1e15 goes scientific") << 1e15 << "1E15";
    QTest::newRow("negative") << -5.0 << "-5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("not a number stays unreadable") << std::nan("") << "NAN";
    QTest::newRow("infinity stays unreadable") << -std::numeric_limits<double>::infinity() << "-INF";
}

void NumberTextTest::generalFormKeepsFifteenDigits()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText::general(value, 15, QLatin1Char('.')), text);
}

void NumberTextTest::floatTextIsReadOrRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "100000.00" << true << 100000.0;
    QTest::newRow("leading zero") << "05.00" << true << 5.0;
    QTest::newRow("signed") << "-0.50" << true << -0.5;
    QTest::newRow("exponent") << "1.5E3" << true << 1500.0;
    QTest::newRow("blanks around") << "  7 " << true << 7.0;
    QTest::newRow("underflow is zero") << "1e-400" << true << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("grouping") << "1,234.56" << false << 0.0;
    QTest::newRow("lone separator") << "." << false << 0.0;
    QTest::newRow("lone sign") << "-" << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << false << 0.0;
    QTest::newRow("infinity is no number") << "inf" << false << 0.0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0.0;
    QTest::newRow("beyond the double range") << "1e400" << false << 0.0;
}

void NumberTextTest::floatTextIsReadOrRefused()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    if (valid) {
        QCOMPARE(NumberText::strToFloat(text, QLatin1Char('.')), value);
        return;
    }
    try {
        NumberText::strToFloat(text, QLatin1Char('.'));
        QFAIL("text was read as a number");
    } catch (const EConvertError& e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

void NumberTextTest::integerTextIsReadOrRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("value");
    QTest::newRow("thirty") << "30" << true << qint64(30);
    QTest::newRow("negative") << "-5" << true << qint64(-5);
    QTest::newRow("largest") << "2147483647" << true << qint64(2147483647);
    QTest::newRow("smallest") << "-2147483648" << true << qint64(-2147483648LL);
    QTest::newRow("beyond 32 bits") << "2147483648" << false << qint64(0);
    QTest::newRow("fraction") << "2.5" << false << qint64(0);
    QTest::newRow("scientific") << "1E20" << false << qint64(0);
    QTest::newRow("empty") << "" << false << qint64(0);
}

void NumberTextTest::integerTextIsReadOrRefused()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, value);
    if (valid) {
        QCOMPARE(NumberText::strToInt(text), value);
        return;
    }
    try {
        NumberText::strToInt(text);
        QFAIL("text was read as an integer");
    } catch (const EConvertError& e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void NumberTextTest::aMegabyteOfDigitsReadsAsAFiniteValueOrFails()
{
    const QString digits(1 << 20, QLatin1Char('9'));
    QVERIFY_THROWS_EXCEPTION(EConvertError, NumberText::strToFloat(digits, QLatin1Char('.')));
    const QString fraction = QStringLiteral("0.") + digits;
    QCOMPARE(NumberText::strToFloat(fraction, QLatin1Char('.')), 1.0);
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "tst_number_text.moc"
