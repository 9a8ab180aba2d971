#pragma once

#include "Main.h"
#include "Messages.h"
#include "Preview.h"
#include "Qrchart.h"
#include "UnexpectedModalGuard.h"

#include <QStringList>
#include <QTest>
#include <memory>

// A shown, active main window whose messages are recorded instead of shown; any modal window
// that a test did not expect fails the test.
class MainWindowFixture {
public:
    MainWindowFixture();
    ~MainWindowFixture();

    TfrmMain& window() { return *m_window; }
    QStringList& messages() { return m_messages; }

    // Leaves the focused field with Tab, as a user does.
    void tab();
    // Types a value into a field the way a user replaces its whole text.
    void enter(QWidget* field, const QString& text);
    // Runs `action`, which opens a modal window, and hands that window to `inspect` while open.
    void whileModal(const std::function<void()>& action, const std::function<void(QWidget*)>& inspect);

    // What modal windows the last fixture met that no test asked for; empty when none.
    static QString takeUnexpectedModals();

    QString cell(int column, int row) const;

private:
    UnexpectedModalGuard m_guard;
    std::unique_ptr<TfrmMain> m_window;
    std::unique_ptr<TFmPreview> m_preview;
    std::unique_ptr<TQRPaymentChart> m_chart;
    QStringList m_messages;
};
