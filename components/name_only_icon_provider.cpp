// Icons and type names for a file dialog's list, decided by file names alone.
#include "components/name_only_icon_provider.h"

#include <QFileInfo>
#include <QMimeType>

QIcon TNameOnlyIconProvider::icon(const QFileInfo& info) const
{
    if (info.isDir())
        return icon(QAbstractFileIconProvider::Folder);
    const QMimeType mime = mimeTypes_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return QIcon::fromTheme(mime.iconName(), icon(QAbstractFileIconProvider::File));
}

QString TNameOnlyIconProvider::type(const QFileInfo& info) const
{
    if (info.isDir())
        return QFileIconProvider::type(info);
    const QMimeType mime = mimeTypes_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}
