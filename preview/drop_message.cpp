// What the editor and the preview pane say of a declaration the browser drops.
#include "preview/preview.h"

QString DropMessage(const TPreviewDeclaration& declaration, TDropReason reason)
{
    QString why;
    if (reason == TDropReason::UnknownProperty)
        why = QStringLiteral("プロパティ '%1' を知りません").arg(declaration.Name);
    else if (declaration.Value.trimmed().isEmpty())
        why = QStringLiteral("'%1' に値がありません").arg(declaration.Name);
    else
        why = QStringLiteral("値 '%1' を解釈できません").arg(declaration.Value);
    return QStringLiteral("ブラウザーに無視される宣言です: ") + why;
}
