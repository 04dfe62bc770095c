// Who the editor runs as.
#pragma once

namespace tavi {

// Whether the process runs with the rights of the superuser (its effective user is root).
bool RunsAsRoot();

}  // namespace tavi
