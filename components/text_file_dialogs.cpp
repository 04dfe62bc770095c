// The open and save dialogs for text files: a standard file dialog with a preview of the selected file's beginning.
#include "components/text_file_dialogs.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "components/entry_interfaces.h"
#include "components/form_resource_text.h"
#include "components/name_only_icon_provider.h"
#include "platform/code_page.h"
#include "platform/font_names.h"
#include "platform/pseudo_file_system.h"
#include "platform/sheet_encoding.h"

namespace {

// Compiled forms are small; reading more than this for a preview of 1024 bytes of text
// would only waste time on a huge or hostile file.
constexpr qint64 kFormReadLimit = qint64{1} << 20;
constexpr int kExtensionPanelHeight = 150;

// The file-name field and the type list of the toolkit's dialog, found by the names
// it gives them.
QLineEdit* FileNameEdit(const QFileDialog* dialog)
{
    return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

QComboBox* FileTypeCombo(const QFileDialog* dialog)
{
    return dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
}

// "description|pattern|..." as the toolkit's "description (mask mask)" entries.
QStringList NameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString masks = parts[i + 1];
        masks.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + masks + QLatin1Char(')');
    }
    return filters;
}

// `name` with its extension (from the last "." of its last path component) replaced by
// `ext`, or with `ext` added when it has none.
QString ChangeFileExt(const QString& name, const QString& ext)
{
    for (qsizetype i = name.size() - 1; i >= 0; --i) {
        const QChar c = name[i];
        if (c == QLatin1Char('.'))
            return name.left(i) + ext;
        if (c == QLatin1Char('/'))
            break;
#ifdef Q_OS_WIN
        if (c == QLatin1Char('\\') || c == QLatin1Char(':'))
            break;
#endif
    }
    return name + ext;
}

// The encoding of a file's first bytes as Open would find it. The preview ends where the
// file need not: a UTF-8 character cut there must not make the start look like code page 932.
tavi::TSheetEncoding PreviewEncoding(std::string_view start)
{
    try {
        for (std::size_t cut = 0; cut < 4 && cut <= start.size(); ++cut) {
            const tavi::TSheetEncoding found = tavi::DetectSheetEncoding(start.substr(0, start.size() - cut), {});
            if (found != tavi::TSheetEncoding::Cp932 ||
                static_cast<qint64>(start.size()) < TTextOpenDialog::kPreviewBytes)  // the whole file
                return found;
        }
    } catch (const tavi::TUnsupportedEncoding&) {
    }
    return tavi::TSheetEncoding::Cp932;
}

// The bytes of a preview as the memo's text: up to the first NUL, line ends of any kind,
// decoded from UTF-8 or code page 932 as Open would decode the file.
QString PreviewTextOf(const QByteArray& bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArray text = nul < 0 ? bytes : bytes.left(nul);
    const std::string_view start(text.constData(), static_cast<std::size_t>(text.size()));
    const tavi::TSheetEncoding encoding = PreviewEncoding(start);
    // The byte-order mark is no character: the toolkit's UTF-8 decoding leaves it out.
    QString decoded = encoding == tavi::TSheetEncoding::Cp932 ? tavi::FromCp932(start) : QString::fromUtf8(text);
    decoded.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    decoded.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return decoded;
}

}  // namespace

TEnhOpenDialog::~TEnhOpenDialog()
{
    tavi::ReleaseEntryInterfaces(findChildren<QAbstractItemView*>());
}

TEnhOpenDialog::TEnhOpenDialog(QWidget* parent) : QFileDialog(parent)
{
    // The desktop's own dialog could not carry the extension area.
    setOption(QFileDialog::DontUseNativeDialog);
    // The toolkit's own overwrite question is in English; the save dialog asks its own.
    setOption(QFileDialog::DontConfirmOverwrite);
    // The type list shows the descriptions as given, not the masks behind them.
    setOption(QFileDialog::HideNameFilterDetails);
    setFileMode(QFileDialog::AnyFile);
    setViewMode(QFileDialog::List);
    // Icons and types from names only: guessing a type from a file's bytes can block on
    // a special file. The provider outlives every dialog, since the folder reader's thread
    // may still be using it while a dialog is destroyed.
    static TNameOnlyIconProvider iconsByName;
    setIconProvider(&iconsByName);
    SetCaptions(QStringLiteral("ファイルを開く"), QStringLiteral("開く(&O)"));
    // Our users pick folders from the look-in list; the side bar would only add the
    // toolkit's untranslated place names.
    if (auto* sidebar = findChild<QWidget*>(QStringLiteral("sidebar")))
        sidebar->hide();

    extensionPanel_ = new QWidget(this);
    extensionPanel_->setObjectName(QStringLiteral("extensionPanel"));
    extensionPanel_->setFixedHeight(kExtensionPanelHeight);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(extensionPanel_, grid->rowCount(), 0, 1, grid->columnCount());

    // The type list reports the new index before the toolkit's save dialog renames the
    // typed file after the type on its own; keep the name as the user left it, so that
    // the flag alone decides what happens to it.
    if (QComboBox* types = FileTypeCombo(this)) {
        connect(types, &QComboBox::currentIndexChanged, this, [this] { nameBeforeTypeChange_ = TypedName(); });
    }
    connect(this, &QFileDialog::filterSelected, this, [this] {
        if (!settingFilter_)
            TypeChanged();
    });
}

