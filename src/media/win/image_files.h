// Pictures saved as image files: a bitmap written as a BMP file, a BMP turned into a PNG, and the clipboard's
// picture pasted into a folder under the next free "Image_NNN" name.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace pw {

// Writes the bitmap's pixel rows, in its own depth, as a BMP file (replacing one of that path).
bool WriteBitmapAsBmp(HBITMAP bitmap, HWND window, const std::string& path);
// Writes a dropped packed bitmap (information header, colour table, pixel rows in one block) as a BMP file,
// replacing one of that path; false for a block that is not a whole bitmap.
bool writeDibAsBmp(std::string_view packed, const std::string& path);
// The PNG beside the BMP (same folder and base name), written through GDI+; nullopt when that fails.
std::optional<std::string> ConvertToPng(const std::string& bmpPath);
// With PNG saving on, the BMP is replaced by its PNG when the conversion works. The kept file's name.
std::string KeepAsPngWhenSet(const std::string& bmpPath, const std::string& bmpName, bool savesPng);
// The clipboard's bitmap saved into the folder, as a PNG when ImageSaveAsPng is on and the conversion works
// (the BMP is then deleted), else as the BMP. The saved file's name; nullopt when there was no bitmap, or
// "Error creating bitmap" was shown.
std::optional<std::string> PasteClipboardImage(HWND window, const std::string& folder);

}  // namespace pw
