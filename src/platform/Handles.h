#pragma once

#include "platform/Win32.h"

#include <utility>

// Move-only owners for every kind of Win32 handle the program opens. Each
// kind names its own invalid value, because the API is not consistent: file
// and search handles fail with INVALID_HANDLE_VALUE, most others with null.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }

    [[nodiscard]] Handle Get() const noexcept { return handle_; }
    [[nodiscard]] bool IsValid() const noexcept { return handle_ != Traits::Invalid(); }
    explicit operator bool() const noexcept { return IsValid(); }

    Handle Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

    // For a call that hands its new handle out through a pointer: closes what
    // is held and lends the empty slot to the call.
    [[nodiscard]] Handle* Put() noexcept
    {
        Reset();
        return &handle_;
    }

    void Reset(Handle handle = Traits::Invalid()) noexcept
    {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid()) {
            CloseKeepingLastError(old);
        }
    }

private:
    // An owner often goes out of scope while its caller is reporting a
    // failure; the close must not replace that failure's error code.
    static void CloseKeepingLastError(Handle handle) noexcept
    {
        const DWORD error = ::GetLastError();
        Traits::Close(handle);
        ::SetLastError(error);
    }

    Handle handle_ = Traits::Invalid();
};

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) noexcept { ::CloseHandle(h); }
};

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) noexcept { ::FindClose(h); }
};

struct ChangeNotificationTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) noexcept { ::FindCloseChangeNotification(h); }
};

// Kernel objects whose creation fails with null: mutexes, events, threads, mappings.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::CloseHandle(h); }
};

struct RegistryKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::RegCloseKey(h); }
};

struct GdiObjectTraits {
    using Handle = HGDIOBJ;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DeleteObject(h); }
};

struct MemoryDcTraits {
    using Handle = HDC;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DeleteDC(h); }
};

// Memory the shell hands out from the task allocator, typed by what it holds.
template <typename Pointer>
struct CoTaskMemTraits {
    using Handle = Pointer;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::CoTaskMemFree(h); }
};

struct WindowTraits {
    using Handle = HWND;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DestroyWindow(h); }
};

// The address at which the shell mapped a shared-memory block into this process.
struct SharedMemoryLockTraits {
    using Handle = void*;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::SHUnlockShared(h); }
};

struct PrinterHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::ClosePrinter(h); }
};

struct MenuTraits {
    using Handle = HMENU;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DestroyMenu(h); }
};

struct WindowsHookTraits {
    using Handle = HHOOK;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::UnhookWindowsHookEx(h); }
};

// Movable global memory, the currency of the common dialogs' device records.
struct GlobalMemoryTraits {
    using Handle = HGLOBAL;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::GlobalFree(h); }
};

// Text the automation functions hand out, freed by the same allocator.
struct BstrTraits {
    using Handle = BSTR;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::SysFreeString(h); }
};

// COM objects are released rather than closed.
template <typename Interface>
struct ComInterfaceTraits {
    using Handle = Interface*;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { h->Release(); }
};

using FileHandle = UniqueHandle<FileHandleTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;
using ChangeNotificationHandle = UniqueHandle<ChangeNotificationTraits>;
using KernelHandle = UniqueHandle<KernelHandleTraits>;
using MutexHandle = KernelHandle;
using RegistryKey = UniqueHandle<RegistryKeyTraits>;
using GdiObject = UniqueHandle<GdiObjectTraits>;
using MemoryDc = UniqueHandle<MemoryDcTraits>;
using CoTaskMem = UniqueHandle<CoTaskMemTraits<void*>>;
using Pidl = UniqueHandle<CoTaskMemTraits<PIDLIST_ABSOLUTE>>;
using WindowHandle = UniqueHandle<WindowTraits>;
using WindowsHook = UniqueHandle<WindowsHookTraits>;
using MenuHandle = UniqueHandle<MenuTraits>;
using SharedMemoryLock = UniqueHandle<SharedMemoryLockTraits>;
using PrinterHandle = UniqueHandle<PrinterHandleTraits>;
using GlobalMemory = UniqueHandle<GlobalMemoryTraits>;
using Bstr = UniqueHandle<BstrTraits>;
template <typename Interface>
using ComInterface = UniqueHandle<ComInterfaceTraits<Interface>>;

