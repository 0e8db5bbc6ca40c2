#include "sandbox.h"

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "install/win/files.h"

namespace inst::test {
namespace {

void DeleteTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                DeleteTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

int g_sandboxCount = 0;

}  // namespace

Sandbox::Sandbox()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string unique = std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++g_sandboxCount);
    root_ = std::string(temp) + "pwinstall_" + unique;
    DeleteTree(root_);
    for (const char* folder : {"", "\\dl", "\\pf", "\\ad", "\\menu", "\\umenu", "\\desk"})
        CreateDirectoryA((root_ + folder).c_str(), nullptr);
    keyParent_ = "Software\\PagewickTests\\" + unique;

    InstallTargets& t = installer.targets;
    t.installerFile = Path("dl\\Install.exe");
    t.programFiles = Path("pf");
    t.appData = Path("ad");
    t.commonPrograms = Path("menu");
    t.userPrograms = Path("umenu");
    t.desktop = Path("desk");
    t.oldSettingsFile = Path("pf\\Ferrowind\\Ferrowind.ini");
    t.registryRoot = HKEY_CURRENT_USER;
    t.uninstallKey = keyParent_ + "\\Uninstall\\Pagewick";
    installer.state.launchAfterInstall = false;
    installer.quitOnClose = false;
    installer.hooks.useOldSettings = [this](HWND) {
        ++oldSettingsAsked;
        return answerUseOldSettings;
    };
    installer.hooks.warn = [this](HWND, const std::string& text) { warnings.push_back(text); };
    installer.hooks.pickFolder = [this](HWND) { return pickedFolder; };
}

Sandbox::~Sandbox()
{
    DeleteTree(root_);
    RegDeleteTreeA(HKEY_CURRENT_USER, keyParent_.c_str());
}

std::string Sandbox::Path(const std::string& relative) const
{
    return relative.empty() ? root_ : root_ + "\\" + relative;
}

void Sandbox::Write(const std::string& relative, const std::string& bytes) const
{
    const std::string path = Path(relative);
    CreateFolderTree(FolderOf(path));
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Sandbox::Read(const std::string& relative) const
{
    std::ifstream in(Path(relative), std::ios::binary);
    if (!in) return "<missing>";
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Sandbox::Exists(const std::string& relative) const
{
    return GetFileAttributesA(Path(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Sandbox::PutRelease(const std::vector<ZipEntry>& entries, const char* archiveName) const
{
    Write(std::string("dl\\") + archiveName, ZipBytes(entries));
    Write("dl\\Install.exe", "installer stand-in");
}

std::vector<std::string> Sandbox::Listing() const
{
    std::vector<std::string> names;
    for (const TreeItem& item : ListTree(root_)) names.push_back(item.path + (item.folder ? "\\" : ""));
    std::sort(names.begin(), names.end());
    return names;
}

std::string Sandbox::RegistryValue(const char* name) const
{
    char value[512] = "";
    DWORD size = sizeof value;
    if (RegGetValueA(installer.targets.registryRoot, installer.targets.uninstallKey.c_str(), name, RRF_RT_REG_SZ,
                     nullptr, value, &size) != ERROR_SUCCESS)
        return "<missing>";
    return value;
}

bool Sandbox::RegistryKeyExists() const
{
    HKEY key;
    if (RegOpenKeyExA(installer.targets.registryRoot, installer.targets.uninstallKey.c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::vector<ZipEntry> ReleaseEntries()
{
    return {{"Pagewick.exe", "program v2"},
            {"Pagewick_default.ini", "[General]\r\nUseStatBar=1\r\n"},
            {"support/", ""},
            {"support/markup.css", "body { margin: 1em; }"},
            {"support/help/", ""},
            {"support/help/1_help.txt", "Help"},
            {"support/help/Licence.txt", "Licence line one\nLicence line two\n"},
            {"file_info/", ""}};
}

std::string ShortcutTarget(const std::string& link)
{
    CoInitialize(nullptr);
    std::string target;
    IShellLinkA* shellLink = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t wide[MAX_PATH];
            MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
            char path[MAX_PATH] = "";
            if (SUCCEEDED(file->Load(wide, STGM_READ)) &&
                SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
                target = path;
            file->Release();
        }
        shellLink->Release();
    }
    CoUninitialize();
    return target;
}

}  // namespace inst::test
