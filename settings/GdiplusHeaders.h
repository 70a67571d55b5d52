// GDI+ needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
