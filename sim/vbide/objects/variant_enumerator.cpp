#include "sim/vbide/objects/variant_enumerator.hpp"

#include <atomic>
#include <memory>

namespace velmora::sim::vbide {

namespace {

using Items = std::vector<win32::ComPtr<IDispatch>>;

class VariantEnumerator final : public IEnumVARIANT {
public:
  VariantEnumerator(std::shared_ptr<const Items> items, std::size_t next)
      : items_(std::move(items)), next_(next) {}
  virtual ~VariantEnumerator() = default;
  VariantEnumerator(const VariantEnumerator&) = delete;
  VariantEnumerator& operator=(const VariantEnumerator&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) {
      return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IEnumVARIANT)) {
      AddRef();
      *out = static_cast<IEnumVARIANT*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG remaining = --references_;
    if (remaining == 0) {
      delete this;
    }
    return remaining;
  }

  HRESULT STDMETHODCALLTYPE Next(ULONG wanted, VARIANT* out, ULONG* fetched) override {
    if (out == nullptr || (wanted > 1 && fetched == nullptr)) {
      return E_POINTER;
    }
    ULONG given = 0;
    for (; given < wanted && next_ < items_->size(); ++given, ++next_) {
      VariantInit(&out[given]);
      V_VT(&out[given]) = VT_DISPATCH;
      V_DISPATCH(&out[given]) = win32::ComPtr<IDispatch>((*items_)[next_]).detach();
    }
    if (fetched != nullptr) {
      *fetched = given;
    }
    return given == wanted ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    const std::size_t left = items_->size() - next_;
    next_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override {
    if (out == nullptr) {
      return E_POINTER;
    }
    *out = new (std::nothrow) VariantEnumerator(items_, next_);
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
  }

private:
  std::shared_ptr<const Items> items_;
  std::size_t next_;
  std::atomic<ULONG> references_{1};
};

} // namespace

win32::ComPtr<IEnumVARIANT> makeVariantEnumerator(std::vector<win32::ComPtr<IDispatch>> items) {
  return win32::ComPtr<IEnumVARIANT>::adopt(
      new VariantEnumerator(std::make_shared<const Items>(std::move(items)), 0));
}

} // namespace velmora::sim::vbide
