#include "CalcErrors.h"
#include "Regional.h"
#include "Solvers.h"

#include <QTest>

class SolversTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Regional::setLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void paymentIsTheLevelPayment_data();
    void paymentIsTheLevelPayment();
    void paymentFaultsRaiseTheMathError_data();
    void paymentFaultsRaiseTheMathError();
    void aprFollowsTheCappedIteration_data();
    void aprFollowsTheCappedIteration();
    void aprFaultsRaiseTheMathError_data();
    void aprFaultsRaiseTheMathError();
    void aprOfAPartYearRaisesTheConversionError_data();
    void aprOfAPartYearRaisesTheConversionError();
    void negativeNoteRateYieldsARateNearZero();
};

void SolversTest::paymentIsTheLevelPayment_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("rate");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<double>("payment");
    QTest::newRow("30 years at 8.75%") << 100000.0 << 8.75 / 1200 << qint64(360) << 786.70;
    QTest::newRow("zero rate divides evenly") << 100000.0 << 0.0 << qint64(360) << 277.78;
    QTest::newRow("one payment repays amount and interest") << 1000.0 << 0.01 << qint64(1) << 1010.0;
}

void SolversTest::paymentIsTheLevelPayment()
{
    QFETCH(double, amount);
    QFETCH(double, rate);
    QFETCH(qint64, count);
    QFETCH(double, payment);
    QCOMPARE(qRound(CalcPayment(amount, rate, count) * 100) / 100.0, payment);
}

void SolversTest::paymentFaultsRaiseTheMathError_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<qint64>("count");
    QTest::newRow("no payments, zero rate") << 0.0 << qint64(0);
    QTest::newRow("no payments, positive rate") << 0.01 << qint64(0);
    QTest::newRow("rate of -100% a month") << -1.0 << qint64(360);
    QTest::newRow("rate below -100% a month") << -2.0 << qint64(360);
}

void SolversTest::paymentFaultsRaiseTheMathError()
{
    QFETCH(double, rate);
    QFETCH(qint64, count);
    QVERIFY_THROWS_EXCEPTION(EMathError, CalcPayment(100000.0, rate, count));
}

void SolversTest::aprFollowsTheCappedIteration_data()
{
    QTest::addColumn<double>("financed");
    QTest::addColumn<double>("rate");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<double>("apr");
    QTest::addColumn<int>("steps");
    QTest::newRow("no fees, 30 years") << 100000.0 << 8.75 << qint64(360) << 8.7502 << 6;
    QTest::newRow("1000 fees, 30 years") << 101000.0 << 8.75 << qint64(360) << 8.8602 << 6;
    QTest::newRow("one year stops at the cap") << 100000.0 << 8.75 << qint64(12) << 8.8241 << 99;
    QTest::newRow("one year with fees") << 101000.0 << 8.75 << qint64(12) << 10.6616 << 99;
    QTest::newRow("five years") << 100000.0 << 8.75 << qint64(60) << 8.7542 << 32;
    QTest::newRow("one year at 5%") << 100000.0 << 5.0 << qint64(12) << 5.3482 << 99;
    QTest::newRow("zero rate creeps toward 0") << 100000.0 << 0.0 << qint64(360) << 0.0884 << 73;
    QTest::newRow("zero rate with fees") << 101000.0 << 0.0 << qint64(360) << 0.1267 << 72;
}

void SolversTest::aprFollowsTheCappedIteration()
{
    QFETCH(double, financed);
    QFETCH(double, rate);
    QFETCH(qint64, count);
    QFETCH(double, apr);
    QFETCH(int, steps);
    const IRSolution solution = SolveAPR(financed, rate, 100000.0, count);
    QCOMPARE(qRound(solution.rate * 10000) / 10000.0, apr);
    QCOMPARE(solution.steps, steps);
    QCOMPARE(CalcAPR(financed, rate, 100000.0, count), solution.rate);
}

void SolversTest::aprFaultsRaiseTheMathError_data()
{
    QTest::addColumn<double>("financed");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("loan");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<int>("kind");
    QTest::newRow("loan of 0 with fees") << 1000.0 << 8.75 << 0.0 << qint64(360)
                                         << int(EMathError::Kind::ZeroDivide);
    QTest::newRow("loan of 0 without fees is 0/0") << 0.0 << 8.75 << 0.0 << qint64(360)
                                                   << int(EMathError::Kind::InvalidOp);
    QTest::newRow("negative term overflows") << 100000.0 << 8.75 << 100000.0 << qint64(-60)
                                             << int(EMathError::Kind::Overflow);
    QTest::newRow("rate of -1200%") << 100000.0 << -1200.0 << 100000.0 << qint64(360)
                                    << int(EMathError::Kind::InvalidOp);
}

void SolversTest::aprFaultsRaiseTheMathError()
{
    QFETCH(double, financed);
    QFETCH(double, rate);
    QFETCH(double, loan);
    QFETCH(qint64, count);
    QFETCH(int, kind);
    try {
        CalcAPR(financed, rate, loan, count);
        QFAIL("no math error raised");
    } catch (const EMathError& e) {
        QCOMPARE(int(e.kind()), kind);
    }
}

void SolversTest::aprOfAPartYearRaisesTheConversionError_data()
{
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QString>("message");
    QTest::newRow("30 payments") << qint64(30) << "'2.5' is not a valid integer value";
    QTest::newRow("13 payments") << qint64(13) << "'1.08333333333333' is not a valid integer value";
}

void SolversTest::aprOfAPartYearRaisesTheConversionError()
{
    QFETCH(qint64, count);
    QFETCH(QString, message);
    try {
        CalcAPR(100000.0, 8.75, 100000.0, count);
        QFAIL("no conversion error raised");
    } catch (const EConvertError& e) {
        QCOMPARE(e.message(), message);
    }
}

void SolversTest::negativeNoteRateYieldsARateNearZero()
{
    QVERIFY(std::fabs(CalcAPR(100000.0, -5.0, 100000.0, 360)) < 0.5);
}

QTEST_GUILESS_MAIN(SolversTest)
#include "tst_solvers.moc"
