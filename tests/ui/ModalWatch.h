#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Closes any modal dialog a test did not ask for and remembers it, so the test can fail
// instead of hanging in the dialog's event loop.
class ModalWatch {
public:
    ModalWatch()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { check(); });
        m_timer.start(50);
    }

    void setExpected(bool expected) { m_expected = expected; }
    const QStringList& unexpected() const { return m_unexpected; }

private:
    void check()
    {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || m_expected)
            return;
        const auto* box = qobject_cast<QMessageBox*>(dialog);
        m_unexpected << dialog->windowTitle() + QLatin1Char(' ') + (box ? box->text() : QString());
        dialog->close();
    }

    QTimer m_timer;
    bool m_expected = false;
    QStringList m_unexpected;
};
