#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {

struct Run {
    int exitCode;
    QString out;
    QString err;
};

Run corvalenTable(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    env.remove(QStringLiteral("LC_ALL"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(CORVALEN_TABLE), arguments);
    if (!process.waitForFinished(30000))
        qFatal("corvalen-table did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const char* const DefaultCsv =
    R"(" Loan/Fees","IR","$0.00","$1,000.00","$2,000.00","$3,000.00","$4,000.00","$5,000.00"
"$95,000.00"," 8.750%"," 8.750%"," 8.866%"," 8.981%"," 9.096%"," 9.211%"," 9.325%"
"$96,000.00"," 8.750%"," 8.750%"," 8.865%"," 8.979%"," 9.093%"," 9.206%"," 9.319%"
"$97,000.00"," 8.750%"," 8.750%"," 8.864%"," 8.977%"," 9.089%"," 9.201%"," 9.313%"
"$98,000.00"," 8.750%"," 8.750%"," 8.862%"," 8.974%"," 9.086%"," 9.197%"," 9.308%"
"$99,000.00"," 8.750%"," 8.750%"," 8.861%"," 8.972%"," 9.082%"," 9.192%"," 9.302%"
"$100,000.00"," 8.750%"," 8.750%"," 8.860%"," 8.970%"," 9.079%"," 9.188%"," 9.296%"
"$101,000.00"," 8.750%"," 8.750%"," 8.859%"," 8.968%"," 9.076%"," 9.184%"," 9.291%"
"$102,000.00"," 8.750%"," 8.750%"," 8.858%"," 8.965%"," 9.073%"," 9.179%"," 9.286%"
"$103,000.00"," 8.750%"," 8.750%"," 8.857%"," 8.963%"," 9.069%"," 9.175%"," 9.281%"
"$104,000.00"," 8.750%"," 8.750%"," 8.856%"," 8.961%"," 9.066%"," 9.171%"," 9.276%"
"$105,000.00"," 8.750%"," 8.750%"," 8.855%"," 8.959%"," 9.063%"," 9.167%"," 9.271%"
)";

} // namespace

class CorvalenTableTest : public QObject {
    Q_OBJECT
private slots:
    void csvWithoutArgumentsIsTheDefaultTable();
    void failuresExitWithTheirCodeAndOneLine_data();
    void failuresExitWithTheirCodeAndOneLine();
    void aTermOfZeroWarnsAndGoesOn();
    void jsonCarriesTheTableAndTheExactAprs();
    void auditFlagsCellsOutsideTheTolerance();
    void numbersAreReadInTheRequestedLocale();
    void helpPrintsUsage();
};

void CorvalenTableTest::csvWithoutArgumentsIsTheDefaultTable()
{
    const Run run = corvalenTable({QStringLiteral("--format"), QStringLiteral("csv")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QString::fromUtf8(DefaultCsv));
    QCOMPARE(run.err, QString());
}

void CorvalenTableTest::failuresExitWithTheirCodeAndOneLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("math error names the cell")
        << QStringList{"--loan", "3000"} << 1
        << "corvalen-table: math error at cell (2, 3): Invalid floating point operation";
    QTest::newRow("overflowing rate") << QStringList{"--rate", "-1200"} << 1
                                      << "corvalen-table: math error at cell (2, 1): Invalid floating point operation";
    QTest::newRow("conversion error") << QStringList{"--loan", "12x"} << 1
                                      << "corvalen-table: conversion error: '12x' is not a valid floating point value";
    QTest::newRow("fractional term") << QStringList{"--years", "2.5", "--format", "json"} << 1
                                     << "corvalen-table: conversion error: '2.5' is not a valid integer value";
    QTest::newRow("step not offered") << QStringList{"--fee-step", "750"} << 2
                                      << "corvalen-table: --fee-step must be one of 100, 250, 500, 1000, 2000, 2500, 3000, 4000, 5000, not '750'";
    QTest::newRow("fee category twice") << QStringList{"--fee", "points=1", "--fee", "points=2"} << 2
                                        << "corvalen-table: fee category 'points' is given twice";
    QTest::newRow("unknown category") << QStringList{"--fee", "tips=1"} << 2
                                      << "corvalen-table: --fee takes CATEGORY=AMOUNT with CATEGORY one of origination, points, prepaid-interest, mortgage-insurance, buydown, flood-check, tax-servicing, other";
    QTest::newRow("audit in csv") << QStringList{"--audit", "--format", "csv"} << 2
                                  << "corvalen-table: --audit goes with --format text or json, not csv";
    QTest::newRow("unknown argument") << QStringList{"--frobnicate"} << 2
                                      << "corvalen-table: unknown argument '--frobnicate'";
    QTest::newRow("empty amount") << QStringList{"--rate", ""} << 1
                                  << "corvalen-table: conversion error: '' is not a valid floating point value";
    QTest::newRow("missing value") << QStringList{"--loan"} << 2 << "corvalen-table: --loan needs a value";
}

void CorvalenTableTest::failuresExitWithTheirCodeAndOneLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, firstLine);
    const Run run = corvalenTable(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.err.section(QLatin1Char('\n'), 0, 0), firstLine);
    QCOMPARE(run.out, QString());
}

