#include "Messages.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>

namespace {

Messages::Presenter& presenter()
{
    static Messages::Presenter current;
    return current;
}

void showBox(const QString& text)
{
    // Each "\n\r" pair of a message is one line break; a bare \r would show as a second one.
    const QString lines = QString(text).replace(QLatin1String("\n\r"), QLatin1String("\n"));
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), lines, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("InformationBox"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        box.move(screen->geometry().center() - box.rect().center());
    box.exec();
}

} // namespace

namespace Messages {

void information(const QString& text)
{
    if (presenter())
        presenter()(text);
    else
        showBox(text);
}

void setPresenter(Presenter replacement)
{
    presenter() = std::move(replacement);
}

} // namespace Messages
