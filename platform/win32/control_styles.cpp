// The portable values of platform/control_styles.h must be the system's.
#include "platform/control_styles.h"

#include <windows.h>

namespace platform {

static_assert(kSsLeft == SS_LEFT && kSsNoPrefix == SS_NOPREFIX);
static_assert(kBsPushButton == BS_PUSHBUTTON && kBsDefPushButton == BS_DEFPUSHBUTTON);
static_assert(kBsAutoCheckBox == BS_AUTOCHECKBOX && kBsAutoRadioButton == BS_AUTORADIOBUTTON);
static_assert(kBnClicked == BN_CLICKED && kBmClick == BM_CLICK);
static_assert(kBmGetCheck == BM_GETCHECK && kBmSetCheck == BM_SETCHECK && kBstChecked == BST_CHECKED);

}  // namespace platform
