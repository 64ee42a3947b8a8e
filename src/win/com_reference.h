#pragma once
// Owners for what COM hands out: the thread's initialisation, interfaces,
// and memory from its allocator.

#include <objbase.h>

// COM initialised on this thread for as long as it lives; uninitialised at
// the end only when the start succeeded.
class ComScope {
 public:
  ComScope() : started_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComScope() {
    if (started_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool started_;
};

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

// Memory the shell hands out with CoTaskMemAlloc (item lists and the like).
template <typename T>
class CoTaskMemory {
 public:
  CoTaskMemory() = default;
  ~CoTaskMemory() { CoTaskMemFree(pointer_); }
  CoTaskMemory(const CoTaskMemory&) = delete;
  CoTaskMemory& operator=(const CoTaskMemory&) = delete;
  T Get() const { return pointer_; }
  T* Out() { return &pointer_; }

 private:
  T pointer_{};
};
