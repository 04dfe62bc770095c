// The application object: its title, and the one place where errors of commands are shown.
#include "app/application.h"

#include <QIcon>
#include <QMessageBox>
#include <stdexcept>

#include "platform/font_names.h"
#include "platform/toolkit_translations.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    tavi::InstallFontSubstitutions();
    tavi::InstallToolkitTranslations(*this);
    // The desktop matches the windows to the installed entry, and shows its icon.
    setDesktopFileName(QStringLiteral("tavi-css-editor"));
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tavi-css-editor-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
}

TApplication* Application()
{
    return qobject_cast<TApplication*>(QCoreApplication::instance());
}

QString TApplication::ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void TApplication::ShowException(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, title_, ErrorBoxText(message), QMessageBox::Ok);
    box.exec();
}

void TApplication::ShowCurrentException() noexcept
{
    try {
        try {
            throw;
        } catch (const std::exception& error) {
            ShowException(QString::fromUtf8(error.what()));
        } catch (...) {
            ShowException(QStringLiteral("Unknown error"));
        }
    } catch (...) {
        // Showing the box itself failed (out of memory): nothing more can be done safely.
    }
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException();
        return false;
    }
}
