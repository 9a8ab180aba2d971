#include "CursorTable.h"
#include "LinkTarget.h"
#include "UnexpectedModalGuard.h"
#include "UrlLabel.h"

#include <QBitmap>
#include <QClipboard>
#include <QDesktopServices>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <memory>

// Stands in for the desktop's opener so that no browser starts.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QStringList* log = nullptr;
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url)
    {
        opened.append(url);
        if (log)
            log->append(QStringLiteral("open ") + url.toString());
    }
};

class UrlLabelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void blankTextIsOnlySpacesAndControlCharacters_data();
    void blankTextIsOnlySpacesAndControlCharacters();
    void theTargetIsTheUrlOrElseTheCaptionUntrimmed_data();
    void theTargetIsTheUrlOrElseTheCaptionUntrimmed();

    void aNewLabelIsABlueUnderlinedLinkWithPurpleActiveColourAndACopyMenu();
    void everyLabelShowsTheHandRegisteredUnderNumberFive();
    void theHandIsAMonochromePointerWithItsHotSpotAtTheFingertip();
    void aClickOpensTheTargetExactlyAsStored_data();
    void aClickOpensTheTargetExactlyAsStored();
    void theClickSignalComesBeforeTheOpening();
    void aReleaseOutsideTheLabelIsNoClick();
    void pressingAButtonColoursTheCaptionOnlyForTheLeftButton_data();
    void pressingAButtonColoursTheCaptionOnlyForTheLeftButton();
    void mouseSignalsFollowTheColourChange();
    void aNewActiveColourTakesEffectAtTheNextPress();
    void theRightButtonShowsTheCopyMenu();
    void copyPutsTheCaptionNotTheUrlOnTheClipboard();
    void aClickHandlerMayDeleteTheLabel();

private:
    std::unique_ptr<TUrlLabel> shownLabel(const QString& caption, const QString& url);
    static QColor fontColour(const QLabel& label) { return label.palette().color(label.foregroundRole()); }

    UrlRecorder m_recorder;
    std::unique_ptr<UnexpectedModalGuard> m_guard;
};

