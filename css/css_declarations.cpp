// The declarations of a style sheet, found by following the CSS reading character by character.
#include "css/css_declarations.h"

#include <optional>

#include "css/css_reader.h"

namespace tavi {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// The end of `text` before the blanks that end [from, to).
int TrimmedEnd(std::string_view text, int from, int to)
{
    while (to > from && IsBlank(text[static_cast<std::size_t>(to - 1)]))
        --to;
    return to;
}

class TDeclarationFinder {
public:
    TDeclarationFinder(std::string_view text, TTextEncoding encoding) : text_(text), encoding_(encoding) {}

    std::vector<TCssDeclaration> Find()
    {
        const auto* bytes = reinterpret_cast<const unsigned char*>(text_.data());
        const int n = static_cast<int>(text_.size());
        for (int i = 0; i < n;) {
            const unsigned char c = bytes[i];
            const int length = c < 0x80 ? 1 : CharAt(text_, static_cast<std::size_t>(i), encoding_).Bytes;
            Step(i, c < 0x80 ? c : 0x80);
            i += length;
        }
        reader_.Flush(n);
        TakeSpans();
        if (open_)
            Close(n);
        return std::move(found_);
    }

private:
    void Step(int at, unsigned char c)
    {
        const TCssState before = reader_.State();
        const TCssPlace placeBefore = reader_.Place();
        reader_.Feed(at, c);
        TakeSpans();
        const TCssState& after = reader_.State();
        const auto contextBefore = static_cast<TCssPlace>(before.Context);
        const auto contextAfter = static_cast<TCssPlace>(after.Context);
        if (open_ && open_->ValueBegin < 0) {
            if (contextBefore == TCssPlace::PropertyName && contextAfter == TCssPlace::Value) {
                open_->ValueBegin = at + 1;
            } else if (placeBefore == TCssPlace::PropertyName && (c == ';' || c == '}' || c == '{')) {
                Close(at);  // a name without ":" and value
            }
        } else if (open_ && contextBefore == TCssPlace::Value && contextAfter != TCssPlace::Value) {
            Close(at);
        }
        if (after.Depth > before.Depth)
            styleBlocks_.push_back(contextBefore == TCssPlace::Selector);
        else if (after.Depth < before.Depth && !styleBlocks_.empty())
            styleBlocks_.pop_back();
    }

    void TakeSpans()
    {
        for (const TCssSpan& span : spans_) {
            if (span.Class == TCssClass::Property || span.Class == TCssClass::UnknownProperty) {
                if (!open_) {
                    open_ = TCssDeclaration{};
                    open_->Begin = span.Begin;
                    open_->NameEnd = span.End;
                    open_->InStyleRule = !styleBlocks_.empty() && styleBlocks_.back();
                }
            } else if (span.Class == TCssClass::Important && open_ && open_->ValueBegin >= 0) {
                open_->Important = true;
                importantAt_ = span.Begin;
            }
        }
        spans_.clear();
    }

    void Close(int at)
    {
        TCssDeclaration& d = *open_;
        d.End = TrimmedEnd(text_, d.Begin, at);
        if (d.ValueBegin >= 0) {
            while (d.ValueBegin < d.End && IsBlank(text_[static_cast<std::size_t>(d.ValueBegin)]))
                ++d.ValueBegin;
            d.ValueBegin = std::min(d.ValueBegin, d.End);
            d.ValueEnd = TrimmedEnd(text_, d.ValueBegin, d.Important ? importantAt_ : d.End);
        }
        found_.push_back(d);
        open_.reset();
    }

    std::string_view text_;
    TTextEncoding encoding_;
    std::vector<TCssSpan> spans_;
    TCssReader reader_{TCssState{}, &spans_};
    std::vector<bool> styleBlocks_;  // for each open block: whether a style rule's
    std::optional<TCssDeclaration> open_;
    int importantAt_ = 0;
    std::vector<TCssDeclaration> found_;
};

}  // namespace

std::vector<TCssDeclaration> CssDeclarationsOf(std::string_view text, TTextEncoding encoding)
{
    return TDeclarationFinder(text, encoding).Find();
}

}  // namespace tavi
