// The design-time configuration of the main window's editor.
#include "app/main_editor_setup.h"

#include "editor/editor.h"

void ConfigureMainEditor(TEditor* editor)
{
    editor->Core().SetWordWrap(true);
    editor->Core().SetWrapByte(80);
}
