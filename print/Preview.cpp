#include "Preview.h"
#include "Application.h"
#include "Look.h"

#include "BusyCursor.h"
#include "DesktopGeometry.h"
#include "ExplorerButton.h"
#include "QRPreview.h"
#include "QRPrinter.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int ArrowStep = 50;

TExplorerButton* explorerButton(QWidget* parent, const char* name, const QString& caption,
                                const QString& accessibleName, const QString& glyph,
                                const QRect& geometry)
{
    auto* button = new TExplorerButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGlyph(glyph, QSize(16, 16));
    button->setCaption(caption);
    button->setAccessibleName(accessibleName);
    button->setGeometry(geometry);
    return button;
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    button->hide();
    return button;
}

} // namespace

TFmPreview::TFmPreview(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_desktop(std::make_unique<ScreenDesktopGeometry>())
{
    setObjectName(QStringLiteral("FmPreview"));
    setWindowTitle(QStringLiteral("Print Preview"));
    setFont(Look::arial(12));
    Look::paint(this, QPalette::Window, Look::Silver);
    setAutoFillBackground(true);

    createToolBar();
    QRPreview1 = new TQRPreview(this);
    QRPreview1->setObjectName(QStringLiteral("QRPreview1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(QRPreview1, 1);
    resize(632, 435);
}

TFmPreview::~TFmPreview() = default;

void TFmPreview::createToolBar()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedHeight(30);
    Panel1->setAutoFillBackground(true);

    bbZoomOut = explorerButton(Panel1, "bbZoomOut", QStringLiteral(" Zoom &Out"),
                               QStringLiteral("Zoom Out"), QStringLiteral(":/glyphs/zoom-out.svg"),
                               QRect(11, 3, 93, 24));
    bbZoomW = explorerButton(Panel1, "bbZoomW", QStringLiteral(" Page &Width"),
                             QStringLiteral("Page Width"),
                             QStringLiteral(":/glyphs/page-width.svg"), QRect(104, 3, 93, 24));
    bbZoomIn = explorerButton(Panel1, "bbZoomIn", QStringLiteral(" Zoom &In"),
                              QStringLiteral("Zoom In"), QStringLiteral(":/glyphs/zoom-in.svg"),
                              QRect(197, 3, 93, 24));
    bbPrev = pushButton(Panel1, "bbPrev", QStringLiteral("Pre&v Page"), QRect(281, 3, 66, 24));
    bbPrev->setEnabled(false);
    bbNext = pushButton(Panel1, "bbNext", QStringLiteral("&Next Page"), QRect(348, 3, 66, 24));
    Label1 = new QLabel(QStringLiteral("Page 1 of 1"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setGeometry(370, 5, 112, 15);
    Label1->hide();
    bbPrint = explorerButton(Panel1, "bbPrint", QStringLiteral(" Prin&t"), QStringLiteral("Print"),
                             QStringLiteral(":/glyphs/printer.svg"), QRect(497, 3, 66, 24));
    bbClose = explorerButton(Panel1, "bbClose", QStringLiteral(" &Close"), QStringLiteral("Close"),
                             QStringLiteral(":/glyphs/cross.svg"), QRect(564, 3, 66, 24));

    connect(bbZoomOut, &QAbstractButton::clicked, this, &TFmPreview::bbZoomOutClick);
    connect(bbZoomW, &QAbstractButton::clicked, this, &TFmPreview::bbZoomWClick);
    connect(bbZoomIn, &QAbstractButton::clicked, this, &TFmPreview::bbZoomInClick);
    connect(bbPrev, &QAbstractButton::clicked, this, &TFmPreview::bbPrevClick);
    connect(bbNext, &QAbstractButton::clicked, this, &TFmPreview::bbNextClick);
    // A failed print goes to the application's exception hook, not through Qt's signal code.
    connect(bbPrint, &QAbstractButton::clicked, this,
            [this] { TApplication::guard(bbPrint, [this] { bbPrintClick(); }); });
    connect(bbClose, &QAbstractButton::clicked, this, &TFmPreview::bbCloseClick);
}

void TFmPreview::setDesktopGeometry(std::unique_ptr<DesktopGeometry> desktop)
{
    m_desktop = desktop ? std::move(desktop) : std::make_unique<ScreenDesktopGeometry>();
}

void TFmPreview::FormShow()
{
    QRPreview1->setZoom(100);
    Label1->setText(QStringLiteral("Page 1 of %1").arg(QRPreview1->PageCount()));
    bbNext->setEnabled(QRPreview1->PageCount() != 1);
    bbZoomIn->setEnabled(false);
    bbZoomW->setEnabled(true);
    bbZoomOut->setEnabled(true);
}

void TFmPreview::FormActivate()
{
    const PreviewPlacement placement = PreviewPlacement::forDesktop(m_desktop->area(*this));
    const QRect client = placement.frame.marginsRemoved(frameMargins());
    if (placement.maximise) {
        // Where no window manager maximises, the window still covers the screen.
        if (!(windowState() & Qt::WindowMaximized)) {
            setGeometry(client);
            setWindowState(windowState() | Qt::WindowMaximized);
        }
    } else {
        if (windowState() & Qt::WindowMaximized)
            setWindowState(windowState() & ~Qt::WindowMaximized);
        setGeometry(client);
    }
    m_activated = true;
    placeEndButtons(placement.frame.width());
}

void TFmPreview::FormClose()
{
    QRPreview1->setPageNumber(1);
    bbPrev->setEnabled(false);
    QRPreview1->HorzScrollBar()->setValue(0);
    QRPreview1->VertScrollBar()->setValue(0);
}

void TFmPreview::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool ctrlOnly =
        held == Qt::ControlModifier && QGuiApplication::mouseButtons() == Qt::NoButton;
    const int count = QRPreview1->PageCount();
    if (((key == Qt::Key_PageDown && ctrlOnly) || key == Qt::Key_End) && bbNext->isEnabled()) {
        QRPreview1->setPageNumber(count);
        setIndicator(count);
        bbPrev->setEnabled(true);
        bbNext->setEnabled(false);
    } else if (((key == Qt::Key_PageUp && ctrlOnly) || key == Qt::Key_Home) &&
               bbPrev->isEnabled()) {
        QRPreview1->setPageNumber(1);
        setIndicator(1);
        bbPrev->setEnabled(false);
        bbNext->setEnabled(true);
    } else if (key == Qt::Key_PageDown && bbNext->isEnabled()) {
        bbNextClick();
    } else if (key == Qt::Key_PageUp && bbPrev->isEnabled()) {
        bbPrevClick();
    }
}

bool TFmPreview::DialogKey(int key)
{
    QScrollBar* const horizontal = QRPreview1->HorzScrollBar();
    QScrollBar* const vertical = QRPreview1->VertScrollBar();
    switch (key) {
    case Qt::Key_Left: horizontal->setValue(horizontal->value() - ArrowStep); return true;
    case Qt::Key_Right: horizontal->setValue(horizontal->value() + ArrowStep); return true;
    case Qt::Key_Up: vertical->setValue(vertical->value() - ArrowStep); return true;
    case Qt::Key_Down: vertical->setValue(vertical->value() + ArrowStep); return true;
    default: return false;
    }
}

void TFmPreview::bbZoomInClick()
{
    QRPreview1->setZoom(100);
    bbZoomIn->setEnabled(false);
    bbZoomW->setEnabled(true);
    bbZoomOut->setEnabled(true);
}

void TFmPreview::bbZoomOutClick()
{
    QRPreview1->ZoomToFit();
    bbZoomOut->setEnabled(false);
    bbZoomW->setEnabled(true);
    bbZoomIn->setEnabled(true);
}

void TFmPreview::bbZoomWClick()
{
    QRPreview1->ZoomToWidth();
    bbZoomW->setEnabled(false);
    bbZoomOut->setEnabled(true);
    bbZoomIn->setEnabled(true);
}

void TFmPreview::bbPrevClick()
{
    if (QRPreview1->PageNumber() > 1)
        QRPreview1->setPageNumber(QRPreview1->PageNumber() - 1);
    setIndicator(QRPreview1->PageNumber());
    bbNext->setEnabled(true);
    if (QRPreview1->PageNumber() == 1)
        bbPrev->setEnabled(false);
}

void TFmPreview::bbNextClick()
{
    if (QRPreview1->PageNumber() < QRPreview1->PageCount())
        QRPreview1->setPageNumber(QRPreview1->PageNumber() + 1);
    setIndicator(QRPreview1->PageNumber());
    bbPrev->setEnabled(true);
    if (QRPreview1->PageNumber() == QRPreview1->PageCount())
        bbNext->setEnabled(false);
}

void TFmPreview::bbPrintClick()
{
    {
        BusyCursor busy;
        QRPrinter().Print();
    }
    close();
}

void TFmPreview::bbCloseClick()
{
    close();
}

void TFmPreview::done(int result)
{
    FormClose();
    QDialog::done(result);
}

bool TFmPreview::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TFmPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFmPreview::keyPressEvent(QKeyEvent* event)
{
    FormKeyDown(event->key(), event->modifiers());
    if (DialogKey(event->key())) {
        event->accept();
        return;
    }
    // Without a cancel button, Escape does not close the window.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFmPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_activated)
        placeEndButtons(frameGeometry().width());
}

void TFmPreview::setIndicator(int page)
{
    Label1->setText(QStringLiteral("Page %1 of %2").arg(page).arg(QRPreview1->PageCount()));
}

void TFmPreview::placeEndButtons(int windowWidth)
{
    bbClose->move(PreviewPlacement::closeButtonX(windowWidth), bbClose->y());
    bbPrint->move(PreviewPlacement::printButtonX(windowWidth), bbPrint->y());
}

QMargins TFmPreview::frameMargins() const
{
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}
