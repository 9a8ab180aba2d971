#pragma once

#include <QColor>
#include <QLabel>

class QAction;
class QMenu;

// A label that behaves as a web link: blue and underlined under the hand cursor, opens its
// URL (or its caption when the URL is blank) with the desktop's opener when clicked, shows
// ActiveColor while the left button is held on it, and offers "Copy" for its caption.
class TUrlLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString URL READ URL WRITE setURL)
    Q_PROPERTY(QColor ActiveColor READ ActiveColor WRITE setActiveColor)

public:
    explicit TUrlLabel(QWidget* parent = nullptr);
    explicit TUrlLabel(const QString& caption, QWidget* parent = nullptr);

    QString URL() const;
    void setURL(const QString& url);
    // Takes effect at the next press of the left button.
    QColor ActiveColor() const;
    void setActiveColor(const QColor& color);

    // The label's own context menu, with the single item "Copy".
    QMenu* popupMenu() const;

public slots:
    // Puts the caption (not the URL) on the clipboard as text.
    void CopyClick();

signals:
    // A left press and release on the label; raised before the link is opened.
    void clicked();
    // Raised for every button, after the label's own colour change.
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& pos);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& pos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void openLink();
    void setFontColor(const QColor& color);

    QString m_url;
    QColor m_savedColor;
    QColor m_activeColor;
    QMenu* m_popupMenu = nullptr;
    QAction* m_copyItem = nullptr;
    bool m_leftDown = false;
};
