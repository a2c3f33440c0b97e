#pragma once
// Sweater numbers made unique before the roster editor opens from the main window.

#include "app/session.h"

namespace roster {

// The lowest roster place keeps a duplicated number; later holders get the next
// free number above it, wrapping from 99 to 1 (0 is never handed out again).
// Empty places take part. A stored number above 99 is treated as a duplicate.
void Renumber(app::TeamSlot& slot);

}  // namespace roster
