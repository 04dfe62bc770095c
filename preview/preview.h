// The live preview as the main window sees it: a widget showing a page styled by the sheet, with the browser's verdict
// on the sheet's declarations. The browser engine behind it lives in a module the window loads when the preview is
// first opened, so that the editor starts without it.
#pragma once

#include <QString>
#include <QWidget>
#include <QtPlugin>
#include <functional>
#include <vector>

// One declaration of the sheet, handed over for the browser to judge.
struct TPreviewDeclaration {
    QString Name;
    QString Value;
    bool Important = false;
    int Line = 1;  // the logical line it begins on, from 1
};

// Why the browser drops a declaration.
enum class TDropReason { UnknownProperty, BadValue };

struct TDroppedDeclaration {
    int Index = 0;  // in the declarations handed over
    TDropReason Reason = TDropReason::BadValue;
};

// What the preview shows.
struct TPreviewSheet {
    QString Text;        // the whole sheet as text: the engine never decodes the sheet's bytes itself
    QString SheetFile;   // the sheet's file, empty while untitled; relative URLs resolve against its folder
    QString PageFile;    // the HTML page chosen for the sheet; empty for SamplePage
    QString SamplePage;  // the page made from the sheet's selectors
    std::vector<TPreviewDeclaration> Declarations;  // those of style rules, to be judged
};

// The preview pane. Nothing it shows can change the document: it only reports.
class TPreview : public QWidget {
public:
    using QWidget::QWidget;

    // Shows `sheet`. A page is loaded when the page or the sheet's file differs from the last
    // one shown; otherwise only the sheet's text in the page is replaced, so that the page keeps
    // its scroll position. The verdict follows through OnVerdict.
    virtual void ShowSheet(const TPreviewSheet& sheet) = 0;
    // Requests the page made and the preview refused since it was loaded (the network, or
    // anything else that is not a local file).
    virtual int BlockedRequests() const = 0;

    // The declarations the browser dropped, after each ShowSheet.
    std::function<void(const std::vector<TDroppedDeclaration>& dropped)> OnVerdict;
    // The user picked a dropped declaration in the pane's list.
    std::function<void(int index)> OnJump;
    // The user chose another page for the sheet (empty: the sample page again).
    std::function<void(const QString& pageFile)> OnPageChosen;
};

// What the module gives: a preview pane.
class TPreviewFactory {
public:
    virtual ~TPreviewFactory() = default;
    virtual TPreview* CreatePreview(QWidget* parent) = 0;
};

#define TPreviewFactory_iid "org.example.TaviCssEditor.PreviewFactory/1"
Q_DECLARE_INTERFACE(TPreviewFactory, TPreviewFactory_iid)

// Why the browser drops a declaration ("値 '10inch' を解釈できません"), and the tip of a
// dropped declaration: "ブラウザーに無視される宣言です: " and why.
QString DropReason(const TPreviewDeclaration& declaration, TDropReason reason);
QString DropMessage(const TPreviewDeclaration& declaration, TDropReason reason);
