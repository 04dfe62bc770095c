// The main window: tool panel, file boxes, the editor holding the document, and the status line.
#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "app/journal_keeper.h"
#include "app/preview_settings.h"
#include "app/recent_files.h"
#include "dialogs/rule_reading.h"
#include "editor/colour_values.h"
#include "platform/os/file_identity.h"
#include "platform/os/state_files.h"
#include "platform/sheet_conversion.h"
#include "platform/sheet_encoding.h"
#include "preview/preview.h"
#include "text/line_end.h"

class QAction;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;
class QToolButton;
class TAnimateWindow;
class TEditor;
class TFindBar;
class TImage;
class TPanel;
class TSplitter;
class TStatusBar;
class TSysInfo;
class THTMLcolorDialog;
class TTextOpenDialog;
class TTextSaveDialog;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window with its menus, buttons, boxes and status line, showing the splash window while it does so.
    explicit TForm1(QWidget* parent = nullptr);

    // Tool panel
    TPanel* Panel1;
    TImage* Image1;
    QToolButton* SpeedButton1;   // save
    QToolButton* SpeedButton2;   // open
    QToolButton* SpeedButton5;   // undo
    QToolButton* SpeedButton6;   // redo
    QToolButton* SpeedButton7;   // copy
    QToolButton* SpeedButton8;   // paste
    QToolButton* SpeedButton9;   // cut
    QToolButton* SpeedButton10;  // delete
    QPushButton* BitBtn1;        // F1 font and text decoration
    QPushButton* BitBtn2;        // F2 margin
    QPushButton* BitBtn3;        // F3 border
    QPushButton* BitBtn4;        // F4 list
    QPushButton* BitBtn5;        // F5 colour and background
    QPushButton* BitBtn6;        // F6 text layout
    QPushButton* BitBtn7;        // F7 basic style
    QPushButton* BitBtn8;        // F8 aural
    TSplitter* Splitter1;

    // File panel
    TPanel* Panel2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Edit3;  // file name
    QLineEdit* Edit2;  // link tag
    QLineEdit* Edit4;  // location

    // Editor area
    TSplitter* Splitter4;
    TSplitter* Splitter2;
    TSplitter* Splitter3;
    TEditor* ExtMemo1;
    // Find and replace, under the editor; hidden until Ctrl+F or Ctrl+H.
    TFindBar* FindBar1;
    TStatusBar* StatusBar1;

    // Crash recovery (recovery.cpp): the journal of the document's changes, and at start-up
    // the journals of editors that ended without closing, offered one by one (restore,
    // discard, or keep for the next start). True when a text was restored.
    TJournalKeeper* Journal1 = nullptr;
    bool OfferRecoveries();
    // At start-up: each file whose save an earlier run did not live to finish, where the
    // text from before that save is left, is offered as when the file is opened.
    void OfferInterruptedSaves();
    // Whether the editor that wrote a journal or began a save still runs (they are then its own).
    std::function<bool(int pid)> IsWriterRunning = [](int pid) { return tavi::ProcessRuns(pid); };

    // Main menu
    QMenuBar* MainMenu1;
    QMenu* hu1;
    QAction* Open1;
    QAction* SaveAs1;
    QAction* N14;
    QAction* Open2;
    QMenu* ReopenAs1;
    QAction* ReopenShiftJis1;
    QAction* ReopenUtf81;
    QMenu* Edit1;
    QMenu* N1;
    QAction* N3;
    QAction* N4;
    QAction* N5;
    QAction* N6;
    QAction* N18;
    QAction* N19;
    QAction* N20;
    QAction* N21;
    QAction* N22;
    QAction* N15;
    QAction* N7;
    QAction* N8;
    QAction* N9;
    QAction* N10;
    QAction* N16;
    QAction* Paste2;
    QAction* Delete1;
    QAction* Cut2;
    QAction* N17;
    QMenu* N25;
    QAction* N26;
    QAction* Preview1;  // プレビュー (F10), checked while the preview shows
    QMenu* Help1;
    QAction* About1;

    // Context menu of the editor
    QMenu* PopupMenu1;
    QAction* N2;
    QAction* N11;
    QAction* Paste1;
    QAction* Cut1;
    QAction* N12;
    QAction* N13;
    QAction* STYLE1;
    QAction* N23;
    QAction* N24;
    QAction* N27;
    QAction* N28;
    QAction* N29;
    QAction* EditRule1;  // このルールを編集
    // Shift+F1 ... Shift+F8, no menu shows them.
    std::array<QAction*, 8> EditRuleKeys{};

    // Keys desktop users bring (Ctrl+S, Ctrl+Shift+S, Ctrl+O, Ctrl+Z, Ctrl+Y and
    // Ctrl+Shift+Z, Ctrl+A), running the commands of the same meaning. The undo, redo,
    // find, replace and go-to-line ones are also items of the 編集 menu; the others no menu shows.
    QAction* SaveKey;
    QAction* SaveAsKey;
    QAction* OpenKey;
    QAction* UndoKey;
    QAction* RedoKey;
    QAction* SelectAllKey;
    // Ctrl+G: asks for a line number and goes there (GoToLine1Click).
    QAction* GoToLineKey;
    // Ctrl+F and Ctrl+H: the find bar, for finding or for replacing (Find1Click, Replace1Click).
    QAction* FindKey;
    QAction* ReplaceKey;

    // Commands every desktop editor has (desktop_commands.cpp), added around the menus'
    // own items: ファイル 新規 (Ctrl+N), 最近使ったファイル, 終了 (Ctrl+Q); 編集 the sheet's
    // commands of the editor (Ctrl+/, Ctrl+], Ctrl+Space) and a submenu of Shift+F1..F8;
    // オプション the zoom (Ctrl+= and Ctrl++, Ctrl+-, Ctrl+0); ヘルプ the list of keys.
    QAction* New1;
    QMenu* RecentFiles1;
    QAction* Quit1;
    QAction* ToggleComment1;
    QAction* PartnerBracket1;
    QAction* Complete1;
    QMenu* EditRuleMenu1;
    QAction* ZoomIn1;
    QAction* ZoomOut1;
    QAction* ZoomReset1;
    QAction* Shortcuts1;
    void CreateDesktopCommands();
    // Asks the save question, then starts an untitled Shift-JIS document.
    void New1Click();
    // Opens a file of the recent list; one that went is told of and leaves the list.
    void OpenRecentFile(const QString& path);
    void Shortcuts1Click();
    TRecentFiles& RecentFiles() { return recentFiles_; }

    // File dialogs of the save and open commands, kept for the whole run so that they
    // remember the chosen name and file type.
    TTextSaveDialog* SaveDialog1;
    TTextOpenDialog* OpenDialog1;

    // Runs one of the file dialogs above and tells whether the user chose a file (its
    // FileName() then holds it). Runs the dialog modally unless replaced; tests replace
    // it to answer without a modal loop.
    std::function<bool(TTextOpenDialog& dialog)> RunFileDialog;

    // The colour chooser of the insert-colour command; it keeps the last chosen colour.
    THTMLcolorDialog* HTMLcolorDialog1;
    // The owner and memory figures of the status line.
    TSysInfo* SysInfo1;
    // Minimises and restores the window with the application.
    TAnimateWindow* AnimateWindow1;
    // Refreshes the status line once a second for the whole run, also behind a modal dialog.
    QTimer* Timer1;
    // The clock of the status line's date and time; tests put their own in place.
    std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); };

