// Conversions between the system code page the program speaks and the wide strings of COM.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <optional>
#include <string>
#include <string_view>

namespace pw {

// The text in the system code page; empty for a null or unconvertible text.
std::string NarrowText(const wchar_t* text);
// The wide text of a system code page string; nullopt when it cannot be converted.
std::optional<std::wstring> WideText(std::string_view text);

// An owned BSTR.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const wchar_t* text) : s_(SysAllocString(text)) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(s_); }
    BSTR get() const { return s_; }
    BSTR* out()
    {
        SysFreeString(s_);
        s_ = nullptr;
        return &s_;
    }
    BSTR release()
    {
        BSTR s = s_;
        s_ = nullptr;
        return s;
    }

private:
    BSTR s_ = nullptr;
};

}  // namespace pw
