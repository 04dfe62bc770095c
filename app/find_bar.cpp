// The find bar at the foot of the main window: finding forwards and backwards, replacing, and the bar's notes.
#include "app/find_bar.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <iterator>

#include "components/spoken_names.h"
#include "editor/editor.h"
#include "platform/code_page.h"

namespace {

QPushButton* Button(QWidget* parent, const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

// Keys that edit a line of text. They are the window's shortcuts for the document too;
// in the bar's boxes they must edit the box.
bool IsTextEditingKey(QKeyEvent* key)
{
    for (const QKeySequence::StandardKey standard : {QKeySequence::Copy, QKeySequence::Paste, QKeySequence::Cut,
                                                     QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll}) {
        if (key->matches(standard))
            return true;
    }
    const QKeyCombination combination = key->keyCombination();
    return combination == QKeyCombination(Qt::ControlModifier, Qt::Key_D) ||
           combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

}  // namespace

TFindBar::TFindBar(TEditor* editor, QWidget* parent) : QFrame(parent), editor_(editor)
{
    setObjectName(QStringLiteral("FindBar"));
    setFrameShape(QFrame::StyledPanel);
    FindLabel = new QLabel(QStringLiteral("検索(&K):"), this);
    FindEdit = new QLineEdit(this);
    PreviousButton = Button(this, QStringLiteral("前を検索(&P)"), QStringLiteral("前を検索 (Shift+Enter)"));
    NextButton = Button(this, QStringLiteral("次を検索(&N)"), QStringLiteral("次を検索 (Enter)"));
    NoteLabel = new QLabel(this);
    CloseButton = new QToolButton(this);
    CloseButton->setText(QStringLiteral("×"));
    CloseButton->setToolTip(QStringLiteral("検索バーを閉じる (Esc)"));
    CloseButton->setAutoRaise(true);
    ReplaceLabel = new QLabel(QStringLiteral("置換(&R):"), this);
    ReplaceEdit = new QLineEdit(this);
    ReplaceButton = Button(this, QStringLiteral("置換(&L)"), QStringLiteral("選択中の一致を置換して次を検索 (Enter)"));
    ReplaceAllButton = Button(this, QStringLiteral("すべて置換(&A)"), QStringLiteral("文書中の一致をすべて置換"));
    MatchCaseBox = new QCheckBox(QStringLiteral("大文字と小文字を区別(&C)"), this);
    WholeWordBox = new QCheckBox(QStringLiteral("単語単位(&W)"), this);
    RegexBox = new QCheckBox(QStringLiteral("正規表現(&X)"), this);

    FindLabel->setBuddy(FindEdit);
    ReplaceLabel->setBuddy(ReplaceEdit);
    tavi::NameEach({{FindEdit, QStringLiteral("検索する文字列")},
                    {ReplaceEdit, QStringLiteral("置換後の文字列")},
                    {CloseButton, QStringLiteral("検索バーを閉じる")}});

    // What to find, what to put instead, then the options and the note: the boxes get the
    // width of the window.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 4, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(FindLabel, 0, 0);
    grid->addWidget(FindEdit, 0, 1);
    grid->addWidget(PreviousButton, 0, 2);
    grid->addWidget(NextButton, 0, 3);
    grid->addWidget(CloseButton, 0, 4);
    grid->addWidget(ReplaceLabel, 1, 0);
    grid->addWidget(ReplaceEdit, 1, 1);
    grid->addWidget(ReplaceButton, 1, 2);
    grid->addWidget(ReplaceAllButton, 1, 3);
    auto* options = new QHBoxLayout;
    options->setSpacing(10);
    options->addWidget(MatchCaseBox);
    options->addWidget(WholeWordBox);
    options->addWidget(RegexBox);
    options->addSpacing(10);
    options->addWidget(NoteLabel, 1);
    grid->addLayout(options, 2, 1, 1, 4);
    grid->setColumnStretch(1, 1);

    // Tab goes along the rows, the close button last.
    QWidget* const order[] = {FindEdit,         PreviousButton, NextButton,   ReplaceEdit, ReplaceButton,
                              ReplaceAllButton, MatchCaseBox,   WholeWordBox, RegexBox,    CloseButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (QLineEdit* edit : {FindEdit, ReplaceEdit})
        edit->installEventFilter(this);
    connect(NextButton, &QPushButton::clicked, this, &TFindBar::FindNext);
    connect(PreviousButton, &QPushButton::clicked, this, &TFindBar::FindPrevious);
    connect(ReplaceButton, &QPushButton::clicked, this, &TFindBar::ReplaceOne);
    connect(ReplaceAllButton, &QPushButton::clicked, this, &TFindBar::ReplaceAll);
    connect(CloseButton, &QToolButton::clicked, this, &TFindBar::Close);
    // A changed search makes the old note wrong.
    connect(FindEdit, &QLineEdit::textEdited, this, [this] { SetNote({}); });
    for (QCheckBox* box : {MatchCaseBox, WholeWordBox, RegexBox})
        connect(box, &QCheckBox::toggled, this, [this] { SetNote({}); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &TFindBar::Close);
    hide();
}

void TFindBar::OpenFind(const QString& text)
{
    Open(text, false);
}

void TFindBar::OpenReplace(const QString& text)
{
    Open(text, true);
}

void TFindBar::Open(const QString& text, bool replacing)
{
    replacing_ = replacing;
    for (QWidget* part : std::initializer_list<QWidget*>{ReplaceLabel, ReplaceEdit, ReplaceButton, ReplaceAllButton})
        part->setVisible(replacing);
    if (!text.isEmpty())
        FindEdit->setText(text);
    SetNote({});
    // The code page's tables are made on first use; made now, while the user types, the
    // first search does not wait for them.
    tavi::Cp932Units();
    show();
    FindEdit->setFocus(Qt::ShortcutFocusReason);
    FindEdit->selectAll();
}

void TFindBar::Close()
{
    hide();
    editor_->setFocus(Qt::OtherFocusReason);
}

void TFindBar::hideEvent(QHideEvent* event)
{
    // The decoded document is as large as the document twice over: not kept while unused.
    search_.Forget();
    QFrame::hideEvent(event);
}

QString TFindBar::Note() const
{
    return NoteLabel->text();
}

void TFindBar::SetNote(const QString& text, bool problem)
{
    NoteLabel->setText(text);
    QPalette palette = NoteLabel->palette();
    palette.setColor(QPalette::WindowText,
                     problem ? QColor(0xB0, 0x00, 0x20) : this->palette().color(QPalette::WindowText));
    NoteLabel->setPalette(palette);
}

bool TFindBar::TakeOptions()
{
    const tavi::TSearchOptions options{FindEdit->text(), MatchCaseBox->isChecked(), WholeWordBox->isChecked(),
                                       RegexBox->isChecked()};
    if (const QString error = search_.SetOptions(options); !error.isEmpty()) {
        SetNote(error, true);
        return false;
    }
    if (!search_.Ready()) {
        SetNote(QStringLiteral("検索する文字列を入力してください"), true);
        return false;
    }
    return true;
}

bool TFindBar::TakeReplacement()
{
    if (editor_->ReadOnly()) {
        SetNote(QStringLiteral("読み取り専用のため置換できません"), true);
        return false;
    }
    if (const QString error = search_.SetReplacement(ReplaceEdit->text(), editor_->Core().Encoding());
        !error.isEmpty()) {
        SetNote(error, true);
        return false;
    }
    return true;
}

void TFindBar::Select(tavi::TTextMatch match)
{
    tavi::TEditorCore& core = editor_->Core();
    core.SetSelStart(match.Start);
    core.SetSelLength(match.Length);
    editor_->ScrollToCaret();
}

void TFindBar::ShowFailure()
{
    switch (search_.Failure()) {
        case tavi::TSearchFailure::NotFound:
            SetNote(QStringLiteral("見つかりません"), true);
            break;
        case tavi::TSearchFailure::TooComplex:
            SetNote(QStringLiteral("正規表現が複雑すぎます"), true);
            break;
        case tavi::TSearchFailure::Stopped:
            SetNote(QStringLiteral("中止しました"), true);
            break;
    }
}

void TFindBar::Show(const std::optional<tavi::TDocumentSearch::TFound>& found, const QString& wrapNote)
{
    if (!found) {
        ShowFailure();
        return;
    }
    Select(found->Match);
    SetNote(found->Wrapped ? wrapNote : QString());
}

void TFindBar::FindNext()
{
    if (!TakeOptions())
        return;
    const tavi::TEditorCore& core = editor_->Core();
    Show(search_.FindNext(core, core.SelStart() + core.SelLength()),
         QStringLiteral("末尾に達したので先頭から検索しました"));
}

void TFindBar::FindPrevious()
{
    if (!TakeOptions())
        return;
    const tavi::TEditorCore& core = editor_->Core();
    Show(search_.FindPrevious(core, core.SelStart()), QStringLiteral("先頭に達したので末尾から検索しました"));
}

void TFindBar::ReplaceOne()
{
    if (!TakeOptions() || !TakeReplacement())
        return;
    tavi::TEditorCore& core = editor_->Core();
    // A selection that is no match is passed over; a replace that failed otherwise says why.
    if (!search_.Replace(core, {core.SelStart(), core.SelLength()}) &&
        search_.Failure() != tavi::TSearchFailure::NotFound) {
        ShowFailure();
        return;
    }
    FindNext();
}

void TFindBar::ReplaceAll()
{
    if (!TakeOptions() || !TakeReplacement())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const long long count = search_.ReplaceAll(editor_->Core());
    QApplication::restoreOverrideCursor();
    if (count == 0) {
        ShowFailure();
        return;
    }
    editor_->ScrollToCaret();
    SetNote(QStringLiteral("%1 個置換しました").arg(count));
}

bool TFindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && IsTextEditingKey(static_cast<QKeyEvent*>(event))) {
        event->accept();  // the box gets the key instead of the window's shortcut
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier)
                FindPrevious();
            else if (watched == ReplaceEdit)
                ReplaceOne();
            else
                FindNext();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