void UrlLabelTest::initTestCase()
{
    for (const char* scheme : {"http", "https", "mailto", "file"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_recorder, "open");
}

void UrlLabelTest::init()
{
    m_recorder.opened.clear();
    m_recorder.log = nullptr;
    m_guard = std::make_unique<UnexpectedModalGuard>();
}

void UrlLabelTest::cleanup()
{
    for (QWidget* popup = QApplication::activePopupWidget(); popup; popup = QApplication::activePopupWidget())
        popup->close();
    QVERIFY2(m_guard->unexpected().isEmpty(), qPrintable(m_guard->unexpected()));
    m_guard.reset();
}

void UrlLabelTest::cleanupTestCase()
{
    for (const char* scheme : {"http", "https", "mailto", "file"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

std::unique_ptr<TUrlLabel> UrlLabelTest::shownLabel(const QString& caption, const QString& url)
{
    auto label = std::make_unique<TUrlLabel>(caption);
    label->setURL(url);
    label->setMinimumSize(160, 20);
    label->show();
    if (!QTest::qWaitForWindowExposed(label.get()))
        return nullptr;
    return label;
}

void UrlLabelTest::blankTextIsOnlySpacesAndControlCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("blank");
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("spaces") << QStringLiteral("   ") << true;
    QTest::newRow("tabs and line ends") << QStringLiteral("\t\r\n \x01\x1f") << true;
    QTest::newRow("a letter among spaces") << QStringLiteral("  x  ") << false;
    QTest::newRow("no-break space is text") << QStringLiteral("\u00A0") << false;
}

void UrlLabelTest::blankTextIsOnlySpacesAndControlCharacters()
{
    QFETCH(QString, text);
    QFETCH(bool, blank);
    QCOMPARE(isBlankText(text), blank);
}

void UrlLabelTest::theTargetIsTheUrlOrElseTheCaptionUntrimmed_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("target");
    QTest::newRow("url wins") << "https://a.example/" << "https://b.example/" << "https://a.example/";
    QTest::newRow("blank url gives the caption") << " \t" << "https://b.example/" << "https://b.example/";
    QTest::newRow("untrimmed url") << " https://a.example/ " << "x" << " https://a.example/ ";
    QTest::newRow("untrimmed caption") << "" << "\thttps://b.example/\n" << "\thttps://b.example/\n";
    QTest::newRow("both blank") << "  " << "\r\n" << QString();
    QTest::newRow("both empty") << "" << "" << QString();
}

void UrlLabelTest::theTargetIsTheUrlOrElseTheCaptionUntrimmed()
{
    QFETCH(QString, url);
    QFETCH(QString, caption);
    QFETCH(QString, target);
    const QString got = linkTarget(url, caption);
    QCOMPARE(got, target);
    QCOMPARE(got.isNull(), target.isNull());
}

void UrlLabelTest::aNewLabelIsABlueUnderlinedLinkWithPurpleActiveColourAndACopyMenu()
{
    TUrlLabel label;
    QCOMPARE(label.ActiveColor(), QColor(128, 0, 128));
    QCOMPARE(label.property("ActiveColor").value<QColor>(), QColor(128, 0, 128));
    QCOMPARE(label.URL(), QString());
    QCOMPARE(fontColour(label), QColor(0, 0, 255));
    QVERIFY(label.font().underline());
    QVERIFY(!label.font().bold());
    QVERIFY(!label.font().italic());
    QVERIFY(!label.font().strikeOut());
    QCOMPARE(label.cursor().shape(), Qt::BitmapCursor);

    QMenu* menu = label.popupMenu();
    QVERIFY(menu);
    QCOMPARE(menu->parent(), &label);
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().constFirst()->text(), QStringLiteral("Copy"));
}

void UrlLabelTest::everyLabelShowsTheHandRegisteredUnderNumberFive()
{
    TUrlLabel first;
    TUrlLabel second;
    QVERIFY(TCursorTable::contains(TCursorTable::Hand));
    QCOMPARE(TCursorTable::Hand, 5);
    const QCursor registered = TCursorTable::cursor(5);
    QCOMPARE(registered.shape(), Qt::BitmapCursor);
    for (const TUrlLabel* label : {&first, &second}) {
        const QCursor shown = label->cursor();
        QCOMPARE(shown.hotSpot(), registered.hotSpot());
        QCOMPARE(shown.bitmap().toImage(), registered.bitmap().toImage());
        QCOMPARE(shown.mask().toImage(), registered.mask().toImage());
    }
}

void UrlLabelTest::theHandIsAMonochromePointerWithItsHotSpotAtTheFingertip()
{
    const QCursor hand = TCursorTable::loadHand();
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.hotSpot(), QPoint(5, 0));
    const QImage bitmap = hand.bitmap().toImage().convertToFormat(QImage::Format_Mono);
    const QImage mask = hand.mask().toImage().convertToFormat(QImage::Format_Mono);
    QCOMPARE(bitmap.size(), QSize(32, 32));
    QCOMPARE(mask.size(), QSize(32, 32));
    const auto black = [&](int x, int y) { return qGray(bitmap.pixel(x, y)) < 128; };
    const auto opaque = [&](int x, int y) { return qGray(mask.pixel(x, y)) < 128; };
    // The fingertip is a black outline at the hot spot, white inside, and empty around it.
    QVERIFY(opaque(5, 0) && black(5, 0));
    QVERIFY(opaque(5, 2) && !black(5, 2));
    QVERIFY(!opaque(0, 0) && !opaque(10, 0) && !opaque(31, 31));
}

