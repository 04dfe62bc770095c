// Runs the program's window through Save As into a new file with a screen reader reading the save dialog, then closes
// it answering No to the save question; the exit status tells whether the program ended cleanly.
#include <QAbstractItemView>
#include <QAccessible>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <iostream>

#include "app/application.h"
#include "app/main_window.h"
#include "components/text_file_dialogs.h"
#include "editor/editor.h"

namespace {

// Calls `answer` with the next modal window once its loop runs.
void AnswerNextModal(std::function<void(QWidget*)> answer, int attempts = 400)
{
    QTimer::singleShot(5, [answer = std::move(answer), attempts]() {
        if (QWidget* modal = QApplication::activeModalWidget())
            answer(modal);
        else if (attempts > 0)
            AnswerNextModal(answer, attempts - 1);
    });
}

// What a screen reader does: asks every folder list of the dialog for each of its entries.
void ReadLists(QWidget* dialog)
{
    for (QAbstractItemView* view : dialog->findChildren<QAbstractItemView*>()) {
        if (QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view)) {
            for (int i = 0; i < list->childCount(); ++i)
                list->child(i);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    QTemporaryDir dir;
    for (const char* name : {"nav.css", "note.css", "newsletter.css"}) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return 2;
    }
    const QString saved = dir.filePath("new.css");
    {
        TForm1 form;
        Form1 = &form;
        form.show();
        form.ExtMemo1->Lines().Add("P { }");
        AnswerNextModal([&dir](QWidget* modal) {
            auto* files = qobject_cast<QFileDialog*>(modal);
            if (files == nullptr) {
                modal->close();
                return;
            }
            files->setDirectory(dir.path());
            // The folder is read in the background; the reader walks it a few times.
            for (int walk = 0; walk < 5; ++walk) {
                QEventLoop wait;
                QTimer::singleShot(60, &wait, &QEventLoop::quit);
                wait.exec();
                ReadLists(files);
            }
            if (auto* name = files->findChild<QLineEdit*>("fileNameEdit"))
                name->setText("new.css");
            static_cast<QDialog*>(files)->accept();
        });
        form.SaveAs1Click();
        if (!QFile::exists(saved)) {
            std::cerr << "Save As wrote no file\n";
            return 1;
        }
        form.ExtMemo1->Lines().Add("H1 { }");
        AnswerNextModal([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            for (QAbstractButton* button : box != nullptr ? box->buttons() : QList<QAbstractButton*>()) {
                if (box->buttonRole(button) == QMessageBox::NoRole) {
                    button->click();
                    return;
                }
            }
            modal->close();
        });
        form.close();
    }
    return 0;
}
