// Cursors.
//  [x] the standard cursors of LoadCursorA as SDL system cursors; a null
//      cursor hides the pointer
//  [ ] cursors made from program resources (the host has none)
#include "platform/host/display/sdl/cursors.h"

#include <map>

namespace nvhost::sdl {

namespace {

// LoadCursorA hands out the resource number shifted left by four.
int resourceOf(HCURSOR cursor) { return static_cast<int>(reinterpret_cast<ULONG_PTR>(cursor) >> 4); }

SDL_SystemCursor systemCursorFor(int resource) {
  switch (resource) {
    case 32513: return SDL_SYSTEM_CURSOR_IBEAM;
    case 32514: return SDL_SYSTEM_CURSOR_WAIT;
    case 32515: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case 32642: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case 32643: return SDL_SYSTEM_CURSOR_SIZENESW;
    case 32644: return SDL_SYSTEM_CURSOR_SIZEWE;
    case 32645: return SDL_SYSTEM_CURSOR_SIZENS;
    case 32646: return SDL_SYSTEM_CURSOR_SIZEALL;
    case 32648: return SDL_SYSTEM_CURSOR_NO;
    case 32649: return SDL_SYSTEM_CURSOR_HAND;
    case 32650: return SDL_SYSTEM_CURSOR_WAITARROW;
    default: return SDL_SYSTEM_CURSOR_ARROW;
  }
}

std::map<SDL_SystemCursor, SDL_Cursor*>& made() {
  static auto* cursors = new std::map<SDL_SystemCursor, SDL_Cursor*>;
  return *cursors;
}

}  // namespace

void showCursor(HCURSOR cursor) {
  if (cursor == nullptr) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  const SDL_SystemCursor id = systemCursorFor(resourceOf(cursor));
  SDL_Cursor*& sdlCursor = made()[id];
  if (sdlCursor == nullptr) sdlCursor = SDL_CreateSystemCursor(id);
  if (sdlCursor != nullptr) SDL_SetCursor(sdlCursor);
  SDL_ShowCursor(SDL_ENABLE);
}

void freeCursors() {
  for (auto& [id, cursor] : made()) {
    if (cursor != nullptr) SDL_FreeCursor(cursor);
  }
  made().clear();
}

}  // namespace nvhost::sdl
