#pragma once
// Releases a COM interface on every way out.

template <class Interface>
class ComReference {
 public:
  ComReference() = default;
  ~ComReference() {
    if (pointer_) pointer_->Release();
  }
  ComReference(const ComReference&) = delete;
  ComReference& operator=(const ComReference&) = delete;
  Interface* operator->() const { return pointer_; }
  Interface* Get() const { return pointer_; }
  void** Out() { return reinterpret_cast<void**>(&pointer_); }
  Interface** Address() { return &pointer_; }

 private:
  Interface* pointer_ = nullptr;
};
