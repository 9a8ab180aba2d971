#pragma once

#include <QDialog>
#include <memory>

class DesktopGeometry;
class QFrame;
class QLabel;
class QPushButton;
class TExplorerButton;
class TQRPreview;

// The print preview window: zooms, scrolls and pages through the printer object's pages and
// prints them. One instance, hidden between previews and shown modally by the preview hook.
class TFmPreview : public QDialog {
    Q_OBJECT
public:
    explicit TFmPreview(QWidget* parent = nullptr);
    ~TFmPreview() override;

    // Where activation reads the desktop's panels from; the window owns it.
    void setDesktopGeometry(std::unique_ptr<DesktopGeometry> desktop);

    QFrame* Panel1;
    TExplorerButton* bbZoomOut;
    TExplorerButton* bbZoomW;
    TExplorerButton* bbZoomIn;
    QPushButton* bbPrev;
    QPushButton* bbNext;
    QLabel* Label1;
    TExplorerButton* bbPrint;
    TExplorerButton* bbClose;
    TQRPreview* QRPreview1;

    void FormShow();
    void FormActivate();
    void FormClose();
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // The arrow keys: scroll by 50 and never move the focus. True when the key was one of them.
    bool DialogKey(int key);

    void bbZoomInClick();
    void bbZoomOutClick();
    void bbZoomWClick();
    void bbPrevClick();
    void bbNextClick();
    // Prints every page on the default printer, then closes. When printing fails the window
    // stays open and the EPrintError goes on to the caller (the application's exception hook
    // when the click came through the event loop).
    void bbPrintClick();
    void bbCloseClick();

    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createToolBar();
    void setIndicator(int page);
    void placeEndButtons(int windowWidth);
    QMargins frameMargins() const;

    std::unique_ptr<DesktopGeometry> m_desktop;
    bool m_activated = false; // the end buttons keep to the right end once activation placed them
};
