#include "UrlLabel.h"

#include "CursorTable.h"
#include "LinkTarget.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QUrl>

TUrlLabel::TUrlLabel(QWidget* parent)
    : TUrlLabel(QString(), parent)
{
}

TUrlLabel::TUrlLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);

    // Every label registers the hand again, so the table always holds the program's own.
    TCursorTable::registerCursor(TCursorTable::Hand, TCursorTable::loadHand());
    setCursor(TCursorTable::cursor(TCursorTable::Hand));

    m_activeColor = QColor(128, 0, 128);
    setFontColor(QColor(0, 0, 255));
    QFont underlined = font();
    underlined.setBold(false);
    underlined.setItalic(false);
    underlined.setStrikeOut(false);
    underlined.setUnderline(true);
    setFont(underlined);

    m_popupMenu = new QMenu(this);
    m_popupMenu->setObjectName(QStringLiteral("PopupMenu"));
    m_copyItem = m_popupMenu->addAction(QStringLiteral("Copy"), this, &TUrlLabel::CopyClick);
    m_copyItem->setObjectName(QStringLiteral("CopyItem"));
}

QString TUrlLabel::URL() const
{
    return m_url;
}

void TUrlLabel::setURL(const QString& url)
{
    m_url = url;
}

QColor TUrlLabel::ActiveColor() const
{
    return m_activeColor;
}

void TUrlLabel::setActiveColor(const QColor& color)
{
    m_activeColor = color;
}

QMenu* TUrlLabel::popupMenu() const
{
    return m_popupMenu;
}

void TUrlLabel::CopyClick()
{
    QGuiApplication::clipboard()->setText(text());
}

void TUrlLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_leftDown = true;
        m_savedColor = palette().color(foregroundRole());
        setFontColor(m_activeColor);
    }
    QLabel::mousePressEvent(event);
    emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void TUrlLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // A click is a left press and release both on the label, as with a push button.
        const bool click = m_leftDown && rect().contains(event->position().toPoint());
        m_leftDown = false;
        if (click) {
            // A click handler may close and delete the window that holds the label.
            const QPointer<TUrlLabel> alive(this);
            emit clicked();
            if (!alive)
                return;
            openLink();
        }
        if (m_savedColor.isValid())
            setFontColor(m_savedColor);
    }
    QLabel::mouseReleaseEvent(event);
    emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
}

void TUrlLabel::contextMenuEvent(QContextMenuEvent* event)
{
    // popup() rather than exec(): the menu must not start a nested event loop of its own here.
    m_popupMenu->popup(event->globalPos());
    event->accept();
}

void TUrlLabel::openLink()
{
    const QString target = linkTarget(m_url, text());
    if (target.isNull())
        return;
    // The opener's verdict is not reported: a link that cannot be opened leaves the label as is.
    QDesktopServices::openUrl(QUrl(target));
}

void TUrlLabel::setFontColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(foregroundRole(), color);
    setPalette(p);
}
