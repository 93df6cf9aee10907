#include "host/dispatch_object.hpp"

#include "host/host_failure.hpp"

#include <vector>

namespace velmora::win32 {

namespace {

// What Basic says when an object reference is Nothing (its error 91).
constexpr HRESULT kNoObjectStatus = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 91);
constexpr char16_t kNoObject[] = u"オブジェクト変数または With ブロック変数が設定されていません。";

} // namespace

DispatchObject::DispatchObject(ComPtr<IDispatch> object, std::shared_ptr<DispatchContext> context,
                               const char16_t* type)
    : object_(std::move(object)), context_(std::move(context)), type_(type) {
  if (!object_) {
    throw ComError(kNoObjectStatus, kNoObject);
  }
  if (!context_) {
    context_ = std::make_shared<DispatchContext>();
  }
}

ComPtr<IDispatch> DispatchObject::required(const OwnedVariant& result) {
  ComPtr<IDispatch> object = result.toObject();
  if (!object) {
    throw ComError(kNoObjectStatus, kNoObject);
  }
  return object;
}

DISPID DispatchObject::askId(std::u16string_view member) {
  std::u16string name(member);
  auto* names = reinterpret_cast<LPOLESTR>(name.data());
  DISPID id = DISPID_UNKNOWN;
  clearErrorInfo();
  const HRESULT status = object_->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(status)) {
    throw hostFailure(status);
  }
  context_->names.remember(type_, member, id);
  return id;
}

DISPID DispatchObject::idOf(std::u16string_view member, bool& cached) {
  if (const auto known = context_->names.find(type_, member)) {
    cached = true;
    return *known;
  }
  cached = false;
  return askId(member);
}

bool DispatchObject::answers(std::u16string_view member) {
  try {
    bool cached = false;
    idOf(member, cached);
    return true;
  } catch (const ComError&) {
    return false;
  }
}

void DispatchObject::put(std::u16string_view member, OwnedVariant value) {
  invoke(member, DISPATCH_PROPERTYPUT, std::span<OwnedVariant>(&value, 1), true);
}

OwnedVariant DispatchObject::invoke(std::u16string_view member, WORD flags,
                                    std::span<OwnedVariant> arguments, bool isPut) {
  // Invoke takes the arguments last to first. The copies are shallow: the list owns the values.
  std::vector<VARIANTARG> reversed;
  reversed.reserve(arguments.size());
  for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) {
    reversed.push_back(*argument->get());
  }
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{reversed.data(), isPut ? &putId : nullptr,
                        static_cast<UINT>(reversed.size()), isPut ? 1U : 0U};

  bool cached = false;
  DISPID id = idOf(member, cached);
  for (;;) {
    OwnedVariant result;
    EXCEPINFO exception{};
    UINT argumentError = 0;
    clearErrorInfo();
    const HRESULT status =
        object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                        isPut ? nullptr : result.get(), &exception, &argumentError);
    if (SUCCEEDED(status)) {
      return result;
    }
    if (status == DISP_E_EXCEPTION) {
      throw exceptionFailure(exception);
    }
    // Another object of the same kind may number its members differently: ask it once.
    if (status == DISP_E_MEMBERNOTFOUND && cached) {
      cached = false;
      const DISPID own = askId(member);
      if (own != id) {
        id = own;
        continue;
      }
    }
    throw hostFailure(status);
  }
}

} // namespace velmora::win32
