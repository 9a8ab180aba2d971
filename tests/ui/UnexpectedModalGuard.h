#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

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
    QString unexpected() const { return m_unexpected; }

private:
    void check()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_expected)
            return;
        m_unexpected = modal->metaObject()->className() + QStringLiteral(" \"")
            + modal->windowTitle() + QLatin1Char('"');
        modal->close();
    }

    QTimer m_timer;
    QPointer<QWidget> m_expected;
    QString m_unexpected;
};
