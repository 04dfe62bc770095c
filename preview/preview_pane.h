// The preview pane: the page styled by the sheet in a browser engine, the page's choice, and the list of the
// declarations the browser dropped.
#pragma once

#include <QString>
#include <functional>

#include "preview/preview.h"

class QLabel;
class QListWidget;
class QPushButton;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;
class TLocalOnlyRequests;
class TPreviewPage;

class TPreviewPane : public TPreview {
public:
    explicit TPreviewPane(QWidget* parent = nullptr);
    ~TPreviewPane() override;

    void ShowSheet(const TPreviewSheet& sheet) override;
    int BlockedRequests() const override;

    // Asks for an HTML page for the sheet and hands it to OnPageChosen. Runs the file chooser
    // unless replaced; tests replace it.
    void ChoosePage();
    std::function<QString(QWidget* parent, const QString& folder)> RunPageChooser;

    // What tests and benchmarks look into: the view and its page, the list, and the number
    // of sheets the page has taken (each ShowSheet once its text is in the page).
    QWebEngineView* View() const { return view_; }
    QWebEnginePage* Page() const;
    QListWidget* DroppedList() const { return dropped_; }
    int SheetsApplied() const { return applied_; }
    // Runs `script` in the preview's own world (the page's scripts stay off) and hands its
    // result to `done`.
    void RunScript(const QString& script, const std::function<void(const QVariant&)>& done);

private:
    void LoadPage();
    void ApplySheet();
    void TakeVerdict(const std::vector<TDroppedDeclaration>& dropped);
    void ShowBlocked();

    QWebEngineProfile* profile_ = nullptr;
    TLocalOnlyRequests* requests_ = nullptr;
    QWebEngineView* view_ = nullptr;
    TPreviewPage* page_ = nullptr;
    QLabel* pageName_ = nullptr;
    QPushButton* choosePage_ = nullptr;
    QPushButton* samplePage_ = nullptr;
    QLabel* blocked_ = nullptr;
    QLabel* droppedTitle_ = nullptr;
    QListWidget* dropped_ = nullptr;

    TPreviewSheet sheet_;  // the latest sheet asked for
    QString loadedPage_;   // what the page holds: the page file, or the sample page
    QString loadedFolder_;
    QString loadedSample_;  // the sample page loaded, when it is
    bool loaded_ = false;   // a page was loaded since the view was made
    bool loading_ = false;  // a page is loading: the sheet goes in when it is done
    int generation_ = 0;    // ShowSheet calls, so that a late verdict of an older text is dropped
    int applied_ = 0;
};
