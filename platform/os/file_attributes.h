// Carrying a file's extended attributes (its access control list among them) over to the file that replaces it.
#pragma once

namespace tavi {

// Copies every extended attribute of the open file `from` to the open file `to`: the user's
// own ("user.*"), the access control list ("system.posix_acl_access") and whatever else the
// file system lets the caller set. What the file system or the caller's rights refuse is
// skipped; the copy never fails a save.
void CopyExtendedAttributes(int from, int to);

}  // namespace tavi
