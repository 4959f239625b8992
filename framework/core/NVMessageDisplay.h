// The application's status text: one widget that the application designates,
// and one call that replaces its whole text.
#pragma once

#include "framework/core/NVString.h"

class NVWidget;

// The designated message widget; null until the application sets it. Not owned.
extern NVWidget* messageWidget;

// Replaces the text of the message widget; does nothing while there is none.
void setMessageText(NVString text);
