#include "CursorTable.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QHash>

namespace {

QHash<int, QCursor>& table()
{
    static QHash<int, QCursor> cursors;
    static const bool clearedOnExit = [] {
        // Cursor bitmaps must go before the application object takes the window system away.
        qAddPostRoutine([] { cursors.clear(); });
        return true;
    }();
    Q_UNUSED(clearedOnExit);
    return cursors;
}

} // namespace

void TCursorTable::registerCursor(int number, const QCursor& cursor)
{
    table().insert(number, cursor);
}

bool TCursorTable::contains(int number)
{
    return table().contains(number);
}

QCursor TCursorTable::cursor(int number)
{
    return table().value(number, QCursor(Qt::ArrowCursor));
}

QCursor TCursorTable::loadHand()
{
    const QBitmap bitmap(QStringLiteral(":/cursors/hand.xbm"));
    const QBitmap mask(QStringLiteral(":/cursors/hand-mask.xbm"));
    return QCursor(bitmap, mask, 5, 0);
}
