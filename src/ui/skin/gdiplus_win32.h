// GDI+ for the Win32 layer: <gdiplus.h> needs the COM declarations that
// WIN32_LEAN_AND_MEAN leaves out.
#pragma once

#include <windows.h>
// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on
