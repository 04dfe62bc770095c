// Loading the preview module, which holds the browser engine, when the preview is first opened.
#pragma once

#include <QString>

class TPreviewFactory;

// The module's factory, or none with the reason in `error`. Looks beside the program (a build)
// and in lib/tavi-css-editor beside its folder (an installation). As root the engine's sandbox
// cannot run, so it is turned off then (and only then) before the engine starts.
TPreviewFactory* LoadPreviewModule(QString& error);
