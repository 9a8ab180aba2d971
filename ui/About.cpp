#include "About.h"
#include "Look.h"

#include "ExplorerButton.h"
#include "UrlLabel.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace {

const QString kMakerWebAddress = QStringLiteral("https://www.brindlemoor.example/");
// The address as people read and type it; the link itself opens the full address above.
const QString kMakerWebCaption = QStringLiteral("www.brindlemoor.example");

const QColor kMaroon(0x80, 0x00, 0x00);
const QColor kGrey(0x80, 0x80, 0x80);

// Stands in for "MS Sans Serif": the desktop's own interface face.
QFont desktopSans(int pixelSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(pixelSize);
    return font;
}

QPixmap renderSvg(const QString& resource, const QSize& size, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Compliments of Brindlemoor Software"));
    setFixedSize(412, 269);
    setFont(Look::arial(13));
    Look::paint(this, QPalette::Window, Look::Silver);
    Look::paint(this, QPalette::Button, Look::Silver);
    Look::paint(this, QPalette::WindowText, Qt::black);
    setAutoFillBackground(true);

    addPicture("Image3", this, 5, 12, QStringLiteral(":/pictures/wordmark.svg"), QSize(23, 170));

    // Lowered outer bevel and raised inner bevel: the etched frame of a box drawn sunken.
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setGeometry(35, 8, 369, 226);
    m_panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_panel->setLineWidth(1);
    m_panel->setMidLineWidth(0);
    QPalette panelPalette = m_panel->palette();
    panelPalette.setColor(QPalette::Window, Qt::white);
    panelPalette.setColor(QPalette::Light, Qt::white);
    panelPalette.setColor(QPalette::Dark, kGrey);
    m_panel->setPalette(panelPalette);
    m_panel->setAutoFillBackground(true);

    const QFont small = Look::arial(11);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    addLabel("Label8", 7, 6, 146, QStringLiteral("Brindlemoor Software"), Look::arial(13, true),
             Qt::AlignHCenter | Qt::AlignVCenter);
    addLabel("Label9", 12, 23, 181, QStringLiteral("27 Quarry Row, Eldham, VT 05099"), small,
             Qt::AlignLeft | Qt::AlignVCenter);

    auto* rule = new QFrame(m_panel);
    rule->setObjectName(QStringLiteral("Shape1"));
    rule->setGeometry(11, 43, 346, 2);
    Look::paint(rule, QPalette::Window, kMaroon);
    rule->setAutoFillBackground(true);

    addLabel("Label4", 11, 52, 345,
             QStringLiteral("Brindlemoor Software develops financial calculators and desktop tools"),
             small, right);
    addLabel("Label5", 33, 67, 303,
             QStringLiteral("for mortgage bankers, loan officers, brokers and credit unions,"),
             small, right);
    addLabel("Label6", 83, 83, 202, QStringLiteral("helping them serve their borrowers well."),
             small, right);

    addLabel("Label3", 18, 113, 185, QStringLiteral("For updates and new tools, visit us at,"),
             small, right);
    m_link = new TUrlLabel(kMakerWebCaption, m_panel);
    m_link->setObjectName(QStringLiteral("UrlLabel1"));
    m_link->setURL(kMakerWebAddress);
    m_link->setFont([&] {
        QFont font = desktopSans(11);
        font.setUnderline(true);
        return font;
    }());
    // Sized to its caption like the other labels, never narrower than its place.
    m_link->setGeometry(207, 113, std::max(143, m_link->sizeHint().width()), 14);

    addLabel("Label7", 81, 130, 272,
             QStringLiteral("where you will find free updates, product news and our"), small, right);
    addLabel("Label10", 89, 146, 264,
             QStringLiteral("complete range of calculators for loan officers, brokers"), small, right);
    addLabel("Label11", 102, 162, 251,
             QStringLiteral("and lenders, with tips for making the most of them."), small, right);
    addLabel("Label12", 78, 178, 275,
             QStringLiteral("Brindlemoor Software values your comments and ideas."), small, right);

    addPicture("Image1", m_panel, 2, 129, QStringLiteral(":/pictures/emblem.svg"), QSize(68, 93));
    QLabel* rights = addLabel("Label2", 57, 206, 299,
                              QStringLiteral("Copyright \u00A9 2026 Brindlemoor Software. All rights reserved."),
                              small, Qt::AlignLeft | Qt::AlignVCenter);
    Look::paint(rights, QPalette::WindowText, kGrey);

    m_closeButton = new TExplorerButton(this);
    m_closeButton->setObjectName(QStringLiteral("BtnClose"));
    m_closeButton->setGeometry(111, 238, 216, 29);
    m_closeButton->setGlyph(QStringLiteral(":/glyphs/cross.svg"), QSize(18, 18));
    m_closeButton->setFont(Look::arial(12));
    connect(m_closeButton, &TExplorerButton::clicked, this, &TAboutBox::BtnCloseClick);
}

void TAboutBox::BtnCloseClick()
{
    reject();
}

QLabel* TAboutBox::addLabel(const char* name, int left, int top, int width, const QString& text,
                            const QFont& font, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, m_panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(alignment);
    Look::paint(label, QPalette::WindowText, Qt::black);
    label->setGeometry(left, top, width, QFontMetrics(font).height() + 1);
    return label;
}

QLabel* TAboutBox::addPicture(const char* name, QWidget* parent, int left, int top,
                              const QString& resource, const QSize& size)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setPixmap(renderSvg(resource, size, devicePixelRatioF()));
    picture->setGeometry(QRect(QPoint(left, top), size));
    return picture;
}
