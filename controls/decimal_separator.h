#pragma once
// The process-wide decimal separator that the general number format writes. At load it is the
// user's regional setting (Windows) or "." (elsewhere); the plug-in sets it to "." at
// initialisation.

namespace controls {

char DecimalSeparator();
void SetDecimalSeparator(char separator);

}  // namespace controls