void TEnhOpenDialog::SetCaptions(const QString& title, const QString& acceptLabel)
{
    setWindowTitle(title);
    setLabelText(QFileDialog::LookIn, QStringLiteral("ファイルの場所(&I):"));
    setLabelText(QFileDialog::FileName, QStringLiteral("ファイル名(&N):"));
    setLabelText(QFileDialog::FileType, QStringLiteral("ファイルの種類(&T):"));
    setLabelText(QFileDialog::Accept, acceptLabel);
    setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
    // Only the file-name label has its field as buddy; give the others theirs so that
    // their mnemonics work and show as such.
    const std::pair<const char*, const char*> buddies[] = {{"lookInLabel", "lookInCombo"},
                                                           {"fileTypeLabel", "fileTypeCombo"}};
    for (const auto& [labelName, fieldName] : buddies) {
        auto* label = findChild<QLabel*>(QLatin1String(labelName));
        auto* field = findChild<QWidget*>(QLatin1String(fieldName));
        if (label && field)
            label->setBuddy(field);
    }
    const std::pair<const char*, QString> hints[] = {
        {"backButton", QStringLiteral("戻る")},
        {"forwardButton", QStringLiteral("進む")},
        {"toParentButton", QStringLiteral("1 つ上のフォルダへ")},
        {"newFolderButton", QStringLiteral("新しいフォルダの作成")},
        {"listModeButton", QStringLiteral("一覧")},
        {"detailModeButton", QStringLiteral("詳細")},
    };
    for (const auto& [buttonName, hint] : hints) {
        if (auto* button = findChild<QWidget*>(QLatin1String(buttonName)))
            button->setToolTip(hint);
    }
}

void TEnhOpenDialog::SetFilter(const QString& filter)
{
    const int index = FilterIndex();
    filter_ = filter;
    settingFilter_ = true;
    setNameFilters(NameFilters(filter));
    settingFilter_ = false;
    SetFilterIndex(index);
}

int TEnhOpenDialog::FilterIndex() const
{
    if (const QComboBox* types = FileTypeCombo(this))
        return types->currentIndex() + 1;
    return static_cast<int>(nameFilters().indexOf(selectedNameFilter())) + 1;
}

void TEnhOpenDialog::SetFilterIndex(int index)
{
    const QStringList filters = nameFilters();
    if (filters.isEmpty())
        return;
    // An index outside the list selects the first type.
    if (index < 1 || index > filters.size())
        index = 1;
    // The toolkit's save dialog would rename the typed file after the type; only a
    // user's choice may do that.
    QLineEdit* edit = FileNameEdit(this);
    const QString typed = edit ? edit->text() : QString();
    settingFilter_ = true;
    selectNameFilter(filters[index - 1]);
    settingFilter_ = false;
    if (edit)
        edit->setText(typed);
}

QString TEnhOpenDialog::NameForFileType(const QString& filter, int filterIndex, const QString& typedName)
{
    if (filterIndex < 1)
        return {};
    // The "|" that ends the description of the type is the (2 * index - 1)-th.
    qsizetype bar = -1;
    for (int n = 0; n < 2 * filterIndex - 1; ++n) {
        bar = filter.indexOf(QLatin1Char('|'), bar + 1);
        if (bar < 0)
            return {};
    }
    QString pattern = filter.mid(bar + 1);
    pattern = pattern.left(pattern.indexOf(QLatin1Char('|')));
    pattern = pattern.left(pattern.indexOf(QLatin1Char(';')));
    const qsizetype dot = pattern.indexOf(QLatin1Char('.'));
    const QString ext = dot < 0 ? QString() : pattern.mid(dot);
    if (typedName.isEmpty())
        return QLatin1Char('*') + ext;
    return ChangeFileExt(typedName, ext);
}

