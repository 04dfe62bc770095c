// How a file ends its lines.
#pragma once

#include <string_view>

namespace tavi {

enum class TLineEnd {
    CrLf,  // CR LF: new documents, and files without a line break
    Lf,
    Cr,
};

// The bytes of a line end.
constexpr std::string_view LineEndBytes(TLineEnd lineEnd)
{
    switch (lineEnd) {
        case TLineEnd::Lf:
            return "\n";
        case TLineEnd::Cr:
            return "\r";
        case TLineEnd::CrLf:
            break;
    }
    return "\r\n";
}

}  // namespace tavi
