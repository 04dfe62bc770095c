// The application object: its title, and the one place where errors of commands are shown.
#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <utility>

class TApplication : public QApplication {
    Q_OBJECT
public:
    // Also maps the forms' font names to installed fonts and puts the toolkit's own
    // dialogs and buttons into Japanese; gives every window the program's icon.
    TApplication(int& argc, char** argv);

    // The title is the caption of the error box. It is kept apart from Qt's display
    // name, which the platform would append to the caption of every window.
    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }

    // Shows `message` in the default error box (see ErrorBoxText) and returns when
    // the user has closed it.
    void ShowException(const QString& message);

    // The text the error box shows: `message`, with "." appended when its last
    // character sorts after ".".
    static QString ErrorBoxText(const QString& message);

    // Runs a command handler; an exception that escapes it is shown in the error box
    // and the program goes on. Handlers are run through this so that no exception
    // ever unwinds through the toolkit's own frames.
    template <typename Handler>
    void RunGuarded(Handler&& handler) noexcept
    {
        try {
            std::forward<Handler>(handler)();
        } catch (...) {
            ShowCurrentException();
        }
    }

    // Event delivery is guarded the same way, for errors raised in event handlers.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    // Shows the exception being handled; must be called inside a catch block.
    void ShowCurrentException() noexcept;

    QString title_;
};

// The running application object; null before it exists.
TApplication* Application();

// Runs `work` through the running application's RunGuarded (an escaping exception is
// shown in the error box), or directly when there is no application object.
template <typename Work>
void Guarded(Work&& work)
{
    if (TApplication* application = Application())
        application->RunGuarded(std::forward<Work>(work));
    else
        work();
}
