#include "install/win/system_entries.h"

#include <objbase.h>
#include <shlobj.h>

#include "install/install_names.h"

namespace inst {
namespace {

// Owns one COM interface pointer.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr()
    {
        if (p_) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    void** out() { return reinterpret_cast<void**>(&p_); }

private:
    T* p_ = nullptr;
};

// Owns an open registry key.
class RegKey {
public:
    RegKey() = default;
    ~RegKey()
    {
        if (key_) RegCloseKey(key_);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

std::string HresultText(const char* what, HRESULT hr)
{
    char code[16];
    wsprintfA(code, "0x%08lx", static_cast<unsigned long>(hr));
    return std::string(what) + " (" + code + ")";
}

bool SetString(HKEY key, const char* name, const std::string& value)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace

std::string CreateShortcut(const std::string& link, const std::string& target, const std::string& description)
{
    ComPtr<IShellLinkA> shellLink;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, shellLink.out());
    if (FAILED(hr)) return HresultText("cannot create the shortcut object", hr);
    shellLink->SetPath(target.c_str());
    shellLink->SetDescription(description.c_str());
    const std::size_t slash = target.rfind('\\');
    if (slash != std::string::npos) shellLink->SetWorkingDirectory(target.substr(0, slash).c_str());
    ComPtr<IPersistFile> file;
    hr = shellLink->QueryInterface(IID_IPersistFile, file.out());
    if (FAILED(hr)) return HresultText("cannot save the shortcut", hr);
    wchar_t wide[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH) == 0) return "the shortcut path is too long";
    hr = file->Save(wide, TRUE);
    return FAILED(hr) ? HresultText("cannot save the shortcut", hr) : "";
}

std::string WriteUninstallEntry(HKEY root, const std::string& key, const std::string& uninstallCommand)
{
    RegKey opened;
    LONG status = RegOpenKeyExA(root, key.c_str(), 0, KEY_SET_VALUE, opened.out());
    if (status != ERROR_SUCCESS) {
        // RegCreateKeyEx makes every missing component of the path on the way.
        status = RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, opened.out(), nullptr);
        if (status != ERROR_SUCCESS) return "cannot create the uninstall entry (error " + std::to_string(status) + ")";
    }
    if (!SetString(opened.get(), "DisplayName", kProductName) || !SetString(opened.get(), "Publisher", kPublisher) ||
        !SetString(opened.get(), "UninstallString", uninstallCommand))
        return "cannot write the uninstall entry's values";
    return {};
}

bool DeleteUninstallEntry(HKEY root, const std::string& key)
{
    const LONG status = RegDeleteKeyA(root, key.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace inst
