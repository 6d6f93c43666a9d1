#pragma once

#include "FormDescription.h"

// The main window (800 × 600): every picture button, painted panel and the
// version label, in form order. Each strip is embedded under the name of its
// control.
const TFormDesc &MainFormDescription();
