// What assistive technologies see of the editor: a document, editable unless read-only, named by its form.
#include <QAccessible>
#include <QAccessibleWidget>

#include "editor/editor.h"

namespace {

class TEditorAccessible : public QAccessibleWidget {
public:
    explicit TEditorAccessible(TEditor* editor) : QAccessibleWidget(editor, QAccessible::Document) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiLine = true;
        state.editable = !static_cast<const TEditor*>(widget())->ReadOnly();
        state.readOnly = !state.editable;
        return state;
    }
};

QAccessibleInterface* EditorAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("TEditor"))
        if (auto* editor = qobject_cast<TEditor*>(object))
            return new TEditorAccessible(editor);
    return nullptr;
}

}  // namespace

void TEditor::InstallAccessibility()
{
    static const bool installed = (QAccessible::installFactory(EditorAccessible), true);
    (void)installed;
}
