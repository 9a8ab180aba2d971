#include "ToolTipStyle.h"

#include <QApplication>

TToolTipStyle::TToolTipStyle(QStyle* base)
    : QProxyStyle(base)
{
}

int TToolTipStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void TToolTipStyle::install()
{
    if (!qobject_cast<TToolTipStyle*>(QApplication::style()))
        QApplication::setStyle(new TToolTipStyle);
}
