// Turning Unicode text (typed, composed, pasted) into the bytes a document holds, and its bytes back into text.
#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

#include "text/row_text.h"

namespace tavi {

// The characters of `text` that can be typed into a document, in code page 932: control
// characters (C0, DEL, C1) and characters the code page cannot hold are left out rather
// than turned into "?", so that nothing the user did not type lands in the document.
std::string InsertableCp932(QStringView text);
// The same for a document in `encoding` (UTF-8 holds every character).
std::string InsertableText(QStringView text, TTextEncoding encoding);

// Text as a document in `encoding` holds it: in code page 932 the characters it lacks
// become "?".
std::string DocumentBytes(QStringView text, TTextEncoding encoding);
// A document's bytes as text: in UTF-8 an ill-formed byte becomes U+FFFD.
QString DocumentText(std::string_view bytes, TTextEncoding encoding);

}  // namespace tavi
