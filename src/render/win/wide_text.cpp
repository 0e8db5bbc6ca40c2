#include "render/win/wide_text.h"

namespace pw {

std::string NarrowText(const wchar_t* text)
{
    if (!text || !*text) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<std::size_t>(size), '\0');
    if (!WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), size, nullptr, nullptr)) return {};
    out.resize(static_cast<std::size_t>(size - 1));
    return out;
}

std::optional<std::wstring> WideText(std::string_view text)
{
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (size <= 0) return std::nullopt;
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    if (!MultiByteToWideChar(CP_ACP, 0, text.data(), length, out.data(), size)) return std::nullopt;
    return out;
}

}  // namespace pw
