#include "About.h"
#include "ExplorerButton.h"
#include "UnexpectedModalGuard.h"
#include "UrlLabel.h"

#include <QDesktopServices>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void theBoxIsAFixedSilverDialogWithoutTitleBarButtons();
    void everyControlSitsInItsPlace_data();
    void everyControlSitsInItsPlace();
    void labelsUseTheirFontsColoursAndAlignments_data();
    void labelsUseTheirFontsColoursAndAlignments();
    void everyTextFitsItsLabel();
    void thePicturesAreDrawnAtTheirSize_data();
    void thePicturesAreDrawnAtTheirSize();
    void theLinkCarriesTheMakersAddressAndStaysInsideThePanel();
    void theCloseButtonShowsTheRedCrossAndNoText();
    void leavingTheModalBoxReturnsTheCancelResult_data();
    void leavingTheModalBoxReturnsTheCancelResult();
    void clickingTheLinkOpensTheAddressWithoutClosingTheBox();
    void theBoxLooksFinished();

private:
    // Runs `whileShown` once the box is up in its modal loop; returns the box's result.
    int runModal(TAboutBox& box, const std::function<void()>& whileShown);

    UrlRecorder m_recorder;
    std::unique_ptr<UnexpectedModalGuard> m_guard;
};

void AboutBoxTest::initTestCase()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_recorder, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_recorder, "open");
}

void AboutBoxTest::init()
{
    m_recorder.opened.clear();
    m_guard = std::make_unique<UnexpectedModalGuard>();
}

void AboutBoxTest::cleanup()
{
    QVERIFY2(m_guard->unexpected().isEmpty(), qPrintable(m_guard->unexpected()));
    m_guard.reset();
}

void AboutBoxTest::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

int AboutBoxTest::runModal(TAboutBox& box, const std::function<void()>& whileShown)
{
    m_guard->expect(&box);
    QTimer::singleShot(0, &box, [&] {
        if (QTest::qWaitForWindowExposed(&box))
            whileShown();
    });
    // A box that fails to close must fail the test, not hang it.
    QTimer::singleShot(10000, &box, [&] { box.done(-1); });
    return box.exec();
}

void AboutBoxTest::theBoxIsAFixedSilverDialogWithoutTitleBarButtons()
{
    TAboutBox box;
    QCOMPARE(box.objectName(), QStringLiteral("AboutBox"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Compliments of Brindlemoor Software"));
    QCOMPARE(box.size(), QSize(412, 269));
    QCOMPARE(box.minimumSize(), QSize(412, 269));
    QCOMPARE(box.maximumSize(), QSize(412, 269));
    QCOMPARE(box.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(box.autoFillBackground());

    const Qt::WindowFlags flags = box.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    for (Qt::WindowType button : {Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                  Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint})
        QVERIFY(!flags.testFlag(button));
}

void AboutBoxTest::everyControlSitsInItsPlace_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    const QString box = QStringLiteral("AboutBox");
    const QString panel = QStringLiteral("Panel1");
    QTest::newRow("Image3") << "Image3" << box << QRect(5, 12, 23, 170);
    QTest::newRow("Panel1") << "Panel1" << box << QRect(35, 8, 369, 226);
    QTest::newRow("BtnClose") << "BtnClose" << box << QRect(111, 238, 216, 29);
    QTest::newRow("Label8") << "Label8" << panel << QRect(7, 6, 146, 0);
    QTest::newRow("Label9") << "Label9" << panel << QRect(12, 23, 181, 0);
    QTest::newRow("Shape1") << "Shape1" << panel << QRect(11, 43, 346, 2);
    QTest::newRow("Label4") << "Label4" << panel << QRect(11, 52, 345, 0);
    QTest::newRow("Label5") << "Label5" << panel << QRect(33, 67, 303, 0);
    QTest::newRow("Label6") << "Label6" << panel << QRect(83, 83, 202, 0);
    QTest::newRow("Label3") << "Label3" << panel << QRect(18, 113, 185, 0);
    QTest::newRow("Label7") << "Label7" << panel << QRect(81, 130, 272, 0);
    QTest::newRow("Label10") << "Label10" << panel << QRect(89, 146, 264, 0);
    QTest::newRow("Label11") << "Label11" << panel << QRect(102, 162, 251, 0);
    QTest::newRow("Label12") << "Label12" << panel << QRect(78, 178, 275, 0);
    QTest::newRow("Image1") << "Image1" << panel << QRect(2, 129, 68, 93);
    QTest::newRow("Label2") << "Label2" << panel << QRect(57, 206, 299, 0);
}

void AboutBoxTest::everyControlSitsInItsPlace()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    TAboutBox box;
    auto* control = box.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->pos(), geometry.topLeft());
    QCOMPARE(control->width(), geometry.width());
    // Labels are as high as their font's line; pictures, rule, panel and button as given.
    if (geometry.height() > 0)
        QCOMPARE(control->height(), geometry.height());
    else
        QVERIFY(control->height() >= control->fontMetrics().height());
}

void AboutBoxTest::labelsUseTheirFontsColoursAndAlignments_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QColor>("colour");
    const int right = Qt::AlignRight;
    const int left = Qt::AlignLeft;
    const QColor black(Qt::black);
    QTest::newRow("Label8") << "Label8" << 13 << true << int(Qt::AlignHCenter) << black;
    QTest::newRow("Label9") << "Label9" << 11 << false << left << black;
    for (const char* name : {"Label4", "Label5", "Label6", "Label3", "Label7", "Label10", "Label11", "Label12"})
        QTest::newRow(name) << name << 11 << false << right << black;
    QTest::newRow("Label2") << "Label2" << 11 << false << left << QColor(0x80, 0x80, 0x80);
}

