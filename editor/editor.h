// The editor control: a custom-drawn, fixed-pitch editor for Shift-JIS text.
#pragma once

#include <QWidget>

#include "editor/core/editor_core.h"

class TEditor : public QWidget {
    Q_OBJECT
public:
    explicit TEditor(QWidget* parent = nullptr);

    // The document as logical lines of code page 932 bytes.
    tavi::TEditorStrings& Lines() { return core_.Lines(); }
    const tavi::TEditorStrings& Lines() const { return core_.Lines(); }

    // The document model behind the control.
    tavi::TEditorCore& Core() { return core_; }

    bool Modified() const { return core_.Modified(); }
    void SetModified(bool value) { core_.SetModified(value); }

    QSize sizeHint() const override { return {185, 89}; }

private:
    tavi::TEditorCore core_;
};