void UrlLabelTest::aClickOpensTheTargetExactlyAsStored_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("opened");
    QTest::newRow("url and caption differ")
        << "Brindlemoor Software" << "https://www.brindlemoor.example/" << "https://www.brindlemoor.example/";
    QTest::newRow("blank url opens the caption")
        << "https://www.brindlemoor.example/" << "   " << "https://www.brindlemoor.example/";
    QTest::newRow("url of control characters opens the caption")
        << "https://www.brindlemoor.example/" << "\t\r\n" << "https://www.brindlemoor.example/";
    QTest::newRow("query and fragment kept")
        << "x" << "https://www.brindlemoor.example/find?q=apr%20table#top"
        << "https://www.brindlemoor.example/find?q=apr%20table#top";
    QTest::newRow("mail address") << "mailto:sales@brindlemoor.example" << "" << "mailto:sales@brindlemoor.example";
    QTest::newRow("blank url and blank caption") << " " << "\t" << QString();
    QTest::newRow("empty url and empty caption") << "" << "" << QString();
}

void UrlLabelTest::aClickOpensTheTargetExactlyAsStored()
{
    QFETCH(QString, caption);
    QFETCH(QString, url);
    QFETCH(QString, opened);
    auto label = shownLabel(caption, url);
    QVERIFY(label);
    QSignalSpy clicks(label.get(), &TUrlLabel::clicked);

    QTest::mouseClick(label.get(), Qt::LeftButton);

    QCOMPARE(clicks.count(), 1);
    if (opened.isNull()) {
        QVERIFY(m_recorder.opened.isEmpty());
    } else {
        QCOMPARE(m_recorder.opened.size(), 1);
        QCOMPARE(m_recorder.opened.constFirst(), QUrl(opened));
    }
    QCOMPARE(label->URL(), url);
    QCOMPARE(label->text(), caption);
}

void UrlLabelTest::theClickSignalComesBeforeTheOpening()
{
    auto label = shownLabel(QStringLiteral("https://www.brindlemoor.example/"), QString());
    QVERIFY(label);
    QStringList log;
    m_recorder.log = &log;
    connect(label.get(), &TUrlLabel::clicked, this, [&] { log.append(QStringLiteral("click")); });

    QTest::mouseClick(label.get(), Qt::LeftButton);

    QCOMPARE(log, QStringList({QStringLiteral("click"), QStringLiteral("open https://www.brindlemoor.example/")}));
}

void UrlLabelTest::aReleaseOutsideTheLabelIsNoClick()
{
    auto label = shownLabel(QStringLiteral("https://www.brindlemoor.example/"), QString());
    QVERIFY(label);
    QSignalSpy clicks(label.get(), &TUrlLabel::clicked);

    QTest::mousePress(label.get(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(fontColour(*label), QColor(128, 0, 128));
    QTest::mouseRelease(label.get(), Qt::LeftButton, {}, QPoint(-20, -20));

    QCOMPARE(clicks.count(), 0);
    QVERIFY(m_recorder.opened.isEmpty());
    QCOMPARE(fontColour(*label), QColor(0, 0, 255));
}

void UrlLabelTest::pressingAButtonColoursTheCaptionOnlyForTheLeftButton_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QColor>("whileDown");
    QTest::newRow("left") << Qt::LeftButton << QColor(128, 0, 128);
    QTest::newRow("right") << Qt::RightButton << QColor(0, 128, 0);
    QTest::newRow("middle") << Qt::MiddleButton << QColor(0, 128, 0);
}

void UrlLabelTest::pressingAButtonColoursTheCaptionOnlyForTheLeftButton()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QColor, whileDown);
    auto label = shownLabel(QStringLiteral("Brindlemoor"), QStringLiteral("https://www.brindlemoor.example/"));
    QVERIFY(label);
    // A form may give the label its own colour; the release must bring that one back.
    QPalette green = label->palette();
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    label->setPalette(green);

    QTest::mousePress(label.get(), button, {}, QPoint(5, 5));
    QCOMPARE(fontColour(*label), whileDown);
    QTest::mouseRelease(label.get(), button, {}, QPoint(5, 5));
    QCOMPARE(fontColour(*label), QColor(0, 128, 0));
}

