// The web page of the preview: runs none of the page's scripts, loads only local files, and never leaves the page it
// was given.
#pragma once

#include <QString>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>

// Lets a page load local files and data only. The sheet's own file is refused too: the page
// gets the sheet's text from the editor instead, changes not yet saved included.
class TLocalOnlyRequests : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void SetSheetFile(const QString& path) { sheetUrl_ = path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path); }
    // Requests refused since the count was last reset, the sheet's own file not counted.
    int Blocked() const { return blocked_; }
    void ResetBlocked() { blocked_ = 0; }
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    QUrl sheetUrl_;
    int blocked_ = 0;
};

class TPreviewPage : public QWebEnginePage {
    Q_OBJECT
public:
    TPreviewPage(QWebEngineProfile* profile, QObject* parent);

protected:
    // Only the loads the preview starts itself: a link followed or a form sent would put
    // another page in the sheet's place.
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    // The page's messages are not the user's concern.
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int, const QString&) override {}
};
