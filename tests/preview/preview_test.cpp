// Tests of the live preview: the page styled by the sheet, updates that keep the page, the browser's verdict marked in
// the editor, and a page that can neither run its scripts nor reach the network.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <memory>

#include "app/main_window.h"
#include "editor/editor.h"
#include "platform/os/process_user.h"
#include "preview/preview_pane.h"

namespace {

// The engine's sandbox cannot run as root; the tests turn it off there, before the engine starts.
class EngineEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (tavi::RunsAsRoot())
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
};
const auto* const kEngineEnvironment = ::testing::AddGlobalTestEnvironment(new EngineEnvironment);

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

constexpr char kSample[] =
    "<!DOCTYPE html><html><head><style id=\"sheet\"></style></head>"
    "<body><h1>見出し</h1><p class=\"note\">本文 text</p></body></html>";

class PreviewPaneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pane.resize(400, 500);
        pane.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
        pane.OnVerdict = [this](const std::vector<TDroppedDeclaration>& d) { verdict = d; };
    }

    // Shows `text` on `page` (the sample page when empty) and waits until it is in the page.
    void Show(const QString& text, std::vector<TPreviewDeclaration> declarations = {}, const QString& page = {})
    {
        TPreviewSheet sheet;
        sheet.Text = text;
        sheet.SheetFile = folder.filePath("sheet.css");
        sheet.PageFile = page;
        sheet.SamplePage = QString::fromUtf8(kSample);
        sheet.Declarations = std::move(declarations);
        const int before = pane.SheetsApplied();
        pane.ShowSheet(sheet);
        ASSERT_TRUE(QTest::qWaitFor([&] { return pane.SheetsApplied() > before; }, 20000));
    }

    QVariant Eval(const QString& script)
    {
        QVariant result;
        bool done = false;
        pane.RunScript(script, [&](const QVariant& r) {
            result = r;
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
        return result;
    }

    QTemporaryDir folder;
    TPreviewPane pane;
    std::vector<TDroppedDeclaration> verdict;
};

TEST_F(PreviewPaneTest, ThePageShowsTheSheetAndRelativeUrlsResolveInItsFolder)
{
    Show("p { color: rgb(255, 0, 0); background-image: url(pics/a.png) } body { background: rgb(0, 0, 255) }");
    EXPECT_EQ(Eval("getComputedStyle(document.querySelector('p')).color").toString(), "rgb(255, 0, 0)");
    EXPECT_EQ(Eval("getComputedStyle(document.querySelector('p')).backgroundImage").toString(),
              "url(\"" + QUrl::fromLocalFile(folder.filePath("pics/a.png")).toString() + "\")");
    // The view shows it: the body's colour fills the view's lower part.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QImage image = pane.View()->grab().toImage();
            return QColor(image.pixel(image.width() / 2, image.height() - 20)) == QColor(0, 0, 255);
        },
        10000));
}

TEST_F(PreviewPaneTest, AnEditReplacesOnlyTheSheetSoThePageKeepsItsScroll)
{
    int loads = 0;
    QObject::connect(pane.Page(), &QWebEnginePage::loadFinished, [&] { ++loads; });
    Show("body { height: 5000px } p { color: rgb(1, 2, 3) }");
    Eval("window.scrollTo(0, 1200)");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Eval("window.scrollY").toInt() == 1200; }, 5000));
    Show("body { height: 5000px } p { color: rgb(4, 5, 6) }");
    EXPECT_EQ(Eval("getComputedStyle(document.querySelector('p')).color").toString(), "rgb(4, 5, 6)");
    EXPECT_EQ(Eval("window.scrollY").toInt(), 1200);
    EXPECT_EQ(loads, 1);
}

TEST_F(PreviewPaneTest, TheVerdictNamesWhatTheParserDropsAndTheListJumps)
{
    Show("", {{"margin", "10inch", false, 3},
              {"margin", "10in", false, 4},
              {"colr", "red", false, 5},
              {"color", "", false, 6},
              {"color", "red", true, 7},
              {"margin", "10inch", false, 8},
              {"COLOR", "Red", false, 9}});
    ASSERT_EQ(verdict.size(), 4u);
    const std::vector<std::pair<int, TDropReason>> expected = {{0, TDropReason::BadValue},
                                                               {2, TDropReason::UnknownProperty},
                                                               {3, TDropReason::BadValue},
                                                               {5, TDropReason::BadValue}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(verdict[i].Index, expected[i].first);
        EXPECT_EQ(verdict[i].Reason, expected[i].second);
    }
    ASSERT_EQ(pane.DroppedList()->count(), 4);
    EXPECT_EQ(pane.DroppedList()->item(0)->text(), QStringLiteral("3 行: 値 '10inch' を解釈できません"));
    EXPECT_EQ(pane.DroppedList()->item(1)->toolTip(),
              QStringLiteral("ブラウザーに無視される宣言です: プロパティ 'colr' を知りません"));
    EXPECT_EQ(pane.DroppedList()->item(2)->text(), QStringLiteral("6 行: 'color' に値がありません"));
    int jumped = -1;
    pane.OnJump = [&](int index) { jumped = index; };
    emit pane.DroppedList()->itemActivated(pane.DroppedList()->item(1));
    EXPECT_EQ(jumped, 2);
}

