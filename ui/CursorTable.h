#pragma once

#include <QCursor>

// The program's own cursors, kept under numbers so that every control asking for a number
// shows the same cursor. Registering a number again replaces its cursor.
class TCursorTable {
public:
    // The pointing hand of the link labels.
    static constexpr int Hand = 5;

    static void registerCursor(int number, const QCursor& cursor);
    static bool contains(int number);
    // The registered cursor, or the arrow when the number is free.
    static QCursor cursor(int number);

    // The monochrome 32 x 32 hand, index finger up, hot spot at the fingertip.
    static QCursor loadHand();
};
