// Skin files (.she): a small binary description of a colour theme.
//
// All integers are little-endian. A file is a 16-byte header followed by a
// body; the file ends exactly where the body ends.
//
//   offset size  field
//   0      4     magic: the bytes ".SHE" (2E 53 48 45)
//   4      1     format version: 1
//   5      1     header length in bytes, 16..64; the body starts here. Bytes
//                between offset 16 and the header length are reserved for
//                later versions and skipped.
//   6      2     reserved, written as 0 and ignored
//   8      4     body length in bytes (u32)
//   12     4     CRC-32 of the body (the common zlib / PNG polynomial)
//
// Body:
//   0      1     colour count N, 11..64. The first 11 are the roles below,
//                in this order; later ones are for newer readers and skipped.
//   1      1     corner radius in pixels, 0..20
//   2      2     name length L in bytes (u16), 1..255
//   4      4*N   colours, each four bytes R, G, B, A (A = 255 is opaque)
//   4+4N   L     name, UTF-8, no NUL
//
// The body length must be exactly 4 + 4*N + L. Anything that does not fit
// this layout is refused as a whole: a half-read skin would paint the program
// in a mix of two themes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace skinh {

struct Colour {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
  friend bool operator==(const Colour &, const Colour &) = default;
};

// Order matters: it is the order of the colours in the file.
enum Role : int {
  Window,        // window and dialog face
  WindowText,    // text drawn directly on the face
  Base,          // background of edit boxes
  Text,          // text in edit boxes
  ButtonTop,     // button gradient, top
  ButtonBottom,  // button gradient, bottom
  ButtonText,
  Highlight,  // selection, focus, checked indicators
  HighlightedText,
  Border,  // frames of buttons, edit boxes and indicators
  DisabledText,
  RoleCount
};

struct Skin {
  std::array<Colour, RoleCount> colours{};
  int radius = 0;
  std::string name;  // UTF-8

  const Colour &operator[](Role role) const { return colours[role]; }
};

inline constexpr unsigned char kMagic[4] = {'.', 'S', 'H', 'E'};
inline constexpr unsigned kFormatVersion = 1;
inline constexpr std::size_t kHeaderSize = 16;
inline constexpr std::size_t kMaxHeaderSize = 64;
inline constexpr unsigned kMaxColours = 64;
inline constexpr int kMaxRadius = 20;
inline constexpr std::size_t kMaxNameBytes = 255;

std::uint32_t crc32(const unsigned char *data, std::size_t size);

// Reads a skin from memory. Returns false, leaving `out` untouched, for
// anything that is not a complete, well-formed version 1 skin. Never reads
// outside [data, data + size).
bool parseSkin(const unsigned char *data, std::size_t size, Skin &out);

}  // namespace skinh
