// Title drags of a real window, as a hand makes them with the left button.
#pragma once

#include "XvfbScreen.h"

namespace e2e {

// Drags `frame` by its title `count` times, by (60, 24) and back in turn,
// grabbing it (grabDX, grabDY) screen pixels in from its origin. The window
// must follow each half step of a drag (so the program saw the press) and be
// where the pointer's way puts it before the release; the next drag, made
// where the window should be, checks that the release left it there. Fails
// the calling test (fatally) at the first step the window does not take.
void dragTitleThereAndBack(XvfbScreen& screen, unsigned long frame, int count, int grabDX, int grabDY);

}  // namespace e2e