TEST_F(PreviewPaneTest, AChosenPageRunsNoScriptLoadsNothingRemoteAndTakesTheLiveTextForItsSheet)
{
    QTcpServer remote;
    ASSERT_TRUE(remote.listen(QHostAddress::LocalHost));
    const QString origin = QStringLiteral("http://127.0.0.1:%1").arg(remote.serverPort());
    WriteFile(folder.filePath("sheet.css"), "p { color: rgb(0, 128, 0) }");  // the saved text, not the live one
    WriteFile(folder.filePath("page.html"),
              ("<html><head><link rel=stylesheet href=\"sheet.css\"><link rel=stylesheet href=\"" + origin +
               "/a.css\"><script>document.title = 'ran'</script></head>"
               "<body onload=\"document.body.className = 'ran'\"><p>x</p><img src=\"" +
               origin +
               "/b.png\">"
               "<a id=\"away\" href=\"" +
               origin + "/\">away</a></body></html>")
                  .toUtf8());
    Show("p { color: rgb(200, 0, 0); background: url(" + origin + "/c.png) }", {}, folder.filePath("page.html"));
    EXPECT_EQ(Eval("getComputedStyle(document.querySelector('p')).color").toString(), "rgb(200, 0, 0)");
    EXPECT_EQ(Eval("document.title + '|' + document.body.className").toString(), "|");
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane.BlockedRequests() >= 3; }, 5000)) << pane.BlockedRequests();
    // A click on a link leaves the page where it is.
    Eval("document.getElementById('away').click()");
    QTest::qWait(300);
    EXPECT_EQ(pane.Page()->url(), QUrl::fromLocalFile(folder.filePath("page.html")));
    EXPECT_FALSE(remote.hasPendingConnections());
    EXPECT_FALSE(remote.waitForNewConnection(0));
}

TEST_F(PreviewPaneTest, ThePageChooserAndTheSampleButtonNameThePage)
{
    QStringList chosen;
    pane.OnPageChosen = [&](const QString& page) { chosen << page; };
    pane.RunPageChooser = [&](QWidget*, const QString& startFolder) {
        EXPECT_EQ(startFolder, folder.path());
        return folder.filePath("page.html");
    };
    Show("");
    pane.ChoosePage();
    pane.findChild<QPushButton*>(QStringLiteral("PreviewSamplePage"))->click();
    EXPECT_EQ(chosen, QStringList({folder.filePath("page.html"), QString()}));
}

TEST(DropMessages, SayWhyWhateverTheValueHolds)
{
    // A value with ": " in it is said whole.
    EXPECT_EQ(DropReason({"margin", "1px: 2px", false, 1}, TDropReason::BadValue),
              QStringLiteral("値 '1px: 2px' を解釈できません"));
    EXPECT_EQ(DropMessage({"colr", "red", false, 1}, TDropReason::UnknownProperty),
              QStringLiteral("ブラウザーに無視される宣言です: プロパティ 'colr' を知りません"));
}

// The main window with the pane linked in, as the module would give it.
class PreviewWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm1>();
        form->CreatePreview = [](QWidget* parent, QString&) -> TPreview* { return new TPreviewPane(parent); };
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    TPreviewPane& Pane() { return *static_cast<TPreviewPane*>(form->Preview); }

    void OpenSheet(const QByteArray& bytes)
    {
        WriteFile(folder.filePath("sheet.css"), bytes);
        form->DropFiles({folder.filePath("sheet.css")});
    }

    // Waits for the page to take the document as it is now.
    void WaitForPage()
    {
        const int before = Pane().SheetsApplied();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Pane().SheetsApplied() > before; }, 20000));
    }

    std::vector<QString> MarkTips() const
    {
        std::vector<QString> tips;
        for (const TEditor::TTextMark& mark : form->ExtMemo1->TextMarks())
            tips.push_back(mark.Tip);
        return tips;
    }

    QTemporaryDir folder;
    std::unique_ptr<TForm1> form;
};