void AboutBoxTest::labelsUseTheirFontsColoursAndAlignments()
{
    QFETCH(QString, name);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(int, alignment);
    QFETCH(QColor, colour);
    TAboutBox box;
    auto* label = box.findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->font().family(), QStringLiteral("Arial"));
    // Arial itself, or the face made to its measure, so the texts keep their widths.
    const QString face = QFontInfo(label->font()).family();
    QVERIFY2(face == QStringLiteral("Arial") || face == QStringLiteral("Liberation Sans"), qPrintable(face));
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QVERIFY(!label->autoFillBackground());
}

void AboutBoxTest::everyTextFitsItsLabel()
{
    TAboutBox box;
    const QList<QLabel*> labels = box.findChildren<QLabel*>();
    int withText = 0;
    for (const QLabel* label : labels) {
        if (label->text().isEmpty())
            continue;
        ++withText;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= label->width(),
                 qPrintable(QStringLiteral("%1 needs %2 px, has %3").arg(label->objectName()).arg(needed).arg(label->width())));
    }
    QCOMPARE(withText, 12);
}

void AboutBoxTest::thePicturesAreDrawnAtTheirSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("wordmark") << "Image3" << QSize(23, 170);
    QTest::newRow("emblem") << "Image1" << QSize(68, 93);
}

void AboutBoxTest::thePicturesAreDrawnAtTheirSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    TAboutBox box;
    auto* picture = box.findChild<QLabel*>(name);
    QVERIFY(picture);
    const QPixmap pixmap = picture->pixmap();
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
    const QImage image = pixmap.toImage();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qAlpha(image.pixel(x, y)) > 0;
    QVERIFY2(ink > image.width() * image.height() / 10, qPrintable(QString::number(ink)));
}

void AboutBoxTest::theLinkCarriesTheMakersAddressAndStaysInsideThePanel()
{
    TAboutBox box;
    auto* link = box.findChild<TUrlLabel*>(QStringLiteral("UrlLabel1"));
    QVERIFY(link);
    QCOMPARE(link->URL(), QStringLiteral("https://www.brindlemoor.example/"));
    QCOMPARE(link->text(), QStringLiteral("www.brindlemoor.example"));
    QCOMPARE(link->pos(), QPoint(207, 113));
    QVERIFY(link->width() >= 143);
    QCOMPARE(link->font().pixelSize(), 11);
    QVERIFY(link->font().underline());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    const QRect inside = box.findChild<QFrame*>(QStringLiteral("Panel1"))->contentsRect();
    QVERIFY(inside.contains(link->geometry()));
    // On the line of the invitation it finishes, a few pixels after its comma.
    auto* invitation = box.findChild<QLabel*>(QStringLiteral("Label3"));
    QCOMPARE(link->y(), invitation->y());
    QCOMPARE(link->x() - (invitation->x() + invitation->width()), 4);
    QVERIFY(invitation->text().endsWith(QLatin1Char(',')));
}

void AboutBoxTest::theCloseButtonShowsTheRedCrossAndNoText()
{
    TAboutBox box;
    auto* button = box.findChild<TExplorerButton*>(QStringLiteral("BtnClose"));
    QVERIFY(button);
    QVERIFY(button->text().isEmpty());
    QVERIFY(button->toolTip().isEmpty());
    QCOMPARE(button->iconSize(), QSize(18, 18));
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
}

void AboutBoxTest::leavingTheModalBoxReturnsTheCancelResult_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("close button") << false;
    QTest::newRow("escape key") << true;
}

void AboutBoxTest::leavingTheModalBoxReturnsTheCancelResult()
{
    QFETCH(bool, byEscape);
    TAboutBox box;
    bool wasModal = false;
    const int result = runModal(box, [&] {
        wasModal = QApplication::activeModalWidget() == &box;
        if (byEscape)
            QTest::keyClick(&box, Qt::Key_Escape);
        else
            QTest::mouseClick(box.findChild<TExplorerButton*>(QStringLiteral("BtnClose")), Qt::LeftButton);
    });
    QVERIFY(wasModal);
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(!box.isVisible());
    QVERIFY(m_recorder.opened.isEmpty());
}

void AboutBoxTest::clickingTheLinkOpensTheAddressWithoutClosingTheBox()
{
    TAboutBox box;
    bool stillOpen = false;
    const int result = runModal(box, [&] {
        auto* link = box.findChild<TUrlLabel*>(QStringLiteral("UrlLabel1"));
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, link->height() / 2));
        QCoreApplication::processEvents();
        stillOpen = box.isVisible() && QApplication::activeModalWidget() == &box;
        QTest::mouseClick(box.findChild<TExplorerButton*>(QStringLiteral("BtnClose")), Qt::LeftButton);
    });
    QVERIFY(stillOpen);
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(m_recorder.opened, QList<QUrl>({QUrl(QStringLiteral("https://www.brindlemoor.example/"))}));
}

void AboutBoxTest::theBoxLooksFinished()
{
    const QString artifacts = qEnvironmentVariable("CORVALEN_ARTIFACTS");
    if (artifacts.isEmpty())
        QSKIP("CORVALEN_ARTIFACTS is not set");
    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPixmap shot = box.grab();
    QCOMPARE(shot.deviceIndependentSize().toSize(), QSize(412, 269));
    QVERIFY(QDir().mkpath(artifacts));
    QVERIFY(shot.save(QDir(artifacts).filePath(QStringLiteral("about-box.png"))));
}

QTEST_MAIN(AboutBoxTest)
#include "tst_About.moc"