QString TEnhOpenDialog::TypedName() const
{
    const QLineEdit* edit = FileNameEdit(this);
    return edit ? edit->text() : QString();
}

void TEnhOpenDialog::TypeChanged()
{
    QLineEdit* edit = FileNameEdit(this);
    if (!edit)
        return;
    if (!autoExtChange_) {
        edit->setText(nameBeforeTypeChange_);
        return;
    }
    const QString name = NameForFileType(filter_, FilterIndex(), nameBeforeTypeChange_);
    edit->setText(name.isNull() ? nameBeforeTypeChange_ : name);
}

bool TEnhOpenDialog::Execute()
{
    // Like the platform's dialogs, start where the process stands now, which another
    // dialog may have moved since the last run, or in the folder FileName() names.
    const QFileInfo named(fileName_);
    const QString start = fileName_.isEmpty() ? QDir::currentPath() : named.absolutePath();
    QString name = fileName_;
    // Listing a folder of /proc or /sys can block for good (a failed save may have moved
    // the current folder there); start in the user's home instead.
    if (tavi::IsOnPseudoFileSystem(start)) {
        setDirectory(QDir::homePath());
        name = fileName_.isEmpty() ? QString() : named.fileName();
    } else {
        setDirectory(QDir::currentPath());
    }
    if (!name.isEmpty())
        selectFile(name);
    else if (QLineEdit* edit = FileNameEdit(this))
        edit->clear();
    if (exec() != QDialog::Accepted)
        return false;
    const QStringList chosen = selectedFiles();
    if (chosen.isEmpty())
        return false;
    const QFileInfo info(chosen.first());
    fileName_ = QDir::cleanPath(info.absoluteFilePath());
    QDir::setCurrent(info.absolutePath());
    return true;
}

TTextOpenDialog::TTextOpenDialog(QWidget* parent) : TEnhOpenDialog(parent)
{
    QWidget* panel = ExtensionPanel();
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(5, 2, 5, 5);
    column->setSpacing(2);
    checkBox_ = new QCheckBox(QStringLiteral("内容をプレビューする(&P)"), panel);
    checkBox_->setChecked(preview_);
    memo_ = new QPlainTextEdit(panel);
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setFont(QFont(tavi::kFixedGothicFontName));
    column->addWidget(checkBox_);
    column->addWidget(memo_, 1);

    connect(checkBox_, &QCheckBox::toggled, this, [this](bool checked) {
        preview_ = checked;
        RefreshPreview();
    });
    connect(this, &QFileDialog::currentChanged, this, [this](const QString& path) {
        current_ = path;
        RefreshPreview();
    });
    // A name typed into the name box is previewed too, relative to the folder shown.
    if (QLineEdit* edit = FileNameEdit(this)) {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& typed) {
            current_ = typed.isEmpty() || QDir::isAbsolutePath(typed) ? typed : directory().filePath(typed);
            RefreshPreview();
        });
    }
}

void TTextOpenDialog::SetPreview(bool value)
{
    preview_ = value;
    // A change of the box refreshes the preview through its own handler.
    if (checkBox_->isChecked() != value)
        checkBox_->setChecked(value);
    else
        RefreshPreview();
}

void TTextOpenDialog::RefreshPreview()
{
    memo_->clear();
    if (checkBox_->isChecked())
        memo_->setPlainText(PreviewText(current_));
}

QString TTextOpenDialog::PreviewText(const QString& path)
{
    if (path.isEmpty() || path.contains(QLatin1Char('*')) || path.contains(QLatin1Char('?')))
        return {};
    // Only regular files: a folder has no text, and a device, a pipe or a file of /proc
    // could block the dialog.
    const QFileInfo info(path);
    if (!info.isFile() || tavi::IsOnPseudoFileSystem(path))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString lowerName = info.fileName().toLower();
    if (lowerName.endsWith(QStringLiteral(".dfm")) || lowerName.endsWith(QStringLiteral(".~df"))) {
        const QByteArray data = file.read(kFormReadLimit);
        const std::string_view bytes(data.constData(), static_cast<std::size_t>(data.size()));
        if (tavi::IsFormResource(bytes)) {
            try {
                const std::string text = tavi::FormResourceToText(bytes, kPreviewBytes);
                return PreviewTextOf(QByteArray::fromStdString(text));
            } catch (const tavi::TFormResourceError&) {
                // A damaged form still previews as its raw beginning.
            }
        }
        return PreviewTextOf(data.left(kPreviewBytes));
    }
    return PreviewTextOf(file.read(kPreviewBytes));
}

