// Turning typed or composed Unicode text into the code page 932 bytes the editor inserts.
#pragma once

#include <QStringView>
#include <string>

namespace tavi {

// The characters of `text` that can be typed into a document, in code page 932: control
// characters (C0, DEL, C1) and characters the code page cannot hold are left out rather
// than turned into "?", so that nothing the user did not type lands in the document.
std::string InsertableCp932(QStringView text);

}  // namespace tavi
