// The preview pane: loads the page, puts the sheet's text in it and asks the engine's CSS parser about each
// declaration.
#include "preview/preview_pane.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <map>

#include "preview/preview_page.h"

namespace {

// Puts the sheet in the page (the sample page's <style id="sheet">, or a style element of its
// own at the end of the head) and judges each declaration: the engine's parser takes it into a
// scratch rule, or drops it. A dropped one is tried again with "initial" to tell an unknown
// property from a value it cannot read. Runs in the preview's world: the page's scripts are off.
constexpr char kApplyScript[] = R"JS(
(function (text, declarations) {
    if (!window.taviSheet || !window.taviSheet.isConnected) {
        let style = document.getElementById('sheet');
        if (!style || style.localName !== 'style') {
            style = document.createElement('style');
            (document.head || document.documentElement).appendChild(style);
        }
        window.taviSheet = style;
    }
    if (window.taviSheet.textContent !== text)
        window.taviSheet.textContent = text;
    if (!window.taviScratch) {
        window.taviScratch = new CSSStyleSheet();
        window.taviScratch.insertRule('x{}');
    }
    const style = window.taviScratch.cssRules[0].style;
    const dropped = [];
    for (let i = 0; i < declarations.length; ++i) {
        const d = declarations[i];
        style.cssText = '';
        style.setProperty(d[0], d[1], d[2] ? 'important' : '');
        if (style.length > 0)
            continue;
        style.cssText = '';
        style.setProperty(d[0], 'initial');
        dropped.push([i, style.length === 0 ? 0 : 1]);
    }
    return dropped;
})
)JS";

// The sheet's folder as a URL ending in "/": what relative URLs resolve against.
QUrl FolderUrl(const QString& folder)
{
    return QUrl::fromLocalFile(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

}  // namespace

TPreviewPane::TPreviewPane(QWidget* parent) : TPreview(parent)
{
    setObjectName(QStringLiteral("PreviewPane"));
    // A profile of its own that keeps nothing on disk: no cache, no cookies, no history.
    profile_ = new QWebEngineProfile(this);
    profile_->setHttpCacheType(QWebEngineProfile::NoCache);
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    requests_ = new TLocalOnlyRequests(this);
    profile_->setUrlRequestInterceptor(requests_);

    pageName_ = new QLabel(this);
    pageName_->setObjectName(QStringLiteral("PreviewPageName"));
    pageName_->setTextFormat(Qt::PlainText);
    pageName_->setMinimumWidth(40);
    pageName_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    choosePage_ = new QPushButton(QStringLiteral("ページを選ぶ(&P)..."), this);
    choosePage_->setObjectName(QStringLiteral("PreviewChoosePage"));
    samplePage_ = new QPushButton(QStringLiteral("見本ページ(&M)"), this);
    samplePage_->setObjectName(QStringLiteral("PreviewSamplePage"));
    samplePage_->setToolTip(QStringLiteral("シートのセレクターから作ったページに戻します"));
    connect(choosePage_, &QPushButton::clicked, this, [this] { ChoosePage(); });
    connect(samplePage_, &QPushButton::clicked, this, [this] {
        if (OnPageChosen)
            OnPageChosen(QString());
    });

    view_ = new QWebEngineView(this);
    view_->setObjectName(QStringLiteral("PreviewView"));
    page_ = new TPreviewPage(profile_, view_);
    view_->setPage(page_);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    view_->setAccessibleName(QStringLiteral("プレビュー"));
    connect(page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        loading_ = false;
        if (!ok && !loadedPage_.isEmpty())
            pageName_->setText(QStringLiteral("ページを開けません: ") + QDir::toNativeSeparators(loadedPage_));
        ApplySheet();
    });

    blocked_ = new QLabel(this);
    blocked_->setObjectName(QStringLiteral("PreviewBlocked"));
    blocked_->hide();
    droppedTitle_ = new QLabel(this);
    droppedTitle_->setObjectName(QStringLiteral("PreviewDroppedTitle"));
    dropped_ = new QListWidget(this);
    dropped_->setObjectName(QStringLiteral("PreviewDropped"));
    dropped_->setAccessibleName(QStringLiteral("ブラウザーに無視される宣言"));
    droppedTitle_->setBuddy(dropped_);
    const auto jump = [this](QListWidgetItem* item) {
        if (OnJump && item)
            OnJump(item->data(Qt::UserRole).toInt());
    };
    connect(dropped_, &QListWidget::itemActivated, this, jump);
    connect(dropped_, &QListWidget::itemClicked, this, jump);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(4, 2, 4, 2);
    header->addWidget(pageName_, 1);
    header->addWidget(choosePage_);
    header->addWidget(samplePage_);
    auto* verdict = new QWidget(this);
    auto* verdictColumn = new QVBoxLayout(verdict);
    verdictColumn->setContentsMargins(4, 2, 4, 2);
    verdictColumn->setSpacing(2);
    verdictColumn->addWidget(blocked_);
    verdictColumn->addWidget(droppedTitle_);
    verdictColumn->addWidget(dropped_);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("PreviewSplit"));
    split->setChildrenCollapsible(false);
    split->addWidget(view_);
    split->addWidget(verdict);
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 1);
    split->setSizes({400, 100});  // the page takes most of the height
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(header);
    column->addWidget(split, 1);
    droppedTitle_->setText(QStringLiteral("ブラウザーに無視される宣言(&B): なし"));
}

TPreviewPane::~TPreviewPane()
{
    // The page goes before its profile; a verdict still on its way is dropped.
    generation_ = -1;
    delete view_;
    view_ = nullptr;
}

QWebEnginePage* TPreviewPane::Page() const
{
    return page_;
}

