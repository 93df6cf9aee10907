#pragma once

#include <ole2.h>
#include <string>
#include <vector>

// Late-bound calls on the IDE's objects, as an add-in makes them: by name, arguments first to
// last. A failed call throws ProbeFailure.
namespace velmora::probe {

struct ProbeFailure {
  HRESULT result;
};

// Invokes `member` with `flags` and the arguments (which stay the caller's); the result.
VARIANT call(IDispatch* object, const wchar_t* member, WORD flags,
             std::vector<VARIANT> arguments = {});
// The object a property or call gives (an added reference).
IDispatch* object(IDispatch* parent, const wchar_t* member, std::vector<VARIANT> arguments = {});
void put(IDispatch* object, const wchar_t* member, VARIANT value);

VARIANT number(long value);
// A BSTR VARIANT; the caller clears it.
VARIANT text(const std::wstring& value);
VARIANT objectValue(IDispatch* value);

} // namespace velmora::probe
