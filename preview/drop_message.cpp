// What the editor and the preview pane say of a declaration the browser drops.
#include "preview/preview.h"

QString DropReason(const TPreviewDeclaration& declaration, TDropReason reason)
{
    if (reason == TDropReason::UnknownProperty)
        return QStringLiteral("プロパティ '%1' を知りません").arg(declaration.Name);
    if (declaration.Value.trimmed().isEmpty())
        return QStringLiteral("'%1' に値がありません").arg(declaration.Name);
    return QStringLiteral("値 '%1' を解釈できません").arg(declaration.Value);
}

QString DropMessage(const TPreviewDeclaration& declaration, TDropReason reason)
{
    return QStringLiteral("ブラウザーに無視される宣言です: ") + DropReason(declaration, reason);
}
