#include "media/win/image_files.h"

#include <objidl.h>
#include <gdiplus.h>

#include <vector>

#include "media/bmp.h"
#include "settings/text.h"
#include "settings/win/handles.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

using MemoryDC = OwnedHandle<HDC, DeleteDC>;
namespace gdip = Gdiplus::DllExports;

std::wstring Wide(const std::string& text)
{
    const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(size > 0 ? static_cast<std::size_t>(size) : 0, L'\0');
    if (size > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), size);
    if (!wide.empty()) wide.pop_back();
    return wide;
}

bool WriteAll(const std::string& path, const std::string& bytes)
{
    // Closed by hand: a failed close (the data never reached the disk) fails the write.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    const bool closed = CloseHandle(file) != 0;
    if (!ok || !closed) DeleteFileA(path.c_str());
    return ok && closed;
}

// GDI+ is started for one conversion and shut down after it.
class GdiplusSession {
public:
    GdiplusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession()
    {
        if (started_) Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool started() const { return started_; }

private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

std::optional<CLSID> PngEncoder()
{
    UINT count = 0;
    UINT bytes = 0;
    if (gdip::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return std::nullopt;
    std::vector<unsigned char> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (gdip::GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return std::nullopt;
    for (UINT i = 0; i < count; ++i) {
        if (codecs[i].MimeType && std::wstring(codecs[i].MimeType) == L"image/png") return codecs[i].Clsid;
    }
    return std::nullopt;
}

}  // namespace

bool WriteBitmapAsBmp(HBITMAP bitmap, HWND window, const std::string& path)
{
    BITMAP info{};
    if (!GetObjectA(bitmap, sizeof info, &info)) return false;
    const int bits = BmpBitDepth(info.bmPlanes, info.bmBitsPixel);
    const std::string header = BmpInfoHeader(info.bmWidth, info.bmHeight, bits);
    const std::uint32_t tableBytes = BmpColourEntries(bits) * 4;
    const std::uint32_t pixelBytes = BmpRowBytes(info.bmWidth, bits) * static_cast<std::uint32_t>(info.bmHeight);
    // GetDIBits fills the colour table after the header it is given.
    std::vector<unsigned char> headerAndTable(header.size() + tableBytes);
    std::copy(header.begin(), header.end(), headerAndTable.begin());
    std::string pixels(pixelBytes, '\0');
    WindowDC screen(window);
    MemoryDC memory(CreateCompatibleDC(screen.get()));
    if (!memory) return false;
    auto* bmi = reinterpret_cast<BITMAPINFO*>(headerAndTable.data());
    if (GetDIBits(memory.get(), bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), bmi, DIB_RGB_COLORS) == 0)
        return false;
    std::string file = BmpFileHeader(static_cast<std::uint32_t>(header.size()), tableBytes, pixelBytes);
    file.append(header);  // the header as built: GetDIBits may have rewritten fields of its copy
    file.append(reinterpret_cast<const char*>(headerAndTable.data()) + header.size(), tableBytes);
    file.append(pixels);
    return WriteAll(path, file);
}

bool writeDibAsBmp(std::string_view packed, const std::string& path)
{
    const std::optional<std::string> file = PackedDibAsBmp(packed);
    return file && WriteAll(path, *file);
}

std::optional<std::string> ConvertToPng(const std::string& bmpPath)
{
    const std::string extension = ExtensionOf(bmpPath);
    const std::string pngPath = bmpPath.substr(0, bmpPath.size() - extension.size()) + ".png";
    GdiplusSession session;
    if (!session.started()) return std::nullopt;
    const std::optional<CLSID> encoder = PngEncoder();
    if (!encoder) return std::nullopt;
    Gdiplus::GpImage* image = nullptr;
    if (gdip::GdipLoadImageFromFile(Wide(bmpPath).c_str(), &image) != Gdiplus::Ok || !image) return std::nullopt;
    const Gdiplus::Status saved = gdip::GdipSaveImageToFile(image, Wide(pngPath).c_str(), &*encoder, nullptr);
    gdip::GdipDisposeImage(image);
    if (saved != Gdiplus::Ok) return std::nullopt;
    return pngPath;
}

std::string KeepAsPngWhenSet(const std::string& bmpPath, const std::string& bmpName, bool savesPng)
{
    if (!savesPng) return bmpName;
    const std::optional<std::string> png = ConvertToPng(bmpPath);
    if (!png) return bmpName;
    DeleteFileA(bmpPath.c_str());
    return FileNameOf(*png);
}

std::optional<std::string> PasteClipboardImage(HWND window, const std::string& folder)
{
    if (!OpenClipboard(window)) return std::nullopt;
    // The clipboard owns the bitmap; a copy outlives closing it.
    HBITMAP shared = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    GdiObject<HBITMAP> bitmap(shared ? static_cast<HBITMAP>(CopyImage(shared, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
    CloseClipboard();
    if (!bitmap.get()) return std::nullopt;
    const bool savesPng = Settings().GetBoolDefaultTrue("ImageSaveAsPng");
    const auto name = NextImageName(
        [&folder](const std::string& candidate) {
            std::string path;
            return !JoinPath(path, folder, candidate) || PathExists(path);
        },
        savesPng);
    std::string path;
    if (!name || !JoinPath(path, folder, *name) || !WriteBitmapAsBmp(bitmap.get(), window, path)) {
        StatusMessage("Error creating bitmap");
        return std::nullopt;
    }
    return KeepAsPngWhenSet(path, *name, savesPng);
}

}  // namespace pw
