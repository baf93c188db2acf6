#pragma once
#include <windows.h>

// Owns a kernel handle, so no early return can leak it.
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle = nullptr) : handle_(handle) {}
    ~ScopedHandle() { Close(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    HANDLE Get() const { return handle_; }
    HANDLE* Receive() { Close(); return &handle_; }
    explicit operator bool() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    void Close()
    {
        if (*this)
            CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_;
};
