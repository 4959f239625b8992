// Declarations of the portable host: the subset of the Win32 interface that
// the framework and the application call, with the names, types and constant
// values of the real headers. Each system area has its own header.
#pragma once

#include "nvhost_types.h"
#include "nvhost_kernel.h"
#include "nvhost_user.h"
#include "nvhost_shell.h"
#include "nvhost_imm.h"
#include "nvhost_winmm.h"
