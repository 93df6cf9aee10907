#pragma once

#include "com/com_error.hpp"
#include "com/com_ptr.hpp"
#include "host/dispatch_context.hpp"
#include "host/owned_variant.hpp"

#include <array>
#include <memory>
#include <span>
#include <string_view>
#include <utility>

namespace velmora::win32 {

// One host object called late-bound, by member name: GetIDsOfNames (once per kind of object and
// name), then Invoke. Arguments are given first to last; they reach the host in the reverse
// order that Invoke expects. Every failure throws ComError with the host's description.
class DispatchObject {
public:
  // `type` names the kind of object for the DISPID cache; it must outlive the object (a literal).
  DispatchObject(ComPtr<IDispatch> object, std::shared_ptr<DispatchContext> context,
                 const char16_t* type);

  IDispatch* dispatch() const noexcept { return object_.get(); }
  const std::shared_ptr<DispatchContext>& context() const noexcept { return context_; }

  // A property read (DISPATCH_PROPERTYGET), with arguments for a parameterised property.
  template <typename... Arguments>
  OwnedVariant get(std::u16string_view member, Arguments&&... arguments) {
    std::array<OwnedVariant, sizeof...(Arguments)> list{std::forward<Arguments>(arguments)...};
    return invoke(member, DISPATCH_PROPERTYGET, list);
  }

  // A member whose result is used, which the host may declare as a method or as a parameterised
  // property: invoked with both flags, as Basic's late binding does.
  template <typename... Arguments>
  OwnedVariant call(std::u16string_view member, Arguments&&... arguments) {
    std::array<OwnedVariant, sizeof...(Arguments)> list{std::forward<Arguments>(arguments)...};
    return invoke(member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, list);
  }

  // A method called for its effect (DISPATCH_METHOD); a result is dropped.
  template <typename... Arguments> void run(std::u16string_view member, Arguments&&... arguments) {
    std::array<OwnedVariant, sizeof...(Arguments)> list{std::forward<Arguments>(arguments)...};
    invoke(member, DISPATCH_METHOD, list);
  }

  // A property write (DISPATCH_PROPERTYPUT).
  void put(std::u16string_view member, OwnedVariant value);

  // Whether the object knows `member` by name (its DISPID is then known too).
  bool answers(std::u16string_view member);

  // The object a call returned, as the host's Nothing check: HostError for Nothing.
  static ComPtr<IDispatch> required(const OwnedVariant& result);

private:
  DISPID idOf(std::u16string_view member, bool& cached);
  DISPID askId(std::u16string_view member);
  OwnedVariant invoke(std::u16string_view member, WORD flags, std::span<OwnedVariant> arguments,
                      bool isPut = false);

  ComPtr<IDispatch> object_;
  std::shared_ptr<DispatchContext> context_;
  const char16_t* type_;
};

} // namespace velmora::win32
