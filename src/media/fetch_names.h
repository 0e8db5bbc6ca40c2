// The name a fetched file gets: taken from the address or the response, cleaned for the file system, and its
// extension corrected by what the body really holds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pw {

inline constexpr std::size_t kMaxAddressNameText = 2047;
inline constexpr std::size_t kSniffBytes = 20;

// The file name for an address or a response name: cut at the first "&", "%2F" read as "/", the last
// component that is not a final "/", "%20" and "%3A" decoded, then blank, "%", "/", ":", "?" and "\" each
// turned into "_". A name the file system would take for something else never comes out: a name of dots
// and blanks only (or none) becomes "_" plus itself, and a reserved device name (CON, NUL, COM1 and the
// like, with any extension) gets "_" in front, so the result always names a file inside the target folder.
// At most 259 characters.
std::string FetchedFileName(std::string_view text);

// The extension that the first kSniffBytes bytes of a body call for (".png", ".jpg", ".bmp", ".gif"), or
// empty when they match none.
std::string_view SniffedExtension(std::string_view body);
// The path with its extension replaced (or added) by the sniffed one when that differs (case ignored).
std::string CorrectExtension(std::string_view path, std::string_view body);

// True for CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, alone or before an extension (case ignored).
bool IsReservedDeviceName(std::string_view name);

}  // namespace pw
