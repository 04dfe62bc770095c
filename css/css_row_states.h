// The CSS reading's state at the start of rows, read as far as asked and followed through changes.
#pragma once

#include <string_view>
#include <vector>

#include "css/css_reader.h"
#include "text/row_text.h"

namespace tavi {

// The rows a reading goes over: a document's rows in order, a line break after those that end
// their line.
class TCssRowSource {
public:
    virtual ~TCssRowSource() = default;
    virtual int RowCount() const = 0;
    virtual std::string_view RowText(int r) const = 0;
    virtual bool RowEndsLine(int r) const = 0;
    virtual TTextEncoding Encoding() const = 0;
};

// States kept at the start of every kSpacing-th row or so, from the top down to the lowest row
// asked for; the rows between are read again from the kept state above them when needed.
class TCssRowStates {
public:
    static constexpr int kSpacing = 16;
    // A change re-reads at most this many rows past its band before it leaves the rest to be
    // read when asked for.
    static constexpr int kChangeReadLimit = 4096;

    // The state at the start of row r (0 <= r <= RowCount()).
    TCssState StateAt(const TCssRowSource& rows, int r);
    // The coloured pieces of row r, in its byte positions, in order.
    void SpansOfRow(const TCssRowSource& rows, int r, std::vector<TCssSpan>& spans);
    // What the place before byte `at` of row r is (a comment, a string, a property name...).
    TCssPlace PlaceAt(const TCssRowSource& rows, int r, int at);

    // Follows a change that replaced rows [first, first + oldRows) by [first, first + newRows):
    // reads again from `first` until a kept state below the change is read alike. Returns the
    // row after the last one whose reading may differ (RowCount() when it cannot tell).
    int Change(const TCssRowSource& rows, int first, int oldRows, int newRows);
    // Forgets everything (a text loaded, or another encoding).
    void Clear();

    // Rows the last Change read; for measuring.
    int RowsReadByLastChange() const { return rowsRead_; }

private:
    struct TKept {
        int Row;
        TCssState State;
    };
    // Index of the last kept state at or above row r, reading down to r first if needed.
    std::size_t KeptAtOrAbove(const TCssRowSource& rows, int r);
    static void ReadRow(const TCssRowSource& rows, int r, TCssReader& reader);

    std::vector<TKept> kept_{{0, TCssState{}}};  // rows ascending; kept_[0] is row 0
    // The state at the end of the row read last, so that rows asked for in order are read once.
    TKept last_{-1, TCssState{}};
    int rowsRead_ = 0;
};

}  // namespace tavi