int TPreviewPane::BlockedRequests() const
{
    return requests_->Blocked();
}

void TPreviewPane::ShowSheet(const TPreviewSheet& sheet)
{
    sheet_ = sheet;
    ++generation_;
    requests_->SetSheetFile(sheet.SheetFile);
    const QString folder = sheet.SheetFile.isEmpty() ? QDir::homePath() : QFileInfo(sheet.SheetFile).absolutePath();
    // The sample page is made again when the sheet names other selectors.
    const bool otherSample = sheet.PageFile.isEmpty() && sheet.SamplePage != loadedSample_;
    if (!loaded_ || sheet.PageFile != loadedPage_ || folder != loadedFolder_ || otherSample) {
        loadedPage_ = sheet.PageFile;
        loadedFolder_ = folder;
        loadedSample_ = sheet.PageFile.isEmpty() ? sheet.SamplePage : QString();
        LoadPage();
    } else if (!loading_) {
        ApplySheet();
    }
}

void TPreviewPane::LoadPage()
{
    loaded_ = true;
    loading_ = true;
    requests_->ResetBlocked();
    ShowBlocked();
    if (loadedPage_.isEmpty()) {
        pageName_->setText(QStringLiteral("見本ページ"));
        page_->setHtml(sheet_.SamplePage, FolderUrl(loadedFolder_));
    } else {
        pageName_->setText(QDir::toNativeSeparators(loadedPage_));
        page_->load(QUrl::fromLocalFile(loadedPage_));
    }
    pageName_->setToolTip(loadedPage_.isEmpty() ? QStringLiteral("シートのセレクターから作ったページ")
                                                : pageName_->text());
}

void TPreviewPane::ApplySheet()
{
    // The same declaration written many times is asked about once.
    std::map<std::tuple<QString, QString, bool>, int> asked;
    std::vector<int> askedIndex(sheet_.Declarations.size());
    QJsonArray declarations;
    for (std::size_t i = 0; i < sheet_.Declarations.size(); ++i) {
        const TPreviewDeclaration& d = sheet_.Declarations[i];
        const auto [at, added] = asked.try_emplace({d.Name, d.Value, d.Important}, declarations.size());
        if (added)
            declarations.append(QJsonArray{d.Name, d.Value, d.Important});
        askedIndex[i] = at->second;
    }
    const QByteArray arguments = QJsonDocument(QJsonArray{sheet_.Text, declarations}).toJson(QJsonDocument::Compact);
    const int generation = generation_;
    const QString script =
        QLatin1String(kApplyScript) + QStringLiteral(".apply(null, ") + QString::fromUtf8(arguments) + QLatin1Char(')');
    page_->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                         [this, generation, askedIndex = std::move(askedIndex)](const QVariant& result) {
                             if (generation != generation_)
                                 return;
                             ++applied_;
                             // Back from asked declarations to every declaration they stand for.
                             std::map<int, TDropReason> droppedAsked;
                             for (const QVariant& entry : result.toList()) {
                                 const QVariantList pair = entry.toList();
                                 if (pair.size() == 2)
                                     droppedAsked[pair[0].toInt()] =
                                         pair[1].toInt() == 0 ? TDropReason::UnknownProperty : TDropReason::BadValue;
                             }
                             std::vector<TDroppedDeclaration> dropped;
                             for (std::size_t i = 0; i < askedIndex.size(); ++i)
                                 if (const auto it = droppedAsked.find(askedIndex[i]); it != droppedAsked.end())
                                     dropped.push_back({static_cast<int>(i), it->second});
                             TakeVerdict(dropped);
                         });
}

void TPreviewPane::TakeVerdict(const std::vector<TDroppedDeclaration>& dropped)
{
    dropped_->clear();
    for (const TDroppedDeclaration& d : dropped) {
        const TPreviewDeclaration& declaration = sheet_.Declarations[static_cast<std::size_t>(d.Index)];
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 行: %2").arg(declaration.Line).arg(DropReason(declaration, d.Reason)), dropped_);
        item->setData(Qt::UserRole, d.Index);
        item->setToolTip(DropMessage(declaration, d.Reason));
    }
    droppedTitle_->setText(dropped.empty()
                               ? QStringLiteral("ブラウザーに無視される宣言(&B): なし")
                               : QStringLiteral("ブラウザーに無視される宣言(&B): %1 件").arg(dropped.size()));
    ShowBlocked();
    if (OnVerdict)
        OnVerdict(dropped);
}

void TPreviewPane::ShowBlocked()
{
    const int blocked = requests_->Blocked();
    blocked_->setText(
        QStringLiteral("ネットワークからの読み込みを %1 件止めました (ローカルのファイルだけを読みます)").arg(blocked));
    blocked_->setVisible(blocked > 0);
}

void TPreviewPane::ChoosePage()
{
    const QString folder = !sheet_.PageFile.isEmpty()    ? QFileInfo(sheet_.PageFile).absolutePath()
                           : !sheet_.SheetFile.isEmpty() ? QFileInfo(sheet_.SheetFile).absolutePath()
                                                         : QDir::homePath();
    const QString chosen = RunPageChooser
                               ? RunPageChooser(this, folder)
                               : QFileDialog::getOpenFileName(
                                     this, QStringLiteral("プレビューするページを選ぶ"), folder,
                                     QStringLiteral("HTML ファイル (*.html *.htm *.xhtml);;すべてのファイル (*)"));
    if (!chosen.isEmpty() && OnPageChosen)
        OnPageChosen(chosen);
}

void TPreviewPane::RunScript(const QString& script, const std::function<void(const QVariant&)>& done)
{
    page_->runJavaScript(script, QWebEngineScript::ApplicationWorld, done);
}
