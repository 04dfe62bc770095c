// The crash-recovery journal of the main window's document: every change kept on disk until it is saved or discarded.
#include "app/journal_keeper.h"

#include <unistd.h>

#include <cstdio>

#include "editor/editor.h"

namespace {

// The journal's name: after the document's file (so that two files never share one) and
// the process (so that two running editors never write the same one).
std::string JournalName(const std::string& path)
{
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const unsigned char c : path)
        hash = (hash ^ c) * 1099511628211ull;
    char name[64];
    std::snprintf(name, sizeof name, "%s-%016llx-%d.journal", path.empty() ? "untitled" : "sheet",
                  static_cast<unsigned long long>(hash), static_cast<int>(::getpid()));
    return name;
}

}  // namespace

TJournalKeeper::TJournalKeeper(TEditor& editor, QObject* parent) : QObject(parent), editor_(editor)
{
    writeTimer_.setSingleShot(true);
    writeTimer_.setInterval(kWriteDelayMs);
    connect(&writeTimer_, &QTimer::timeout, this, &TJournalKeeper::Flush);
    editor_.Core().OnDocumentChange = [this](const tavi::TChange& change) { Follow(change); };
}

void TJournalKeeper::Follow(const tavi::TChange& change)
{
    if (change.NewText) {
        Discard();  // another text: what was kept belonged to the one before
        return;
    }
    if (change.Whole) {
        anchor_ = {};  // the same text laid out anew: records name places in the text, not rows
        return;
    }
    if (!started_) {
        Start();  // the text it starts from holds this change already
        return;
    }
    if (failed_)
        return;
    tavi::AppendJournalEdit(pending_, tavi::JournalEditOf(editor_.Core().Rows(), change, anchor_));
    if (!writeTimer_.isActive())
        writeTimer_.start();
}

void TJournalKeeper::Start()
{
    Discard();
    started_ = true;
    const tavi::TJournalFields fields = Describe ? Describe() : tavi::TJournalFields{};
    std::string path;
    for (const auto& [name, value] : fields) {
        if (name == "path")
            path = value;
    }
    const std::string folder = tavi::StateFolder();
    if (folder.empty() ||
        !file_.Create(folder + "/" + JournalName(path), tavi::JournalHead(fields, editor_.Lines().GetTextStr()))) {
        Fail();
        return;
    }
    sinceSync_.start();
}

void TJournalKeeper::Flush()
{
    writeTimer_.stop();
    if (pending_.empty() || failed_)
        return;
    if (!file_.Append(pending_)) {
        Fail();
        return;
    }
    pending_.clear();
    if (sinceSync_.isValid() && sinceSync_.elapsed() >= kSyncIntervalMs)
        Sync();
}

void TJournalKeeper::Sync()
{
    Flush();
    if (file_.IsOpen() && !file_.Sync())
        Fail();
    sinceSync_.start();
}

void TJournalKeeper::Discard()
{
    writeTimer_.stop();
    file_.Remove();
    pending_.clear();
    anchor_ = {};
    started_ = false;
    failed_ = false;
}

void TJournalKeeper::Fail()
{
    const bool first = !failed_;
    failed_ = true;
    pending_.clear();
    file_.Remove();
    if (first && OnWriteFailed)
        OnWriteFailed();
}