public slots:
    void N3Click();   // font and text decoration dialog (F1)
    void N4Click();   // margin dialog (F2)
    void N5Click();   // border dialog (F3)
    void N6Click();   // list dialog (F4)
    void N18Click();  // colour and background dialog (F5)
    void N19Click();  // text layout dialog (F6)
    void N20Click();  // basic style dialog (F7)
    void N21Click();  // aural dialog (F8)
    // Each of the eight opens to edit the rule under the caret when a rule is selected.

    // Editing a rule of the sheet in its dialog (rule_editing.cpp): Shift+F1 to Shift+F8 open
    // dialog `dialog` (0 for F1's) filled from the rule under the caret, and OK writes the rule
    // in its place as one undo step; the context menu's "このルールを編集" picks the dialog
    // that reads most of the rule's properties.
    void EditRuleWith(int dialog);
    void EditRule1Click();
    // Save: writes the document to its file; an untitled document asks for a name first.
    void Open1Click();
    void SpeedButton1Click() { Open1Click(); }
    // Save As: asks for a name, writes the document there and names the document after it.
    void SaveAs1Click();
    // Open: offers to save a changed document, then loads the file the user chooses.
    void Open2Click();
    // Reopen in an encoding: offers to save a changed document, then loads its file again
    // read in `encoding` (the user overrules what the file seemed to be). Nothing happens
    // for an untitled document.
    void ReopenAs(tavi::TTextEncoding encoding);
    void ReopenShiftJis1Click() { ReopenAs(tavi::TTextEncoding::Cp932); }
    void ReopenUtf81Click() { ReopenAs(tavi::TTextEncoding::Utf8); }
    void SpeedButton2Click() { Open2Click(); }
    // Loads the file named on the command line as Open would, its error shown in the
    // error box (the document then stays empty).
    void OpenStartupFile(const QString& path);
    // Loads the first of `paths` (files dropped on the window), after offering to save a
    // changed document; the rest are ignored. Nothing happens for an empty list.
    void DropFiles(const QStringList& paths);

    // Editing commands (edit_commands.cpp); menu items, context-menu items and tool
    // buttons of the same command share one handler.
    void N7Click();       // select all
    void N8Click();       // delete all
    void N9Click();       // copy all; the whole text stays selected
    void N10Click();      // cut all
    void Paste2Click();   // paste
    void Delete1Click();  // delete the selection
    void Cut2Click();     // cut
    void N17Click();      // copy
    void N28Click();      // undo
    void N29Click();      // redo
    void N13Click();      // comment out: "/* " + selection + " */"
    void STYLE1Click();   // wrap the selection in a STYLE element
    void N22Click();
    // A click on a colour swatch of the editor: the colour chooser opens on that colour and
    // what is chosen replaces the value (one undo step).
    void SwatchClick(const tavi::TColourValue& value);  // insert a colour picked in the chooser as "#RRGGBB"
    // Go to line (go_to_line.cpp): asks for a logical line number, the caret's line at first,
    // and puts the caret at the start of that line.
    void GoToLine1Click();
    // The caret to the start of logical line `line` (1 for the first), scrolled into view;
    // a number past either end goes to the first or the last line.
    void GoToLine(int line);
    // The logical line (1 for the first) the caret is on.
    int CaretLine() const;
    // Find and replace (find_commands.cpp): the find bar, what is selected on one line as
    // what to find.
    void Find1Click();
    void Replace1Click();

