// The clipboard as the text box uses it: plain text only.
#pragma once

#include "framework/core/NVString.h"

// The clipboard's text, or "" when it holds none or cannot be opened.
NVString getClipboardText();
// Replaces the clipboard's content with `text`.
void setClipboardText(NVString text);
