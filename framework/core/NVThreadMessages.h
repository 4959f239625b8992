// Everything that crosses from the main thread to a window thread: the
// thread messages, posted to the engine's window thread (NVM_RESIZE is sent
// to a window instead). Parameters are 0 unless a comment names them.
#pragma once

enum NVThreadMessage : unsigned {
  NVM_CREATE = 0x802,   // create the windows of the stages in the create queue
  NVM_DESTROY = 0x803,  // destroy the windows of the stages in the destroy queue
  NVM_QUIT = 0x804,     // leave the message loop
  NVM_RESIZE = 0x806,   // sent to a window: apply its stage's rectangle
  NVM_FOCUS = 0x807,    // long parameter: the stage whose window takes the focus (or null)
  NVM_CURSOR = 0x808,   // long parameter: the stage whose cursor to show
  NVM_ENABLE = 0x809,   // long parameter: the stage to enable
  NVM_DISABLE = 0x80A,  // long parameter: the stage to disable
};
