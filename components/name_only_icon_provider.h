// Icons and type names for a file dialog's list, decided by file names alone.
#pragma once

#include <QFileIconProvider>
#include <QMimeDatabase>

// The toolkit's own provider reads a file's first bytes when its name leaves the type
// open; a file of a pseudo file system, a pipe or a device may never answer, which froze
// the dialog. This one never opens a file: folders get the folder icon, files the icon
// and description their name's extension stands for.
class TNameOnlyIconProvider : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;

private:
    QMimeDatabase mimeTypes_;
};
