#pragma once
// Owners for the platform's handles: each handle the program takes is closed
// by exactly one owner, on every way out.

#include <windows.h>

#include <type_traits>
#include <utility>

// Owns one handle of type T and hands it to Close when done. Both null and
// INVALID_HANDLE_VALUE mean "none" (the platform returns one or the other
// on failure, depending on the function); for a numeric handle, 0 does.
template <typename T, auto Close>
class Owned {
 public:
  Owned() = default;
  explicit Owned(T value) : value_(value) {}
  ~Owned() { Reset(); }
  Owned(Owned&& other) noexcept : value_(other.Release()) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  T Get() const { return value_; }
  explicit operator bool() const { return IsHandle(value_); }
  // Gives the handle up without closing it.
  T Release() { return std::exchange(value_, T{}); }
  void Reset(T value = T{}) {
    if (IsHandle(value_)) Close(value_);
    value_ = value;
  }
  // For functions that hand a new handle out through a pointer.
  T* Out() {
    Reset();
    return &value_;
  }

 private:
  static bool IsHandle(T value) {
    if constexpr (std::is_pointer_v<T>) return value != T{} && value != reinterpret_cast<T>(INVALID_HANDLE_VALUE);
    return value != T{};
  }
  T value_{};
};

using OwnedFile = Owned<HANDLE, &CloseHandle>;
using OwnedFind = Owned<HANDLE, &FindClose>;
using OwnedKey = Owned<HKEY, &RegCloseKey>;
using OwnedModule = Owned<HMODULE, &FreeLibrary>;
using OwnedIcon = Owned<HICON, &DestroyIcon>;
using OwnedEnhMetaFile = Owned<HENHMETAFILE, &DeleteEnhMetaFile>;
using OwnedAccelerators = Owned<HACCEL, &DestroyAcceleratorTable>;
// Fonts, bitmaps, brushes.
template <typename T>
using GdiObject = Owned<T, &DeleteObject>;
// A device context made by CreateCompatibleDC.
using MemoryDC = Owned<HDC, &DeleteDC>;

// A window's device context (the screen's for a null window), released when
// done. Flags other than 0 take it through GetDCEx.
class WindowDC {
 public:
  explicit WindowDC(HWND window, DWORD flags = 0)
      : window_(window), dc_(flags ? GetDCEx(window, nullptr, flags) : GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The device context of a WM_PAINT, ended when done.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDC() { EndPaint(window_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Selects an object into a device context and puts the former one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), former_(SelectObject(dc, object)) {}
  ~ScopedSelect() {
    if (former_) SelectObject(dc_, former_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ former_;
};
