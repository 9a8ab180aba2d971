#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QTest>
#include <memory>

// Watches for modal windows while a test runs. Any modal window other than the one the test
// expects is closed at once and remembered, so the test fails instead of hanging.
class UnexpectedModalGuard : public QObject {
public:
    explicit UnexpectedModalGuard(QObject* parent = nullptr)
        : QObject(parent)
    {
        m_timer.setInterval(50);
        connect(&m_timer, &QTimer::timeout, this, &UnexpectedModalGuard::check);
        m_timer.start();
    }

    void expect(QWidget* window) { m_expected = window; }
    // While set, any modal window is the test's own and is left alone.
    void expectAny(bool any) { m_any = any; }
    QString unexpected() const { return m_unexpected; }

private:
    void check()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_expected || m_any)
            return;
        const auto* box = qobject_cast<QMessageBox*>(modal);
        m_unexpected += modal->metaObject()->className() + QStringLiteral(" \"")
            + modal->windowTitle() + QStringLiteral("\" ") + (box ? box->text() : QString());
        modal->close();
    }

    QTimer m_timer;
    QPointer<QWidget> m_expected;
    bool m_any = false;
    QString m_unexpected;
};

// Shows a test's window and waits until it is the active one.
inline bool showActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Ends a test: closes its window, then tells which modal windows nobody expected.
inline QString finishWatched(std::unique_ptr<QWidget>& window, std::unique_ptr<UnexpectedModalGuard>& guard)
{
    window.reset();
    const QString unexpected = guard->unexpected();
    guard.reset();
    return unexpected;
}
