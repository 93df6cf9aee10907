#pragma once

#include "com/com_ptr.hpp"

#include <ole2.h>
#include <vector>

namespace velmora::sim::vbide {

// IEnumVARIANT over a snapshot of a collection's objects, for For Each.
win32::ComPtr<IEnumVARIANT> makeVariantEnumerator(std::vector<win32::ComPtr<IDispatch>> items);

} // namespace velmora::sim::vbide
