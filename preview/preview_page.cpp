// The web page of the preview and the requests it may make.
#include "preview/preview_page.h"

#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>

void TLocalOnlyRequests::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    const QUrl url = info.requestUrl();
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("file")) {
        if (!sheetUrl_.isEmpty() && url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment) == sheetUrl_)
            info.block(true);
        return;
    }
    if (scheme == QLatin1String("data") || scheme == QLatin1String("blob") || scheme == QLatin1String("about"))
        return;
    info.block(true);
    ++blocked_;
}

TPreviewPage::TPreviewPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent)
{
    QWebEngineSettings* s = settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    // Remote requests reach the request filter, which refuses and counts them.
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
}

bool TPreviewPage::acceptNavigationRequest(const QUrl&, NavigationType type, bool isMainFrame)
{
    return !isMainFrame || type == NavigationTypeTyped || type == NavigationTypeReload || type == NavigationTypeOther;
}
