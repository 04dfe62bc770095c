// The crash-recovery journal of the main window's document: every change kept on disk until it is saved or discarded.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

#include "editor/core/journal.h"
#include "platform/os/state_files.h"

class TEditor;

// Records the document's changes in a journal file in the user's state folder: a head
// describing the document and the text it started from, then one record per change. A
// record is written within two seconds of its change and made durable at most every ten
// seconds and by Sync (the window losing the focus): syncing on every key would cost some
// disks seconds. Loading another text, saving or discarding the changes removes the journal.
class TJournalKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kWriteDelayMs = 2000;
    static constexpr int kSyncIntervalMs = 10000;

    explicit TJournalKeeper(TEditor& editor, QObject* parent = nullptr);

    // The head's fields for the document as it is now (its file, encoding, line end, and
    // the file's identity when it was loaded or saved).
    std::function<tavi::TJournalFields()> Describe;
    // Told once when the journal cannot be made or written (a full disk, a read-only home).
    std::function<void()> OnWriteFailed;

    // Starts a journal from the text as it is now (after a recovery).
    void Start();
    // Writes what is pending.
    void Flush();
    // Writes what is pending and makes it durable.
    void Sync();
    // The document was saved or its changes discarded: the journal goes.
    void Discard();
    // The journal file, empty while there is none.
    std::string Path() const { return file_.Path(); }

private:
    void Follow(const tavi::TChange& change);
    void Fail();

    TEditor& editor_;
    tavi::TAppendFile file_;
    tavi::TOffsetAnchor anchor_;
    std::string pending_;
    bool started_ = false;
    bool failed_ = false;
    QTimer writeTimer_;
    QElapsedTimer sinceSync_;
};
