#pragma once

#include <unknwn.h>
#include <utility>

namespace velmora::win32 {

// Owns one reference to a COM interface.
template <typename T> class ComPtr {
public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes a reference of its own to `pointer`.
  explicit ComPtr(T* pointer) : pointer_(pointer) {
    if (pointer_ != nullptr) {
      pointer_->AddRef();
    }
  }
  ComPtr(const ComPtr& other) : ComPtr(other.pointer_) {}
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(pointer_, other.pointer_);
    return *this;
  }
  ~ComPtr() { reset(); }

  // Adopts a reference that the caller already holds.
  static ComPtr adopt(T* pointer) noexcept {
    ComPtr result;
    result.pointer_ = pointer;
    return result;
  }

  T* get() const noexcept { return pointer_; }
  T* operator->() const noexcept { return pointer_; }
  explicit operator bool() const noexcept { return pointer_ != nullptr; }

  void reset() noexcept {
    if (T* old = std::exchange(pointer_, nullptr)) {
      old->Release();
    }
  }
  // Gives up the reference without releasing it.
  T* detach() noexcept { return std::exchange(pointer_, nullptr); }
  // Releases the current reference and hands out the slot for an out parameter.
  T** put() noexcept {
    reset();
    return &pointer_;
  }

  // QueryInterface for `U`; null when the object does not answer it.
  template <typename U> ComPtr<U> as(const IID& iid) const noexcept {
    ComPtr<U> result;
    if (pointer_ != nullptr) {
      pointer_->QueryInterface(iid, reinterpret_cast<void**>(result.put()));
    }
    return result;
  }

private:
  T* pointer_ = nullptr;
};

} // namespace velmora::win32
