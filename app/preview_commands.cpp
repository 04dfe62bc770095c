// The live preview beside the editor: showing and hiding it, handing it the document after each pause in typing, and
// marking the declarations the browser drops.
#include <QAction>
#include <QBoxLayout>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

#include "app/application.h"
#include "app/main_window.h"
#include "app/preview_loader.h"
#include "components/splitter.h"
#include "css/css_declarations.h"
#include "css/css_sample_page.h"
#include "editor/editor.h"

namespace {

// The narrowest the pane may be, and what the editor keeps at least when it is wide.
constexpr int kNarrowestPane = 160;

}  // namespace

void TForm1::CreatePreviewCommands()
{
    PreviewTimer = new QTimer(this);
    PreviewTimer->setObjectName(QStringLiteral("PreviewTimer"));
    PreviewTimer->setSingleShot(true);
    PreviewTimer->setInterval(kPreviewDelay);
    connect(PreviewTimer, &QTimer::timeout, this, [this] { Guarded([this] { UpdatePreview(); }); });
    ExtMemo1->Core().OnChange = [this] {
        ++documentEdits_;
        ShowCaretPlace();
        if (PreviewShown())
            PreviewTimer->start();  // typing on restarts the wait: the page follows a pause
    };
    connect(Preview1, &QAction::toggled, this, [this](bool on) { Guarded([this, on] { SetPreviewShown(on); }); });
    CreatePreview = [](QWidget* parent, QString& error) -> TPreview* {
        TPreviewFactory* factory = LoadPreviewModule(error);
        return factory ? factory->CreatePreview(parent) : nullptr;
    };
}

bool TForm1::PreviewShown() const
{
    return Preview && !Preview->isHidden();
}

void TForm1::SetPreviewShown(bool shown)
{
    if (shown && !Preview) {
        QString error;
        Preview = CreatePreview ? CreatePreview(centralWidget(), error) : nullptr;
        if (!Preview) {
            Preview1->setChecked(false);
            throw std::runtime_error(error.toStdString());
        }
        Preview->OnVerdict = [this](const std::vector<TDroppedDeclaration>& dropped) { TakeVerdict(dropped); };
        Preview->OnJump = [this](int index) { JumpToDeclaration(index); };
        Preview->OnPageChosen = [this](const QString& page) { ChoosePreviewPage(page); };
        Splitter5 = new TSplitter(Qt::Vertical, 4, centralWidget());
        Splitter5->setObjectName(QStringLiteral("Splitter5"));
        Splitter5->SetControl(Preview);
        Splitter5->SetControlAfter(true);
        Splitter5->SetMinSize(kNarrowestPane);
        editorRow_->addWidget(Splitter5);
        editorRow_->addWidget(Preview);
        const int room = centralWidget()->width();
        const int width = previewSettings_.Width > 0 ? previewSettings_.Width : room / 2;
        Preview->setFixedWidth(std::clamp(width, kNarrowestPane, std::max(kNarrowestPane, room - kNarrowestPane)));
    }
    if (Preview) {
        Preview->setVisible(shown);
        Splitter5->setVisible(shown);
    }
    previewSettings_.Shown = PreviewShown();
    Preview1->setChecked(PreviewShown());
    if (PreviewShown()) {
        UpdatePreview();
    } else {
        // Hidden, the verdict no longer follows the text.
        PreviewTimer->stop();
        ExtMemo1->SetTextMarks({});
    }
}

void TForm1::UpdatePreview()
{
    PreviewTimer->stop();
    if (!PreviewShown())
        return;
    const tavi::TEditorCore& core = ExtMemo1->Core();
    const std::string bytes = core.TextRange(0, core.GetTextLen());
    TPreviewSheet sheet;
    sheet.Text = ExtMemo1->FromDocument(bytes);
    sheet.SheetFile = IsUntitled() ? QString() : DocumentPath();
    sheet.PageFile = previewSettings_.PageFor(sheet.SheetFile);
    if (sheet.PageFile.isEmpty()) {
        sheet.SamplePage = QString::fromStdString(tavi::SamplePage(
            ExtMemo1->CssSimpleSelectors(), [this](auto name) { return ExtMemo1->FromDocument(name).toStdString(); }));
    }
    previewPlaces_.clear();
    int line = 1;
    auto counted = bytes.begin();
    for (const tavi::TCssDeclaration& d : tavi::CssDeclarationsOf(bytes, core.Encoding())) {
        // A custom property takes any value; an at-rule's descriptors are not properties.
        if (!d.InStyleRule || d.Name(bytes).starts_with("--"))
            continue;
        line += static_cast<int>(std::count(counted, bytes.begin() + d.Begin, '\n'));
        counted = bytes.begin() + d.Begin;
        sheet.Declarations.push_back(
            {ExtMemo1->FromDocument(d.Name(bytes)), ExtMemo1->FromDocument(d.Value(bytes)), d.Important, line});
        previewPlaces_.emplace_back(d.Begin, d.End);
    }
    previewEdits_ = documentEdits_;
    previewDeclarations_ = sheet.Declarations;
    Preview->ShowSheet(sheet);
}

void TForm1::TakeVerdict(const std::vector<TDroppedDeclaration>& dropped)
{
    // A verdict on a text edited since is not marked: the update after the edit brings its own.
    if (previewEdits_ != documentEdits_)
        return;
    std::vector<long long> offsets;
    for (const TDroppedDeclaration& d : dropped) {
        offsets.push_back(previewPlaces_[static_cast<std::size_t>(d.Index)].first);
        offsets.push_back(previewPlaces_[static_cast<std::size_t>(d.Index)].second);
    }
    const std::vector<tavi::TTextPos> places = ExtMemo1->Core().PlacesOf(offsets);
    std::vector<TEditor::TTextMark> marks;
    for (std::size_t i = 0; i < dropped.size(); ++i) {
        const TPreviewDeclaration& declaration = previewDeclarations_[static_cast<std::size_t>(dropped[i].Index)];
        marks.push_back({places[2 * i], places[2 * i + 1], DropMessage(declaration, dropped[i].Reason)});
    }
    ExtMemo1->SetTextMarks(std::move(marks));
}

void TForm1::JumpToDeclaration(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= previewPlaces_.size())
        return;
    const auto [begin, end] = previewPlaces_[static_cast<std::size_t>(index)];
    ExtMemo1->SetSelStart(begin);
    ExtMemo1->SetSelLength(end - begin);
    ExtMemo1->ScrollToCaret();
    ExtMemo1->setFocus();
}

void TForm1::ChoosePreviewPage(const QString& page)
{
    previewSettings_.SetPageFor(IsUntitled() ? QString() : DocumentPath(), page);
    UpdatePreview();
}
