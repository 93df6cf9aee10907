#pragma once

#include "sim/vbide/objects/automation_error.hpp"
#include "sim/vbide/objects/dispatch_call.hpp"

#include <atomic>
#include <ole2.h>
#include <span>
#include <windows.h>

namespace velmora::sim::vbide {

// A member of an automation object as GetIDsOfNames finds it (names compare case-insensitively,
// as Visual Basic compares them).
struct DispatchMember {
  const wchar_t* name;
  DISPID id;
};

// An automation object of the simulated IDE: IUnknown and IDispatch, answered from a table of
// member names. Invoke hands each call to the object's invoke(); what that throws is turned
// into what an automation caller expects: AutomationError and velmora::Error (the in-memory
// IDE's HostError) become DISP_E_EXCEPTION with EXCEPINFO (the object's source, the error's
// HRESULT as scode and its description), DispatchFault its own HRESULT. No C++ exception leaves
// a COM method. The object ends with its last Release, which deletes it through its virtual
// destructor; only Release may, hence the protected one.
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor)
class DispatchObject : public IDispatch {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID riid, LCID lcid, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override;

  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  // The automation objects of the process that are alive (somebody still holds a reference).
  static long liveCount();

protected:
  // `iid` is the interface the IDE documents for the object; QueryInterface answers it with this
  // IDispatch (call it by name: the slots after IDispatch's are not there). `source` names the
  // component in EXCEPINFO ("VBIDE", "Office").
  DispatchObject(std::span<const DispatchMember> members, const IID& iid, const wchar_t* source);
  virtual ~DispatchObject();

  // Runs member `id`; DISP_E_MEMBERNOTFOUND (as a DispatchFault) for an id it does not have.
  virtual void invoke(DISPID id, DispatchCall& call) = 0;
  // Another interface the object answers (an added reference), or null.
  virtual IUnknown* queryOther(REFIID iid);

private:
  std::span<const DispatchMember> members_;
  IID iid_;
  const wchar_t* source_;
  std::atomic<ULONG> references_{1};
};

} // namespace velmora::sim::vbide
