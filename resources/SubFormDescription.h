#pragma once

#include "FormDescription.h"

// The sub-window (700 × 525) of the user list and the options: its picture
// buttons, option switches, name panel and native controls, in form order.
// Each strip is embedded under the name of its control.
const TFormDesc &SubFormDescription();
