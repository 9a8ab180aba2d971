#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// corvalen-table as a user without a display runs it.
Run table(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(CORVALEN_TABLE), arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QLatin1String(name));
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF's text, one line per text line, blanks squeezed.
QStringList pdfLines(const QString& file)
{
    QStringList lines;
    for (const QString& line : run(tool("pdftotext"), {"-layout", file, "-"}).split('\n'))
        lines << line.simplified();
    return lines;
}

} // namespace

class PdfCommandTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        if (tool("pdftotext").isEmpty() || tool("pdfinfo").isEmpty())
            QSKIP("poppler-utils is not installed");
        QVERIFY(dir.isValid());
    }

    void writesTheChartAsAOnePagePdfWithoutADisplay()
    {
        const QString file = dir.filePath("chart.pdf");
        const Run result = table({"--pdf", file});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QString());
        QCOMPARE(result.err, QString());
        QVERIFY(run(tool("pdfinfo"), {file}).contains(QRegularExpression("Pages:\\s+1\\n")));
        const QStringList lines = pdfLines(file);
        QVERIFY(lines.contains("Chart of Annual Percentage Rates"));
        QVERIFY(lines.contains("Loan Amount: $100000 Interest Rate: 8.75% Term: 30 years"));
        QVERIFY(lines.contains(
            "Loan/Fees IR $0.00 $1,000.00 $2,000.00 $3,000.00 $4,000.00 $5,000.00"));
        QVERIFY(lines.contains(
            "$100,000.00 8.750% 8.750% 8.860% 8.970% 9.079% 9.188% 9.296%"));
        QVERIFY(lines.contains(
            "$105,000.00 8.750% 8.750% 8.855% 8.959% 9.063% 9.167% 9.271%"));
        QVERIFY(lines.filter(QRegularExpression("^Printed at \\d")).size() == 1);

        const QString artifacts = qEnvironmentVariable("CORVALEN_ARTIFACTS");
        if (!artifacts.isEmpty() && !tool("pdftoppm").isEmpty()) {
            QFile::remove(artifacts + "/pdf-chart.png");
            QFile::copy(file, artifacts + "/pdf-chart.pdf");
            run(tool("pdftoppm"),
                {"-r", "100", "-png", "-singlefile", file, artifacts + "/pdf-chart"});
            QVERIFY(QFile::exists(artifacts + "/pdf-chart.png"));
        }
    }

    void headerShowsTheArgumentsAsTheTableUsedThem()
    {
        const QString file = dir.filePath("header.pdf");
        const Run result =
            table({"--pdf", file, "--loan", "100000.5", "--rate", "8", "--years", "0"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.err.contains("The number of years must be greater than 0."));
        QVERIFY(pdfLines(file).contains("Loan Amount: $100000.5 Interest Rate: 8% Term: 30 years"));
    }

    void failuresExitWithTheirCodeAndWriteNoFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file name") << QStringList{"--pdf", ""} << 2 << "--pdf needs a file name";
        QTest::newRow("with a format") << QStringList{"--pdf", "@", "--format", "csv"} << 2
                                       << "takes no --format";
        QTest::newRow("with an audit") << QStringList{"--pdf", "@", "--audit"} << 2
                                       << "takes no --format or --audit";
        QTest::newRow("rate not a number") << QStringList{"--pdf", "@", "--rate", "8..75"} << 1
                                           << "'8..75' is not a valid floating point value";
        QTest::newRow("a loan of zero in the table") << QStringList{"--pdf", "@", "--loan", "3000"}
                                                     << 1 << "math error";
        QTest::newRow("directory missing")
            << QStringList{"--pdf", "/nonexistent-corvalen/chart.pdf"} << 3 << "cannot write";
    }
    void failuresExitWithTheirCodeAndWriteNoFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString file = dir.filePath("failed.pdf");
        arguments.replaceInStrings(QRegularExpression("^@$"), file);
        const Run result = table(arguments);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QVERIFY(!QFile::exists(file));
        QCOMPARE(result.out, QString());
    }

    void usageNamesThePdfOption()
    {
        const Run result = table({"--help"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains("[--pdf FILE]"));
    }
};

QTEST_GUILESS_MAIN(PdfCommandTest)
#include "PdfCommandTest.moc"