QString LineEndName(tavi::TLineEnd lineEnd)
{
    switch (lineEnd) {
        case tavi::TLineEnd::Lf:
            return QStringLiteral("LF");
        case tavi::TLineEnd::Cr:
            return QStringLiteral("CR");
        case tavi::TLineEnd::CrLf:
            break;
    }
    return QStringLiteral("CR LF");
}

namespace {

// A labelled list whose items carry the enum values they stand for.
template <typename T>
QComboBox* AddChoiceBox(QHBoxLayout* row, const QString& caption, std::initializer_list<std::pair<QString, T>> items)
{
    auto* label = new QLabel(caption);
    auto* box = new QComboBox;
    for (const auto& [name, value] : items)
        box->addItem(name, static_cast<int>(value));
    label->setBuddy(box);
    row->addWidget(label);
    row->addWidget(box);
    return box;
}

template <typename T>
void SelectChoice(QComboBox* box, T value)
{
    box->setCurrentIndex(std::max(0, box->findData(static_cast<int>(value))));
}

}  // namespace

TTextSaveDialog::TTextSaveDialog(QWidget* parent) : TTextOpenDialog(parent)
{
    setAcceptMode(QFileDialog::AcceptSave);
    // Changing the mode rebuilds the dialog's buttons with the toolkit's captions.
    SetCaptions(QStringLiteral("名前を付けて保存"), QStringLiteral("保存(&S)"));

    using tavi::TLineEnd;
    using tavi::TSheetEncoding;
    auto* row = new QHBoxLayout;
    encodingBox_ = AddChoiceBox<TSheetEncoding>(
        row, QStringLiteral("文字コード(&E):"),
        {{tavi::SheetEncodingName(TSheetEncoding::Cp932), TSheetEncoding::Cp932},
         {tavi::SheetEncodingName(TSheetEncoding::Utf8), TSheetEncoding::Utf8},
         {tavi::SheetEncodingName(TSheetEncoding::Utf8WithBom), TSheetEncoding::Utf8WithBom}});
    row->addSpacing(12);
    lineEndBox_ = AddChoiceBox<TLineEnd>(row, QStringLiteral("改行(&L):"),
                                         {{LineEndName(TLineEnd::CrLf), TLineEnd::CrLf},
                                          {LineEndName(TLineEnd::Lf), TLineEnd::Lf},
                                          {LineEndName(TLineEnd::Cr), TLineEnd::Cr}});
    row->addStretch(1);
    // Above the preview, in the order the keyboard reaches them.
    static_cast<QVBoxLayout*>(ExtensionPanel()->layout())->insertLayout(0, row);
    setTabOrder(encodingBox_, lineEndBox_);
    setTabOrder(lineEndBox_, PreviewCheckBox());
}

tavi::TSheetEncoding TTextSaveDialog::SaveEncoding() const
{
    return static_cast<tavi::TSheetEncoding>(encodingBox_->currentData().toInt());
}

void TTextSaveDialog::SetSaveEncoding(tavi::TSheetEncoding encoding)
{
    SelectChoice(encodingBox_, encoding);
}

tavi::TLineEnd TTextSaveDialog::SaveLineEnd() const
{
    return static_cast<tavi::TLineEnd>(lineEndBox_->currentData().toInt());
}

void TTextSaveDialog::SetSaveLineEnd(tavi::TLineEnd lineEnd)
{
    SelectChoice(lineEndBox_, lineEnd);
}

void TTextSaveDialog::accept()
{
    const QStringList chosen = selectedFiles();
    const QFileInfo info(chosen.isEmpty() ? QString() : chosen.first());
    // A folder is opened by the dialog itself; only a file would be replaced.
    if (!chosen.isEmpty() && info.exists() && !info.isDir()) {
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        info.fileName() + QStringLiteral(" は既に存在します。\n置き換えますか?"), QMessageBox::NoButton,
                        this);
        QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        if (box.clickedButton() != yes)
            return;
    }
    TTextOpenDialog::accept();
}
