// imm32 on the portable host: the input context of a window, its composition
// font and window, and the committed result string.
#pragma once

#include "nvhost_types.h"

#define GCS_COMPREADSTR 0x0001
#define GCS_COMPSTR 0x0008
#define GCS_CURSORPOS 0x0080
#define GCS_RESULTREADSTR 0x0200
#define GCS_RESULTSTR 0x0800

#define CFS_DEFAULT 0x0000
#define CFS_RECT 0x0001
#define CFS_POINT 0x0002
#define CFS_FORCE_POSITION 0x0020

#define IMN_SETCONVERSIONMODE 0x0006
#define IMN_SETOPENSTATUS 0x0008

#define IMM_ERROR_NODATA (-1)
#define IMM_ERROR_GENERAL (-2)

typedef struct tagCOMPOSITIONFORM {
  DWORD dwStyle;
  POINT ptCurrentPos;
  RECT rcArea;
} COMPOSITIONFORM, *PCOMPOSITIONFORM, *LPCOMPOSITIONFORM;

HIMC ImmGetContext(HWND window);
BOOL ImmReleaseContext(HWND window, HIMC context);
BOOL ImmSetCompositionFontA(HIMC context, LPLOGFONTA font);
BOOL ImmGetCompositionFontA(HIMC context, LPLOGFONTA font);
BOOL ImmSetCompositionWindow(HIMC context, LPCOMPOSITIONFORM form);
BOOL ImmGetCompositionWindow(HIMC context, LPCOMPOSITIONFORM form);
LONG ImmGetCompositionStringA(HIMC context, DWORD index, LPVOID buffer, DWORD bytes);
BOOL ImmGetOpenStatus(HIMC context);
BOOL ImmSetOpenStatus(HIMC context, BOOL open);
