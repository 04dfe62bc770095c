// Turning typed or composed Unicode text into the code page 932 bytes the editor inserts.
#include "editor/text_input.h"

#include "platform/code_page.h"

namespace tavi {

std::string InsertableCp932(QStringView text)
{
    std::string out;
    for (qsizetype i = 0; i < text.size();) {
        // One code point at a time: a surrogate pair is one character.
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const QStringView ch = text.mid(i, n);
        i += n;
        const char16_t u = ch[0].unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            continue;
        if (!FitsCp932(ch))
            continue;
        out += ToCp932String(ch);
    }
    return out;
}

}  // namespace tavi
