#include "ExplorerButton.h"

#include <QIcon>

TExplorerButton::TExplorerButton(QWidget* parent)
    : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(false);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void TExplorerButton::setGlyph(const QString& resource, const QSize& size)
{
    setIcon(QIcon(resource));
    setIconSize(size);
}

void TExplorerButton::setCaption(const QString& caption)
{
    setText(caption);
    setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
}
