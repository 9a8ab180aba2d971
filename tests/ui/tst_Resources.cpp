#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

// Links nothing but the resources library: the drawings must be found all the same.
class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyDrawingIsAnSvgOfItsSize_data();
    void everyDrawingIsAnSvgOfItsSize();
    void theHandCursorIsTwoMonochromeBitmaps_data();
    void theHandCursorIsTwoMonochromeBitmaps();
    void theSmallIconIsA32PixelImageWithClearCorners();
    void aSheetOfAllDrawingsIsSaved();

private:
    static QImage render(const QString& resource, const QSize& size, const QColor& background);
    QString m_artifacts;
};

namespace {

struct Drawing {
    const char* resource;
    QSize size;
};

const Drawing kDrawings[] = {
    {":/glyphs/printer.svg", {20, 20}},     {":/glyphs/info.svg", {20, 20}},
    {":/glyphs/help.svg", {20, 20}},        {":/glyphs/cross.svg", {18, 18}},
    {":/glyphs/check.svg", {18, 18}},       {":/glyphs/arrow-left.svg", {15, 15}},
    {":/glyphs/zoom-out.svg", {16, 16}},    {":/glyphs/page-width.svg", {16, 16}},
    {":/glyphs/zoom-in.svg", {16, 16}},     {":/pictures/wordmark.svg", {23, 170}},
    {":/pictures/emblem.svg", {68, 93}},    {":/icons/corvalen.svg", {128, 128}},
};

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

} // namespace

void ResourcesTest::initTestCase()
{
    m_artifacts = qEnvironmentVariable("CORVALEN_ARTIFACTS");
    if (!m_artifacts.isEmpty())
        QVERIFY(QDir().mkpath(QDir(m_artifacts).filePath(QStringLiteral("resources"))));
}

QImage ResourcesTest::render(const QString& resource, const QSize& size, const QColor& background)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

void ResourcesTest::everyDrawingIsAnSvgOfItsSize_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    for (const Drawing& d : kDrawings)
        QTest::newRow(d.resource) << QString::fromLatin1(d.resource) << d.size;
}

void ResourcesTest::everyDrawingIsAnSvgOfItsSize()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    QVERIFY2(QFileInfo::exists(resource), qPrintable(resource));
    QSvgRenderer renderer(resource);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), size);

    // Drawn ink that leaves some of the square free: neither blank nor a filled block.
    const QImage image = render(resource, size, Qt::transparent);
    const int ink = opaquePixels(image);
    QVERIFY2(ink > size.width() * size.height() / 10, qPrintable(QString::number(ink)));
    QVERIFY(ink < size.width() * size.height());

    if (!m_artifacts.isEmpty()) {
        const QString base = QDir(m_artifacts).filePath(QStringLiteral("resources/") + QFileInfo(resource).baseName());
        QVERIFY(render(resource, size, QColor(0xC0, 0xC0, 0xC0)).save(base + QStringLiteral(".png")));
        QVERIFY(render(resource, size * 4, QColor(0xC0, 0xC0, 0xC0)).save(base + QStringLiteral("@4x.png")));
    }
}

void ResourcesTest::theHandCursorIsTwoMonochromeBitmaps_data()
{
    QTest::addColumn<QString>("resource");
    QTest::newRow("bitmap") << QStringLiteral(":/cursors/hand.xbm");
    QTest::newRow("mask") << QStringLiteral(":/cursors/hand-mask.xbm");
}

void ResourcesTest::theHandCursorIsTwoMonochromeBitmaps()
{
    QFETCH(QString, resource);
    const QImage image(resource);
    QVERIFY2(!image.isNull(), qPrintable(resource));
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(image.depth(), 1);
}

void ResourcesTest::theSmallIconIsA32PixelImageWithClearCorners()
{
    const QImage icon(QStringLiteral(":/icons/corvalen.png"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(icon.hasAlphaChannel());
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        QCOMPARE(qAlpha(icon.pixel(corner)), 0);
    // The highlighted column and row of the grid are yellow.
    QCOMPARE(icon.pixelColor(9, 13), QColor(Qt::yellow));
    QCOMPARE(icon.pixelColor(15, 17), QColor(Qt::yellow));
    if (!m_artifacts.isEmpty())
        QVERIFY(icon.scaled(128, 128).save(QDir(m_artifacts).filePath(QStringLiteral("resources/corvalen-32@4x.png"))));
}

void ResourcesTest::aSheetOfAllDrawingsIsSaved()
{
    if (m_artifacts.isEmpty())
        QSKIP("CORVALEN_ARTIFACTS is not set");
    // Each drawing at its own size and four times larger, side by side on the dialog silver.
    const int scale = 4;
    int height = 8;
    for (const Drawing& d : kDrawings)
        height += d.size.height() * scale + 8;
    QImage sheet(8 + 128 + 8 + 128 * scale + 8, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&sheet);
    int y = 8;
    for (const Drawing& d : kDrawings) {
        const QString resource = QString::fromLatin1(d.resource);
        painter.drawImage(8, y, render(resource, d.size, Qt::transparent));
        painter.drawImage(8 + 128 + 8, y, render(resource, d.size * scale, Qt::transparent));
        y += d.size.height() * scale + 8;
    }
    painter.end();
    QVERIFY(sheet.save(QDir(m_artifacts).filePath(QStringLiteral("resources/sheet.png"))));
}

QTEST_MAIN(ResourcesTest)
#include "tst_Resources.moc"