// A value a COM property call hands out, cleared with whatever it holds.
class PropVariant {
public:
    PropVariant() noexcept { ::PropVariantInit(&value_); }
    ~PropVariant() { ::PropVariantClear(&value_); }
    PropVariant(const PropVariant&) = delete;
    PropVariant& operator=(const PropVariant&) = delete;

    [[nodiscard]] PROPVARIANT* Receive() noexcept { return &value_; }
    [[nodiscard]] const PROPVARIANT& Get() const noexcept { return value_; }

private:
    PROPVARIANT value_;
};

// A window's device context is released to its window, so it keeps both.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc()
    {
        if (dc_ != nullptr) {
            ::ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc(WindowDc&& other) noexcept : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&&) = delete;

    [[nodiscard]] HDC Get() const noexcept { return dc_; }
    [[nodiscard]] bool IsValid() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// The painting of one WM_PAINT: the DC BeginPaint hands out goes back
// through EndPaint, which also shows the caret BeginPaint hid.
class PaintScope {
public:
    explicit PaintScope(HWND window) noexcept : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    ~PaintScope()
    {
        if (dc_ != nullptr) {
            ::EndPaint(window_, &paint_);
        }
    }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    [[nodiscard]] HDC Dc() const noexcept { return dc_; }
    [[nodiscard]] const PAINTSTRUCT& Paint() const noexcept { return paint_; }
    [[nodiscard]] bool IsValid() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    // Declared before the DC: BeginPaint fills it while the DC is initialised.
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Shows a cursor while the scope lasts, then the one it replaced: a busy
// pointer inside a hand over a link goes back to the hand, not the arrow.
class CursorScope {
public:
    explicit CursorScope(HCURSOR cursor) noexcept : previous_(::SetCursor(cursor)) {}
    ~CursorScope() { ::SetCursor(previous_); }
    CursorScope(const CursorScope&) = delete;
    CursorScope& operator=(const CursorScope&) = delete;

private:
    HCURSOR previous_;
};

// A shell shared-memory block is freed through the process it was made for,
// so it keeps that process's id with the handle.
class SharedMemoryBlock {
public:
    SharedMemoryBlock(HANDLE block, DWORD processid) noexcept : block_(block), processid_(processid) {}
    ~SharedMemoryBlock()
    {
        if (block_ != nullptr) {
            ::SHFreeShared(block_, processid_);
        }
    }
    SharedMemoryBlock(const SharedMemoryBlock&) = delete;
    SharedMemoryBlock& operator=(const SharedMemoryBlock&) = delete;
    SharedMemoryBlock(SharedMemoryBlock&& other) noexcept
        : block_(std::exchange(other.block_, nullptr)), processid_(other.processid_)
    {
    }
    SharedMemoryBlock& operator=(SharedMemoryBlock&&) = delete;

    [[nodiscard]] HANDLE Get() const noexcept { return block_; }
    [[nodiscard]] bool IsValid() const noexcept { return block_ != nullptr; }

private:
    HANDLE block_;
    DWORD processid_;
};

// Puts back the object a device context had before a SelectObject.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectedObject()
    {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            ::SelectObject(dc_, previous_);
        }
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The fixed address of movable global memory while it is in use.
template <typename Record>
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL memory) noexcept
        : memory_(memory), record_(memory != nullptr ? static_cast<Record*>(::GlobalLock(memory)) : nullptr)
    {
    }
    ~LockedGlobal()
    {
        if (record_ != nullptr) {
            ::GlobalUnlock(memory_);
        }
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;

    [[nodiscard]] Record* Get() const noexcept { return record_; }
    Record* operator->() const noexcept { return record_; }
    explicit operator bool() const noexcept { return record_ != nullptr; }

private:
    HGLOBAL memory_;
    Record* record_;
};
