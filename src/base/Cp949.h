#pragma once
// The one codec between the CP949 bytes of files and the UTF-8 text used inside the player.
//
// Lossless: valid CP949 maps to Unicode exactly; every byte that does not start a valid
// character maps to the code point U+10FF00 + byte, and encodes back to that byte, so any
// byte string survives decode + encode unchanged. A Unicode character that has no CP949
// form encodes as "?".
#include <cstddef>
#include <string>
#include <string_view>

namespace qav::text {

// First code point of the private range that carries undecodable bytes.
inline constexpr char32_t kRawByteBase = 0x10FF00;

std::string decodeCp949(std::string_view bytes);
std::string encodeCp949(std::string_view utf8);

// Appending forms of the two conversions, for callers that build large buffers.
void appendDecodedCp949(std::string& out, std::string_view bytes);
void appendCp949(std::string& out, std::string_view utf8);

// Number of bytes the CP949 form of a UTF-8 text has.
std::size_t cp949Size(std::string_view utf8);

// The first maxBytes bytes of the CP949 form, decoded back. A double-byte character that
// straddles the cut keeps only its lead byte (which then decodes to a raw-byte code point).
std::string cutCp949(std::string_view utf8, std::size_t maxBytes);

}  // namespace qav::text
