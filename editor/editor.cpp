// The editor control: a custom-drawn, fixed-pitch editor for Shift-JIS text.
#include "editor/editor.h"

TEditor::TEditor(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::StrongFocus);
}
