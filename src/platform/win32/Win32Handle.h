#pragma once

#include <windows.h>

#include <utility>

namespace platform::win32 {

// Owns one Win32 object and releases it with its owner; `Traits` names the
// object's type, its empty value and how it is released.
template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    explicit UniqueHandle(Type value = Traits::Empty()) : value_(value) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Type Get() const { return value_; }
    bool IsOpen() const { return value_ != Traits::Empty(); }

    // Releases the object; false when the system reported an error (the
    // handle is given up all the same, so it is never released twice).
    bool Reset() {
        if (!IsOpen()) {
            return true;
        }
        return Traits::Release(std::exchange(value_, Traits::Empty()));
    }

private:
    Type value_;
};

struct FileHandleTraits {
    using Type = HANDLE;
    static Type Empty() { return INVALID_HANDLE_VALUE; }
    static bool Release(Type handle) { return ::CloseHandle(handle) != FALSE; }
};

struct WindowTraits {
    using Type = HWND;
    static Type Empty() { return nullptr; }
    static bool Release(Type window) { return ::DestroyWindow(window) != FALSE; }
};

struct ModuleTraits {
    using Type = HMODULE;
    static Type Empty() { return nullptr; }
    static bool Release(Type module) { return ::FreeLibrary(module) != FALSE; }
};

using FileHandle = UniqueHandle<FileHandleTraits>;
using WindowHandleOwner = UniqueHandle<WindowTraits>;
using LoadedModule = UniqueHandle<ModuleTraits>;

}  // namespace platform::win32
