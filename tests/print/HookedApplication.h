#pragma once

#include <QApplication>
#include <QStringList>
#include <exception>

// The application's exception hook as the main window installs it: an error that escapes an
// event handler is caught where Qt delivers the event, and the program goes on.
class HookedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            errors << QString::fromLocal8Bit(e.what());
            return false;
        }
    }
    QStringList errors;
};
