// The design-time configuration of the main window's editor.
#pragma once

class TEditor;

// Gives `editor` the main window's appearance and behaviour settings (before the settings
// file, which may override the appearance ones).
void ConfigureMainEditor(TEditor* editor);
