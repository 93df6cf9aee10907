// Defines the identifiers declared in the generated headers.
// clang-format off
#include <windows.h>
#include <ole2.h>
#include <initguid.h>
#include "addin_interfaces.h"
#include "velmora.h"
// clang-format on
