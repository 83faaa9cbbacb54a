#pragma once
// The process-wide decimal separator that the general number format writes. Until it is first
// set it is the user's regional setting (Windows) or "." (elsewhere), read once at the first use;
// the plug-in sets it to "." at initialisation. Decimal reading never consults it.

namespace controls {

char DecimalSeparator();
void SetDecimalSeparator(char separator);

}  // namespace controls
