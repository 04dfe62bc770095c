// What assistive technologies are told of an editor's text: the characters an edit removed and inserted, caret moves
// and selections.
#include "editor/accessible_text_events.h"

#include <QAccessible>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "editor/accessible_characters.h"
#include "editor/core/undo.h"

namespace tavi {

namespace {

std::function<void(QAccessibleEvent*)>& Sink()
{
    static std::function<void(QAccessibleEvent*)> sink;
    return sink;
}

// A text loaded or decoded anew is sent whole only up to this many characters: beyond it,
// the events would hold up the program and the bus for what a reader asks for in pieces.
constexpr long long kWholeTextLimit = 1 << 20;

// The characters of a band's text: its rows joined, CR LF after each that ends a line.
QString BandCharacters(std::string_view band, TTextEncoding encoding)
{
    QString text;
    text.reserve(static_cast<qsizetype>(band.size()));
    for (std::size_t from = 0; from <= band.size();) {
        const std::size_t breakAt = std::min(band.find("\r\n", from), band.size());
        AppendCharacters(text, band.substr(from, breakAt - from), encoding);
        if (breakAt == band.size())
            break;
        text += QLatin1Char('\n');
        from = breakAt + 2;
    }
    return text;
}

// The record that puts back what `change` replaced: the newest of the undo list (an edit or a
// redo) or of the redo list (an undo) that leads back to the state before the change.
const TUndoRecord* InverseRecord(const TEditorUndoObj& undo, const TChange& change, std::uint64_t stateBefore)
{
    for (const TUndoDataList* list : {&undo.UndoList(), &undo.RedoList()}) {
        if (list->Empty())
            continue;
        const TUndoRecord& record = (*list)[list->Count() - 1];
        if (record.State == stateBefore && record.Row == change.First &&
            static_cast<long long>(record.KeptHead) == change.ByteFrom &&
            static_cast<long long>(record.Text.size()) == change.OldBytes)
            return &record;
    }
    return nullptr;
}

void Send(QAccessibleEvent&& event)
{
    if (Sink())
        Sink()(&event);
    else
        QAccessible::updateAccessibility(&event);
}

}  // namespace

TAccessibleTextEvents::TAccessibleTextEvents(QObject& source, const TEditorCore& core)
    : source_(source),
      core_(core),
      text_(core),
      stateSeen_(core.Document().UndoObj().State()),
      encodingSeen_(core.Encoding())
{
}

void TAccessibleTextEvents::SendTo(std::function<void(QAccessibleEvent*)> sink)
{
    Sink() = std::move(sink);
}

bool TAccessibleTextEvents::Listening()
{
    return Sink() || QAccessible::isActive();
}

void TAccessibleTextEvents::DocumentChanged(const TChange& change)
{
    const std::uint64_t stateBefore = std::exchange(stateSeen_, core_.Document().UndoObj().State());
    const TTextEncoding encodingBefore = std::exchange(encodingSeen_, core_.Encoding());
    TAccessibleTextIndex& index = text_.Index();
    if (!Listening()) {
        index.MarkStale(change.Whole ? TRow(0) : change.First);
        return;
    }
    if (change.Whole) {
        const std::optional<long long> oldCount = index.CountedTotal(change.OldRows);
        index.Follow(change);
        // A new layout of the same characters (wrapping, tab width) changes no offset.
        if (change.NewText || core_.Encoding() != encodingBefore)
            SendNewText(oldCount);
        return;
    }
    const std::optional<std::string> oldBand = OldBand(change, stateBefore);
    index.Follow(change);
    if (oldBand)
        SendBandChange(change, *oldBand);
}

std::optional<std::string> TAccessibleTextEvents::OldBand(const TChange& change, std::uint64_t stateBefore) const
{
    const TDocument& doc = core_.Document();
    const TUndoRecord* record = InverseRecord(doc.UndoObj(), change, stateBefore);
    if (record == nullptr)
        return std::nullopt;
    const std::string band = doc.TakeRows(change.First, change.NewRows).Text;
    const auto from = static_cast<std::size_t>(change.ByteFrom);
    const auto inserted = static_cast<std::size_t>(change.NewBytes);
    if (change.ByteFrom < 0 || change.NewBytes < 0 || from + inserted > band.size())
        return std::nullopt;
    return band.substr(0, from) + record->Text + band.substr(from + inserted);
}

void TAccessibleTextEvents::SendBandChange(const TChange& change, const std::string& oldBand)
{
    const TTextEncoding encoding = core_.Encoding();
    const QString before = BandCharacters(oldBand, encoding);
    const QString after = BandCharacters(core_.Document().TakeRows(change.First, change.NewRows).Text, encoding);
    // What differs between the two, never half of a surrogate pair.
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    if (head > 0 && before[head - 1].isHighSurrogate())
        --head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    if (tail > 0 && before[before.size() - tail].isLowSurrogate())
        --tail;
    const qsizetype removedLength = before.size() - head - tail;
    const qsizetype insertedLength = after.size() - head - tail;
    const long long bandStart = text_.Index().RowStart(change.First);
    // Characters put in or taken out next to equal ones (Enter beside a line break) could
    // stand anywhere in that run: they stand where the caret says the edit was made.
    if ((removedLength == 0) != (insertedLength == 0)) {
        const QString& longer = removedLength == 0 ? after : before;
        const qsizetype length = std::max(removedLength, insertedLength);
        const TTextPos caret{change.Caret.Row, TByte(ColumnToByte(core_.ColumnMapOf(change.Caret.Row.Value()),
                                                                  change.Caret.Col.Value()))};
        const long long wanted = text_.OffsetOf(caret) - bandStart - insertedLength;
        qsizetype slid = head;
        while (slid > wanted && slid > 0 && longer[slid - 1] == longer[slid - 1 + length])
            --slid;
        if (slid == wanted && !longer[slid].isLowSurrogate())
            head = slid;
    }
    const QString removed = before.mid(head, removedLength);
    const QString inserted = after.mid(head, insertedLength);
    const int position = ToAccessibleOffset(bandStart + head);
    if (!removed.isEmpty())
        Send(QAccessibleTextRemoveEvent(&source_, position, removed));
    if (!inserted.isEmpty())
        Send(QAccessibleTextInsertEvent(&source_, position, inserted));
}

void TAccessibleTextEvents::SendNewText(std::optional<long long> oldCount)
{
    // What the old text was is gone; its length is known when every row of it was counted.
    if (oldCount && *oldCount > 0 && *oldCount <= kWholeTextLimit)
        Send(QAccessibleTextRemoveEvent(&source_, 0, QString(static_cast<qsizetype>(*oldCount), QLatin1Char(' '))));
    const RowList& rows = core_.Rows();
    if (static_cast<long long>(rows.TextBytes()) + rows.Count() > kWholeTextLimit)
        return;
    const QString text = text_.Text(0, text_.CharacterCount());
    if (!text.isEmpty())
        Send(QAccessibleTextInsertEvent(&source_, 0, text));
}

void TAccessibleTextEvents::Schedule()
{
    if (scheduled_ || !Listening())
        return;
    scheduled_ = true;
    QTimer::singleShot(0, &source_, [this] { SendCaretAndSelection(); });
}

void TAccessibleTextEvents::SendCaretAndSelection()
{
    scheduled_ = false;
    if (!Listening())
        return;
    const long long caret = text_.CaretOffset();
    if (caret != caretSent_) {
        caretSent_ = caret;
        Send(QAccessibleTextCursorEvent(&source_, ToAccessibleOffset(caret)));
    }
    const std::optional<TTextSpan> selection = text_.Selection();
    if (selection == selectionSent_)
        return;
    selectionSent_ = selection;
    const int start = ToAccessibleOffset(selection ? selection->Start : caret);
    const int end = ToAccessibleOffset(selection ? selection->End : caret);
    Send(QAccessibleTextSelectionEvent(&source_, start, end));
}

}  // namespace tavi
