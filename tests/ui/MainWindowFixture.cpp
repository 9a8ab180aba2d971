#include "MainWindowFixture.h"

#include "StringAlignGrid.h"

#include <QApplication>
#include <QTimer>
#include <utility>

namespace {
QString lastUnexpected;
}

MainWindowFixture::MainWindowFixture()
{
    Messages::setPresenter([this](const QString& text) { m_messages << text; });
    TableCalculated = 0;
    m_window = std::make_unique<TfrmMain>();
    m_preview = std::make_unique<TFmPreview>();
    m_chart = std::make_unique<TQRPaymentChart>();
    FmPreview = m_preview.get();
    QRPaymentChart = m_chart.get();
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    if (!QTest::qWaitForWindowActive(m_window.get()))
        qWarning("main window did not become active");
    QCoreApplication::processEvents();
}

MainWindowFixture::~MainWindowFixture()
{
    lastUnexpected = m_guard.unexpected();
    Messages::setPresenter({});
    FmPreview = nullptr;
    QRPaymentChart = nullptr;
}

void MainWindowFixture::tab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCoreApplication::processEvents();
}

void MainWindowFixture::enter(QWidget* field, const QString& text)
{
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

QString MainWindowFixture::takeUnexpectedModals()
{
    return std::exchange(lastUnexpected, QString());
}

void MainWindowFixture::whileModal(const std::function<void()>& action,
                                   const std::function<void(QWidget*)>& inspect)
{
    m_guard.expectAny(true);
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll.stop();
            seen = true;
            inspect(modal);
            if (modal->isVisible())
                modal->close();
        }
    });
    poll.start();
    action();
    poll.stop();
    m_guard.expectAny(false);
    QVERIFY2(seen, "no modal window was shown");
}

QString MainWindowFixture::cell(int column, int row) const
{
    return m_window->grdAPR->cell(column, row);
}
