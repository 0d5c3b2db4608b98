// `--screenshot`: the program started as usual, a game dealt from a seed,
// and a picture of the window saved once play has opened, with a dialog
// open over the table when one is asked for. The window then closes by its
// usual path.
#pragma once

#include "core/edition.h"
#include "ui/start_options.h"

// 0 when the picture was written; 1 when it could not be, or the dialog
// asked for is not built (a line on stderr says which).
int TakeScreenshot(const Edition& edition, const StartOptions& options);
