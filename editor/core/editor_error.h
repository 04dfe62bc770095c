// The error the editor core raises for failures a user sees (files that cannot be read or written, bad indexes).
#pragma once

#include <string_view>

#include "platform/os/user_error.h"

namespace tavi {

// The core's failures are the user errors the file layer raises too.
using TEditorError = TUserError;

// Message of an index outside a string list.
inline constexpr std::string_view kListIndexError = "リストのインデックスが範囲を超えています (%s)";

}  // namespace tavi
