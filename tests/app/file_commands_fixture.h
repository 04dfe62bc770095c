// A main window whose file dialogs answer from a script, with helpers for the tests of the file commands.
#pragma once

#include <gtest/gtest.h>

#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <csignal>
#include <functional>
#include <memory>

#include "app/main_window.h"
#include "components/text_file_dialogs.h"
#include "editor/editor.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_printers.h"
#include "tests/support/unprivileged_file_access.h"

inline QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QString LinkTag(const QString& name)
{
    return "<LINK HREF=\"" + name + "\" REL=stylesheet TYPE=\"text/css\">";
}

// Closes and records every modal window shown while it lives: for steps that must ask nothing.
class NoQuestionWatch {
public:
    NoQuestionWatch()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen << modal->windowTitle();
                modal->close();
            }
        });
        timer_.start(5);
    }
    QStringList seen;

private:
    QTimer timer_;
};

// Writing past `bytes` fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

class FileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(otherDir.isValid());
        form = std::make_unique<TForm1>();
        // The file dialogs answer from the script: a path, or a null string for Cancel.
        form->RunFileDialog = [this](TTextOpenDialog& dialog) {
            dialogsRun << (&dialog == form->SaveDialog1 ? "save" : &dialog == form->OpenDialog1 ? "open" : "other");
            if (answers.isEmpty()) {
                ADD_FAILURE() << "a file dialog ran that the test did not expect";
                return false;
            }
            const QString answer = answers.takeFirst();
            if (answer.isNull())
                return false;
            if (&dialog == form->SaveDialog1 && chooseInSaveDialog)
                chooseInSaveDialog(*form->SaveDialog1);
            dialog.SetFileName(answer);
            return true;
        };
        const std::pair<QLineEdit*, QString> boxes[] = {
            {form->Edit3, "name"}, {form->Edit4, "location"}, {form->Edit2, "link"}};
        for (const auto& [box, label] : boxes)
            QObject::connect(box, &QLineEdit::textChanged, [this, label = label] { boxChanges << label; });
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    std::string Text() const { return form->ExtMemo1->Lines().GetTextStr(); }
    void Type(const char* line) { form->ExtMemo1->Lines().Add(line); }
    QStringList Boxes() const { return {form->Edit3->text(), form->Edit4->text(), form->Edit2->text()}; }
    static QStringList BoxesFor(const QString& path)
    {
        const QString name = QFileInfo(path).fileName();
        return {name, QDir::toNativeSeparators(path), LinkTag(name)};
    }
    const QStringList untitled{"無題", "", ""};

    // Presses the button of `role` in the next message box, then records the box after it.
    static void AnswerThenRecord(QMessageBox::ButtonRole role, SeenMessageBox& next)
    {
        AnswerNextModal([role, &next](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* button : box->buttons()) {
                if (box->buttonRole(button) == role) {
                    RecordNextMessageBox(next);
                    button->click();
                    return;
                }
            }
            ADD_FAILURE() << "no button of that role";
            box->close();
        });
    }

    // Drops `paths` on the window as the desktop would.
    void Drop(const QStringList& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &drop);
    }

    QTemporaryDir dir;
    QTemporaryDir otherDir;
    std::unique_ptr<TForm1> form;
    QStringList answers;
    // What the user picks in the save dialog besides the name.
    std::function<void(TTextSaveDialog&)> chooseInSaveDialog;
    QStringList dialogsRun;
    QStringList boxChanges;
};
