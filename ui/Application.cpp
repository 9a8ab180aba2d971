#include "Application.h"

namespace {
TApplication::ExceptionHook& hook()
{
    static TApplication::ExceptionHook exceptionHook;
    return exceptionHook;
}
} // namespace

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        report(receiver, std::current_exception());
    }
    return true;
}

void TApplication::guard(QObject* sender, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (...) {
        report(sender, std::current_exception());
    }
}

void TApplication::setExceptionHook(ExceptionHook exceptionHook)
{
    hook() = std::move(exceptionHook);
}

void TApplication::report(QObject* sender, std::exception_ptr error)
{
    if (!hook())
        std::rethrow_exception(error);
    hook()(sender, error);
}
