#include "CalcErrors.h"
#include "NumericEditModel.h"

#include <QtTest>

// The numeric field's value in its text: formatting, parsing and the decimals that shape it.
class NumericEditFormatTest : public QObject {
    Q_OBJECT

private slots:
    void formattingRoundsHalvesAwayFromZero_data();
    void formattingRoundsHalvesAwayFromZero();
    void changingDecimalsClampsAndReformats_data();
    void changingDecimalsClampsAndReformats();
    void readingTheValueParsesTheText_data();
    void readingTheValueParsesTheText();
    void textThatIsNotANumberRaisesTheConversionError_data();
    void textThatIsNotANumberRaisesTheConversionError();
    void hugeIntegerPartsReadAsAValueOrRaiseButNeverAsInfinity();
    void changingDecimalsOfTextThatIsNotANumberRaises();
    void writingInfinityOrNaNRaisesTheMathError();
    void aNewModelHoldsZeroWithTwoDecimals();
};

void NumericEditFormatTest::formattingRoundsHalvesAwayFromZero_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("expected");
    const QChar point('.');
    QTest::newRow("loan") << 100000.0 << 2 << point << "100000.00";
    QTest::newRow("rate") << 8.755 << 3 << point << "8.755";
    QTest::newRow("term") << 30.0 << 0 << point << "30";
    QTest::newRow("zero") << 0.0 << 2 << point << "0.00";
    QTest::newRow("negative zero") << -0.0 << 2 << point << "0.00";
    QTest::newRow("half up") << 2.5 << 0 << point << "3";
    QTest::newRow("negative half away") << -2.5 << 0 << point << "-3";
    QTest::newRow("exact binary half") << 0.125 << 2 << point << "0.13";
    QTest::newRow("1.005 lies below the half") << 1.005 << 2 << point << "1.00";
    QTest::newRow("-0.005 lies beyond the half") << -0.005 << 2 << point << "-0.01";
    QTest::newRow("negative rounding to zero") << -0.004 << 2 << point << "0.00";
    QTest::newRow("no grouping") << 1234567.5 << 1 << point << "1234567.5";
    QTest::newRow("1e20") << 1e20 << 2 << point << "100000000000000000000.00";
    QTest::newRow("comma separator") << 1234.5 << 2 << QChar(',') << "1234,50";
    QTest::newRow("nine places") << 0.5 << 9 << point << "0.500000000";
}

void NumericEditFormatTest::formattingRoundsHalvesAwayFromZero()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QChar, separator);
    QTEST(NumericEditModel::format(value, decimals, separator), "expected");
}

void NumericEditFormatTest::changingDecimalsClampsAndReformats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("newDecimals");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedDecimals");
    QTest::newRow("2 to 3") << "8.75" << 2 << 3 << "8.750" << 3;
    QTest::newRow("2 to 0") << "0.00" << 2 << 0 << "0" << 0;
    QTest::newRow("12 becomes 9") << "0.00" << 2 << 12 << "0.000000000" << 9;
    QTest::newRow("-3 becomes 0") << "0.00" << 2 << -3 << "0" << 0;
    QTest::newRow("unchanged still reformats") << "05.00" << 2 << 2 << "5.00" << 2;
    QTest::newRow("negative zero loses its sign") << "-0.00" << 2 << 2 << "0.00" << 2;
    QTest::newRow("1 to 0 rounds half away") << "2.5" << 1 << 0 << "3" << 0;
}

void NumericEditFormatTest::changingDecimalsClampsAndReformats()
{
    QFETCH(QString, text);
    QFETCH(int, decimals);
    QFETCH(int, newDecimals);
    NumericEditModel model(decimals);
    model.setText(text);
    model.setDecimals(newDecimals);
    QTEST(model.text(), "expected");
    QTEST(model.decimals(), "expectedDecimals");
}

void NumericEditFormatTest::readingTheValueParsesTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("expected");
    QTest::newRow("leading 0") << "05.00" << QChar('.') << 5.0;
    QTest::newRow("negative zero") << "-0.00" << QChar('.') << 0.0;
    QTest::newRow("decimals") << "1234.56" << QChar('.') << 1234.56;
    QTest::newRow("comma") << "1234,56" << QChar(',') << 1234.56;
    QTest::newRow("no decimals") << "-30" << QChar('.') << -30.0;
}

void NumericEditFormatTest::readingTheValueParsesTheText()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    NumericEditModel model(2, separator);
    model.setText(text);
    QTEST(model.value(), "expected");
}

void NumericEditFormatTest::textThatIsNotANumberRaisesTheConversionError_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("minus alone") << "-";
    QTest::newRow("other separator") << "1,5";
    QTest::newRow("two separators") << "1.5.0";
}

void NumericEditFormatTest::textThatIsNotANumberRaisesTheConversionError()
{
    QFETCH(QString, text);
    NumericEditModel model;
    model.setText(text);
    try {
        model.value();
        QFAIL("no conversion error");
    } catch (const EConvertError& error) {
        QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

void NumericEditFormatTest::hugeIntegerPartsReadAsAValueOrRaiseButNeverAsInfinity()
{
    NumericEditModel model;
    model.paste(QStringLiteral("1") + QString(300, QLatin1Char('0')));
    QCOMPARE(model.text(), QStringLiteral("1") + QString(300, QLatin1Char('0')) + QStringLiteral(".00"));
    QCOMPARE(model.value(), 1e300);
    model.paste(QString(100, QLatin1Char('9')));
    QVERIFY_THROWS_EXCEPTION(EConvertError, model.value());
}

void NumericEditFormatTest::changingDecimalsOfTextThatIsNotANumberRaises()
{
    NumericEditModel model;
    model.setText(QStringLiteral("abc"));
    QVERIFY_THROWS_EXCEPTION(EConvertError, model.setDecimals(3));
    QCOMPARE(model.text(), QStringLiteral("abc"));
    // The count the text was shaped for stays, so text and decimals never disagree.
    QCOMPARE(model.decimals(), 2);
}

void NumericEditFormatTest::writingInfinityOrNaNRaisesTheMathError()
{
    NumericEditModel model;
    model.setValue(12.5);
    QVERIFY_THROWS_EXCEPTION(EMathError, model.setValue(qInf()));
    QVERIFY_THROWS_EXCEPTION(EMathError, model.setValue(-qInf()));
    QVERIFY_THROWS_EXCEPTION(EMathError, model.setValue(qQNaN()));
    QCOMPARE(model.text(), QStringLiteral("12.50"));
}

void NumericEditFormatTest::aNewModelHoldsZeroWithTwoDecimals()
{
    NumericEditModel model;
    QCOMPARE(model.text(), QStringLiteral("0.00"));
    QCOMPARE(model.value(), 0.0);
    QCOMPARE(model.decimals(), 2);
}

QTEST_GUILESS_MAIN(NumericEditFormatTest)
#include "NumericEditFormatTest.moc"