public:
    // Live preview (preview_commands.cpp): a page styled by the document beside the editor,
    // its text handed over kPreviewDelay ms after the last edit, and the declarations the
    // browser drops marked in the editor. The pane is made, and the browser engine loaded,
    // when it is first shown.
    static constexpr int kPreviewDelay = 200;
    void SetPreviewShown(bool shown);
    bool PreviewShown() const;
    // Hands the document as it is now to the preview, without waiting.
    void UpdatePreview();
    TPreview* Preview = nullptr;
    TSplitter* Splitter5 = nullptr;  // between the editor and the preview
    QTimer* PreviewTimer = nullptr;
    // Makes the pane; loads the preview module unless replaced (tests link the pane instead).
    // Null with the reason in the error text when it cannot.
    std::function<TPreview*(QWidget* parent, QString& error)> CreatePreview;

public slots:

    // Options: the editor customisation dialog; Help: the about box.
    void N26Click();
    void About1Click();

    // Run when the window regains the focus (file_on_disk.cpp): asks to reload the
    // document's file when another program changed it, tells once of one that went.
    void CheckDiskFile();

    // Status line (status_line.cpp): panel 1 the owner and memory, panel 2 the date and time.
    void FillStatusTexts();
    void Timer1Timer() { FillStatusTexts(); }
    // Panel 3: the caret's line and column, and 変更あり while the text differs from its file.
    void ShowCaretPlace();

public:
    static constexpr int kCaretPanel = 3;

