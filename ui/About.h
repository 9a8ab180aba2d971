#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class TExplorerButton;
class TUrlLabel;

// The maker's About box: name, address, a word about the business, a link to the web site and
// the rights notice. Its opener creates, places, shows it modally and destroys it.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

public slots:
    // Ends the modal state with the cancel result.
    void BtnCloseClick();

private:
    QLabel* addLabel(const char* name, int left, int top, int width, const QString& text,
                     const QFont& font, Qt::Alignment alignment);
    QLabel* addPicture(const char* name, QWidget* parent, int left, int top, const QString& resource,
                       const QSize& size);

    QFrame* m_panel = nullptr;
    TUrlLabel* m_link = nullptr;
    TExplorerButton* m_closeButton = nullptr;
};
