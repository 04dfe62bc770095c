// Who the editor runs as.
#include "platform/os/process_user.h"

#include <unistd.h>

namespace tavi {

bool RunsAsRoot()
{
    return geteuid() == 0;
}

}  // namespace tavi
