// The open and save dialogs for text files: a standard file dialog with a preview of the selected file's beginning.
#pragma once

#include <QFileDialog>
#include <QString>

#include "platform/sheet_encoding.h"
#include "text/line_end.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;

// A file dialog (always the toolkit's own, never the desktop's, so that it can carry our
// controls) with an extension area under the standard controls, and the properties the
// forms set on it. Options: no requirement that the file exists; after a confirmed choice
// the process's current folder moves to the file's folder. (The save dialog asks its own
// overwrite question, in Japanese.)
class TEnhOpenDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit TEnhOpenDialog(QWidget* parent = nullptr);
    // Frees what a screen reader was given for the folder's entries while the folder's
    // model still exists.
    ~TEnhOpenDialog() override;

    // Runs the dialog modally, starting in the current folder (or the folder of
    // FileName() when that is a path) with FileName()'s name typed in. Returns true
    // when the user confirmed a name; FileName() is then that file's absolute path.
    bool Execute();

    QString FileName() const { return fileName_; }
    void SetFileName(const QString& name) { fileName_ = name; }

    // File types as "description|pattern|description|pattern..."; a pattern may list
    // several masks separated by ";". Shown as the dialog's type list in that order.
    QString Filter() const { return filter_; }
    void SetFilter(const QString& filter);

    // The selected file type, counted from 1; follows the user's choice after Execute.
    int FilterIndex() const;
    void SetFilterIndex(int index);

    // Extension (without ".") added to a chosen name that has none.
    QString DefaultExt() const { return defaultSuffix(); }
    void SetDefaultExt(const QString& ext) { setDefaultSuffix(ext); }

    // The name typed in the file-name field with its extension changed for file type
    // `filterIndex` of `filter`: the type's first pattern from its first "." on (".css",
    // ".*", or nothing for a pattern without "."), replacing the name's extension or
    // added to it; an empty name becomes "*" plus the extension. Null when `filter`
    // has no such type.
    static QString NameForFileType(const QString& filter, int filterIndex, const QString& typedName);

protected:
    // Sets the window title, the accept button's caption and the Japanese captions of
    // the standard controls.
    void SetCaptions(const QString& title, const QString& acceptLabel);

    // The area under the standard controls that subclasses fill.
    QWidget* ExtensionPanel() const { return extensionPanel_; }

    // When set, choosing another file type changes the typed name's extension to it.
    bool autoExtChange_ = false;

private:
    void TypeChanged();
    QString TypedName() const;

    QWidget* extensionPanel_ = nullptr;
    QString fileName_;
    QString filter_;
    // Set while the type list is changed by code, which must not touch the typed name.
    bool settingFilter_ = false;
    // The typed name as it was when the user picked another file type.
    QString nameBeforeTypeChange_;
};

// The open dialog with a preview: a check box "内容をプレビューする(&P)" and, under it, a
// read-only memo showing the beginning of the selected file.
class TTextOpenDialog : public TEnhOpenDialog {
    Q_OBJECT
public:
    explicit TTextOpenDialog(QWidget* parent = nullptr);

    // Bytes of a file the preview shows at most.
    static constexpr qint64 kPreviewBytes = 1024;

    bool AutoExtChange() const { return autoExtChange_; }
    void SetAutoExtChange(bool value) { autoExtChange_ = value; }

    // Whether the preview is shown; setting it also ticks or unticks the box and refreshes.
    bool Preview() const { return preview_; }
    void SetPreview(bool value);

    QCheckBox* PreviewCheckBox() const { return checkBox_; }
    QPlainTextEdit* PreviewMemo() const { return memo_; }

    // What the preview shows for `path`: empty for a name with "*" or "?", for a folder,
    // a missing file or anything but a regular file; for a file ending ".dfm" or ".~df"
    // in compiled form its text form; otherwise the file's first kPreviewBytes bytes.
    // Bytes are decoded as Open would decode the file, from UTF-8 or code page 932 (a
    // character cut at the end shows broken);
    // text stops at the first NUL byte, as it would in a text control.
    static QString PreviewText(const QString& path);

    // Shows PreviewText of the selected file, or nothing when the box is unticked.
    void RefreshPreview();

private:
    QCheckBox* checkBox_;
    QPlainTextEdit* memo_;
    bool preview_ = false;
    QString current_;
};

// How a line end is named to users: "CR LF", "LF", "CR".
QString LineEndName(tavi::TLineEnd lineEnd);

// The save variant of the dialog with a preview, which also asks for the encoding and the
// line end to write: "文字コード(&E):" and "改行(&L):" above the preview.
class TTextSaveDialog : public TTextOpenDialog {
    Q_OBJECT
public:
    explicit TTextSaveDialog(QWidget* parent = nullptr);

    // A chosen file that exists is replaced only after the user agrees ("… は既に存在
    // します。置き換えますか?"); "いいえ" keeps the dialog open for another name.
    void accept() override;

    tavi::TSheetEncoding SaveEncoding() const;
    void SetSaveEncoding(tavi::TSheetEncoding encoding);
    tavi::TLineEnd SaveLineEnd() const;
    void SetSaveLineEnd(tavi::TLineEnd lineEnd);

    QComboBox* EncodingBox() const { return encodingBox_; }
    QComboBox* LineEndBox() const { return lineEndBox_; }

private:
    QComboBox* encodingBox_;
    QComboBox* lineEndBox_;
};
