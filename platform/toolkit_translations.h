// The toolkit's own texts (its file, colour and font choosers, its standard buttons) in Japanese.
#pragma once

class QCoreApplication;

namespace tavi {

// Installs the toolkit's Japanese translations on `application`, whatever the user's
// locale: the whole interface is Japanese, so the toolkit's dialogs must be too.
// Returns false, and changes nothing, when the translations are not installed
// (the program then goes on with the toolkit's English texts).
bool InstallToolkitTranslations(QCoreApplication& application);

}  // namespace tavi
