#pragma once
// The plug-in's one way of reporting an error the user can correct.

#include <string>

namespace measure {

// A modal, top-most box titled "Error" with the error icon and one OK button, owned by the
// application's owner window (the host's main window); when there is none, the box disables
// every top-level window of the calling thread instead. Returns when the user has dismissed it.
void ShowError(const std::string& message);

}  // namespace measure
