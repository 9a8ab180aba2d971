#pragma once

#include <QApplication>
#include <functional>
#include <exception>

// The application object: every exception an event handler throws stops here and goes to
// one handler, so none unwinds through Qt's own code.
class TApplication : public QApplication {
    Q_OBJECT
public:
    using ExceptionHook = std::function<void(QObject* sender, std::exception_ptr error)>;

    TApplication(int& argc, char** argv);

    // One hook for the whole program; without one, an error is thrown on.
    static void setExceptionHook(ExceptionHook hook);
    bool notify(QObject* receiver, QEvent* event) override;

    // Runs a handler that Qt calls (a slot, an event override) so that what it throws goes to
    // the hook instead of unwinding through Qt.
    static void guard(QObject* sender, const std::function<void()>& handler);

private:
    static void report(QObject* sender, std::exception_ptr error);
};
