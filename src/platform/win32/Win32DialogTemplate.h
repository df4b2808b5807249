#pragma once

#include <cstddef>
#include <vector>

namespace platform::win32 {

// A copy of the program's dialog resource `id` (a DLGTEMPLATEEX), for
// CreateDialogIndirectParamW, as MFC loads its dialogs. `hidden` clears the
// visible style so that the caller shows the dialog when it is ready. Empty
// when the program has no such DLGTEMPLATEEX resource.
std::vector<std::byte> LoadDialogTemplate(int id, bool hidden);

}  // namespace platform::win32