void CorvalenTableTest::aTermOfZeroWarnsAndGoesOn()
{
    const Run run = corvalenTable({"--years", "0", "--format", "csv"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QStringLiteral("corvalen-table: The number of years must be greater than 0.\n"));
    QCOMPARE(run.out, QString::fromUtf8(DefaultCsv));
}

void CorvalenTableTest::jsonCarriesTheTableAndTheExactAprs()
{
    const Run run = corvalenTable({"--format", "json", "--fee", "origination=1500", "--fee", "other=100",
                                   "--fee-step", "250", "--loan-step", "2500"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(root["feeTotal"].toDouble(), 1600.0);
    QCOMPARE(root["payments"].toInteger(), 360);
    QCOMPARE(root["termReset"].toBool(), false);
    QCOMPARE(root["loanStep"].toDouble(), 2500.0);
    QCOMPARE(root["feeStep"].toDouble(), 250.0);
    const QJsonArray cells = root["cells"].toArray();
    QCOMPARE(cells.size(), 12);
    QCOMPARE(cells[0].toArray().size(), 8);
    QCOMPARE(cells[0].toArray()[0].toString(), QStringLiteral(" Loan/Fees"));
    QCOMPARE(cells[0].toArray()[3].toString(), QStringLiteral("$1,850.00"));
    QCOMPARE(cells[6].toArray()[0].toString(), QStringLiteral("$100,000.00"));
    const QJsonArray apr = root["apr"].toArray();
    QCOMPARE(apr.size(), 11);
    QCOMPARE(apr[0].toArray().size(), 6);
    QCOMPARE(QStringLiteral(" %1%").arg(apr[5].toArray()[0].toDouble(), 0, 'f', 3),
             cells[6].toArray()[2].toString());
    QVERIFY(!root.contains("audit"));
}

void CorvalenTableTest::auditFlagsCellsOutsideTheTolerance()
{
    const Run run = corvalenTable({"--format", "json", "--audit", "--rate", "5", "--years", "1"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
    const QJsonArray audit = root["audit"].toArray();
    QCOMPARE(audit.size(), 11);
    const QJsonObject base = audit[5].toArray()[0].toObject();
    QCOMPARE(base["steps"].toInt(), 99);
    QVERIFY(std::fabs(base["exact"].toDouble() - 5.0) < 1e-9);
    QCOMPARE(base["outsideTolerance"].toBool(), true);
    const Run text = corvalenTable({"--audit", "--rate", "5", "--years", "1"});
    QVERIFY(text.out.contains(QStringLiteral("(2, 6) $100,000.00 + $0.00: table 5.3482, exact 5.0000, 99 steps")));
    const Run usual = corvalenTable({"--format", "json", "--audit"});
    for (const QJsonValue& row : QJsonDocument::fromJson(usual.out.toUtf8()).object()["audit"].toArray())
        for (const QJsonValue& cell : row.toArray())
            QCOMPARE(cell.toObject()["outsideTolerance"].toBool(), false);
}

void CorvalenTableTest::numbersAreReadInTheRequestedLocale()
{
    const Run run = corvalenTable({"--locale", "de_DE", "--loan", "100000,5", "--format", "csv"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith(QString::fromUtf8("\" Loan/Fees\",\"IR\",\"0,00\u00a0€\"")));
    QVERIFY(run.out.contains(QString::fromUtf8("\"100.000,50\u00a0€\",\" 8,750%\"")));
}

void CorvalenTableTest::helpPrintsUsage()
{
    const Run run = corvalenTable({"--help"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith(QStringLiteral("Usage: corvalen-table")));
}

QTEST_GUILESS_MAIN(CorvalenTableTest)
#include "tst_corvalen_table.moc"