protected:
    void showEvent(QShowEvent* event) override;
    // Offers to save a changed document, then writes the settings file.
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Regaining the focus checks the document's file for changes made meanwhile.
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    void CreateStatusSources();
    void CreateToolPanel();
    void CreateFilePanel();
    void CreateEditorArea();
    void CreateMainMenu();
    void CreatePopupMenu();
    void CreateKeyboardHabits();
    void CenterOnScreen();
    void ConnectCommands();
    // The selected text when it lies on one line and is not too long to look for, else "".
    QString SelectionToFind() const;
    // Appends one line, given in Unicode, at the end of the document.
    void AppendLine(const QString& line);

    void ConnectEditCommands();
    // The style rule at the caret (at the selection's start while there is one): where it lies
    // in the document, a comment line after it included, and as the dialogs read it.
    struct TRuleAtCaret {
        long long From = 0;
        long long To = 0;
        long long BraceEnd = 0;  // after its "}"
        tavi::TReadRule Rule;
    };
    std::optional<TRuleAtCaret> RuleAtCaret() const;
    // Whether the selection holds a whole rule: the dialogs' own keys then edit it.
    bool RuleSelected() const;
    // Runs a style rule dialog, filled from the rule at the caret when `editRule`, and puts
    // what it writes in place: over the rule it was filled from, or as a new rule (at the
    // document's end, or at the caret with InsertRuleAtCaret on).
    template <typename Form>
    void RunStyleDialog(QPointer<Form>& formVariable, bool editRule);
    void PlaceRule(const QStringList& lines, const std::optional<TRuleAtCaret>& rule);
    // The dialog that reads most of a rule's properties (the first on a tie).
    int DialogForRule(const tavi::TReadRule& rule) const;
    void CreateRuleEditing();
    // An information box with the dialogs' caption.
    void Inform(const QString& text);
    void CreatePreviewCommands();
    void TakeVerdict(const std::vector<TDroppedDeclaration>& dropped);
    void JumpToDeclaration(int index);
    void ChoosePreviewPage(const QString& page);
    // Replaces the selection by `before` + the selection + `after` in one write.
    void ReplaceSelection(const QString& before, const QString& after);

    // Document file commands (file_commands.cpp).
    void CreateFileDialogs();
    bool IsUntitled() const;
    QString DocumentPath() const;
    void UpdateFileBoxes(const QString& path);
    // The encoding and line end a save writes.
    struct TSaveFormat {
        tavi::TSheetEncoding Encoding;
        tavi::TLineEnd LineEnd;
    };
    // Runs the save dialog with the document's encoding and line end preselected; the
    // user's choice of both, or nothing when the dialog was cancelled.
    std::optional<TSaveFormat> RunSaveDialog();
    // Writes the document in its file's encoding and line end, or in `format`. Another
    // encoding converts the text (CSS escapes for the characters it lacks, once the user
    // agrees) and the document then holds the converted text, with a fresh undo history.
    // False when the user chose not to write, here or over the document's file that
    // another program changed or removed.
    bool SaveDocument(const QString& path, std::optional<TSaveFormat> format = std::nullopt);
    // Asks to write the characters a conversion to `encoding` escaped. True to go on.
    bool ConfirmEscapes(const tavi::TSheetConversion& conversion, const std::string& oldText,
                        tavi::TSheetEncoding encoding);
    // Reads the file in its encoding (see tavi::DecodeSheet), or in `encoding` when given,
    // into the document; whatever fails, the document, its undo history and the boxes stay
    // as they were.
    void LoadDocument(const QString& path, std::optional<tavi::TTextEncoding> encoding = std::nullopt);
    // LoadDocument, then the boxes name the file.
    void OpenDocument(const QString& path);
    // The file-name box's tip tells the document's encoding.
    void ShowEncoding();
    enum class TSaveAnswer { Yes, No, Cancel };
    // Asks whether to save the changed document; closing the box counts as Cancel.
    TSaveAnswer AskToSave();
    // For a changed document, asks whether to save it and does what the user says. True
    // when the caller may go on (saved or discarded), false when the user cancelled or the
    // save dialog was cancelled; a failed save throws.
    bool SaveChangesFirst();

    // The fields a journal's head records for the document (recovery.cpp).
    tavi::TJournalFields DescribeForJournal() const;
    // Puts a recovered text in the editor as unsaved changes; an untitled document unless
    // `path` names the file the journal began from, unchanged since.
    void TakeRecoveredText(const tavi::TJournalFile& journal, const std::string& text, bool ontoFile);

    // The document's file on disk (file_on_disk.cpp). What it was at the last load or save,
    // its digest known after a load; how it differs now.
    struct TDiskFile {
        QString Path;
        tavi::TFileIdentity Identity;
        std::optional<std::uint64_t> Digest;
    };
    enum class TDiskChange { None, SameBytes, Changed, Deleted };
    void RememberDiskFile(const QString& path, std::optional<std::uint64_t> digest);
    TDiskChange DiskChange() const;
    // Before a file is opened: when a save of it was cut off while writing in place, offers
    // the text it had before (restore, discard the copy, or decide later).
    void OfferLeftoverBackup(const QString& path);
    // Before a save over the document's own file: asks to write over a file another program
    // changed, or to make again one that went. True to go on.
    bool ConfirmSaveOverDisk(const QString& path);

    // The settings file (window_settings.cpp): applied at start-up, written at close.
    void ApplySettings();
    void WriteSettingsFile();

    QHBoxLayout* editorRow_ = nullptr;
    TPreviewSettings previewSettings_;
    TRecentFiles recentFiles_;
    void FillRecentFilesMenu();
    // Where the declarations handed to the preview lie (offsets), and how many edits the
    // document had then: a verdict on an older text is not marked.
    std::vector<std::pair<long long, long long>> previewPlaces_;
    std::vector<TPreviewDeclaration> previewDeclarations_;
    long long documentEdits_ = 0;
    long long previewEdits_ = -1;
    bool shownBefore_ = false;

public:
    // A new rule goes at the caret rather than at the end (settings key InsertRuleAtCaret?).
    bool InsertRuleAtCaret = false;

private:
    tavi::TSheetEncoding encoding_ = tavi::TSheetEncoding::Cp932;
    TDiskFile disk_;
    bool deletionReported_ = false;
    bool checkingDisk_ = false;  // a question about the file is open
};

extern QPointer<TForm1> Form1;

// A path as the file functions of the editor and the platform take it.
std::string FileSystemName(const QString& path);

// Asks about a copy of the user's text kept for them (a recovery journal, a backup): `keep`
// puts it back, "破棄(&D)" deletes it, "後で(&L)" (also Escape) leaves it for another time.
enum class TKeptCopyAnswer { Restore, Discard, Later };
TKeptCopyAnswer AskAboutKeptCopy(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QString& keep);