TEST_F(PreviewWindowTest, F10ShowsAShiftJisSheetAsTextAndMarksOnlyTheDroppedDeclaration)
{
    // "表" ends in a backslash byte in Shift-JIS: the engine must get the text, not the bytes.
    OpenSheet(
        "@charset \"Shift_JIS\";\r\n/* \x95\x5C */\r\nh1 { margin : 10inch; }\r\np { margin : 10in; "
        "content: \"\x95\x5C\"; }\r\n");
    EXPECT_EQ(form->Preview, nullptr);  // no engine until asked for
    form->Preview1->trigger();
    ASSERT_NE(form->Preview, nullptr);
    EXPECT_TRUE(form->Preview1->isChecked());
    WaitForPage();
    EXPECT_EQ(MarkTips(),
              std::vector<QString>{QStringLiteral("ブラウザーに無視される宣言です: 値 '10inch' を解釈できません")});
    const TEditor::TTextMark& mark = form->ExtMemo1->TextMarks().front();
    EXPECT_EQ(mark.Begin.Row.Value(), 2);
    EXPECT_EQ(form->ExtMemo1->Core().RowText(2).substr(mark.Begin.Byte.Value(),
                                                       mark.End.Byte.Value() - mark.Begin.Byte.Value()),
              "margin : 10inch");
    QVariant content;
    bool done = false;
    Pane().RunScript("getComputedStyle(document.querySelector('p')).content", [&](const QVariant& r) {
        content = r;
        done = true;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
    EXPECT_EQ(content.toString(), QStringLiteral("\"表\""));

    // Jumping from the list selects the declaration.
    emit Pane().DroppedList()->itemActivated(Pane().DroppedList()->item(0));
    EXPECT_EQ(form->ExtMemo1->SelText(), "margin : 10inch");

    // Hiding the preview takes the marks away; F10 again brings them back.
    form->Preview1->trigger();
    EXPECT_TRUE(form->Preview->isHidden());
    EXPECT_TRUE(MarkTips().empty());
    form->Preview1->trigger();
    WaitForPage();
    EXPECT_EQ(MarkTips().size(), 1u);
}

TEST_F(PreviewWindowTest, TypingReachesThePageAfterAPauseAndTheChoiceOfPageIsKept)
{
    OpenSheet("p { color: rgb(1, 1, 1) }\r\n");
    form->SetPreviewShown(true);
    WaitForPage();
    EXPECT_LE(form->PreviewTimer->interval(), 300);
    // Keys typed quickly make one update, after the last of them.
    form->ExtMemo1->Core().PlaceCaretAt(0, 0);
    const int before = Pane().SheetsApplied();
    QTest::keyClicks(form->ExtMemo1, "h1, ");
    EXPECT_TRUE(form->PreviewTimer->isActive());
    EXPECT_EQ(Pane().SheetsApplied(), before);
    WaitForPage();
    EXPECT_EQ(Pane().SheetsApplied(), before + 1);
    EXPECT_TRUE(MarkTips().empty());
    // Typing an unknown unit is marked once the page has it.
    form->ExtMemo1->Core().PlaceCaretAt(0, 4);
    form->ExtMemo1->SetSelText(std::string_view("h2 { width: 3pxx } "));
    WaitForPage();
    EXPECT_EQ(MarkTips().size(), 1u);
    // The sample page shows the selector the sheet now names.
    QVariant h2;
    Pane().RunScript("document.getElementsByTagName('h2').length", [&](const QVariant& r) { h2 = r; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return h2.isValid(); }, 10000));
    EXPECT_EQ(h2.toInt(), 1);

    WriteFile(folder.filePath("page.html"), "<html><body><p id=x>x</p></body></html>");
    Pane().RunPageChooser = [&](QWidget*, const QString&) { return folder.filePath("page.html"); };
    Pane().ChoosePage();
    WaitForPage();
    EXPECT_EQ(Pane().Page()->url(), QUrl::fromLocalFile(folder.filePath("page.html")));
    form->ExtMemo1->SetModified(false);  // closes without the save question
    form->close();
    // The next window opens the preview again, on the page chosen for this sheet.
    form = std::make_unique<TForm1>();
    form->CreatePreview = [](QWidget* parent, QString&) -> TPreview* { return new TPreviewPane(parent); };
    form->DropFiles({folder.filePath("sheet.css")});
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Preview != nullptr; }, 5000));
    WaitForPage();
    EXPECT_EQ(Pane().Page()->url(), QUrl::fromLocalFile(folder.filePath("page.html")));
    form->SetPreviewShown(false);
    form->close();
}

TEST_F(PreviewWindowTest, AModuleThatCannotLoadIsReportedAndTheItemStaysOff)
{
    form->CreatePreview = [](QWidget*, QString& error) -> TPreview* {
        error = QStringLiteral("プレビューの部品 (tavi-preview.so) が見つかりません。");
        return nullptr;
    };
    EXPECT_THROW(form->SetPreviewShown(true), std::runtime_error);
    EXPECT_FALSE(form->Preview1->isChecked());
    EXPECT_FALSE(form->PreviewShown());
}

}  // namespace