void UrlLabelTest::mouseSignalsFollowTheColourChange()
{
    auto label = shownLabel(QStringLiteral("Brindlemoor"), QStringLiteral("https://www.brindlemoor.example/"));
    QVERIFY(label);
    QList<QColor> seen;
    QList<Qt::MouseButton> buttons;
    connect(label.get(), &TUrlLabel::mousePressed, this, [&](Qt::MouseButton b, Qt::KeyboardModifiers, const QPoint&) {
        buttons.append(b);
        seen.append(fontColour(*label));
    });
    connect(label.get(), &TUrlLabel::mouseReleased, this, [&](Qt::MouseButton b, Qt::KeyboardModifiers, const QPoint&) {
        buttons.append(b);
        seen.append(fontColour(*label));
    });

    QTest::mouseClick(label.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(3, 4));
    QTest::mouseClick(label.get(), Qt::MiddleButton, {}, QPoint(3, 4));

    QCOMPARE(buttons, QList<Qt::MouseButton>({Qt::LeftButton, Qt::LeftButton, Qt::MiddleButton, Qt::MiddleButton}));
    QCOMPARE(seen, QList<QColor>({QColor(128, 0, 128), QColor(0, 0, 255), QColor(0, 0, 255), QColor(0, 0, 255)}));
}

void UrlLabelTest::aNewActiveColourTakesEffectAtTheNextPress()
{
    auto label = shownLabel(QStringLiteral("Brindlemoor"), QStringLiteral("https://www.brindlemoor.example/"));
    QVERIFY(label);
    QTest::mousePress(label.get(), Qt::LeftButton, {}, QPoint(5, 5));
    label->setActiveColor(Qt::red);
    QCOMPARE(label->property("ActiveColor").value<QColor>(), QColor(Qt::red));
    QCOMPARE(fontColour(*label), QColor(128, 0, 128));
    QTest::mouseRelease(label.get(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(label.get(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(fontColour(*label), QColor(Qt::red));
    QTest::mouseRelease(label.get(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(fontColour(*label), QColor(0, 0, 255));
}

void UrlLabelTest::theRightButtonShowsTheCopyMenu()
{
    auto label = shownLabel(QStringLiteral("Brindlemoor"), QStringLiteral("https://www.brindlemoor.example/"));
    QVERIFY(label);
    QSignalSpy clicks(label.get(), &TUrlLabel::clicked);

    QTest::mouseClick(label.get(), Qt::RightButton, {}, QPoint(5, 5));
    // QTest hands mouse events straight to the widget, so the window's context-menu request
    // that follows a right click is sent here.
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(label.get(), &request);

    QTRY_VERIFY(label->popupMenu()->isVisible());
    QCOMPARE(label->popupMenu()->actions().size(), 1);
    QCOMPARE(label->popupMenu()->actions().constFirst()->text(), QStringLiteral("Copy"));
    QCOMPARE(fontColour(*label), QColor(0, 0, 255));
    QCOMPARE(clicks.count(), 0);
    QVERIFY(m_recorder.opened.isEmpty());
}

void UrlLabelTest::copyPutsTheCaptionNotTheUrlOnTheClipboard()
{
    TUrlLabel label(QStringLiteral("www.brindlemoor.example"));
    label.setURL(QStringLiteral("https://www.brindlemoor.example/"));
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));

    label.popupMenu()->actions().constFirst()->trigger();

    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("www.brindlemoor.example"));
    QVERIFY(m_recorder.opened.isEmpty());
}

void UrlLabelTest::aClickHandlerMayDeleteTheLabel()
{
    auto owned = shownLabel(QStringLiteral("https://www.brindlemoor.example/"), QString());
    QVERIFY(owned);
    TUrlLabel* label = owned.release();
    connect(label, &TUrlLabel::clicked, this, [label] { delete label; });

    QTest::mouseClick(label, Qt::LeftButton);

    QVERIFY(m_recorder.opened.isEmpty());
}

QTEST_MAIN(UrlLabelTest)
#include "tst_UrlLabel.moc"
