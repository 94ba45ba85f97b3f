// The server visibility setting: the two commands built on the server
// service's parameters key.
#pragma once

#include "platform.h"

// Reports whether the computer is hidden from the network browse lists.
void ShowHiddenStatus();

// Stores `hidden` (1 to hide the computer, 0 to make it visible again) unless
// the setting already holds it, and reports the outcome.
void SetHiddenStatus(DWORD hidden);
