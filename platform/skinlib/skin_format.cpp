#include "skin_format.h"

#include <cstring>
#include <utility>

namespace skinh {

namespace {

std::uint16_t readU16(const unsigned char *p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t readU32(const unsigned char *p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF,
// and no NUL (the name ends up in C strings on the way to the screen).
bool validUtf8(const unsigned char *p, std::size_t n) {
  std::size_t i = 0;
  while (i < n) {
    const unsigned char c = p[i];
    if (c == 0) return false;
    if (c < 0x80) {
      ++i;
      continue;
    }
    std::size_t len;
    std::uint32_t cp;
    if ((c & 0xE0) == 0xC0) {
      len = 2;
      cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      len = 3;
      cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      len = 4;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (n - i < len) return false;
    for (std::size_t k = 1; k < len; ++k) {
      if ((p[i + k] & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (p[i + k] & 0x3F);
    }
    static constexpr std::uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += len;
  }
  return true;
}

}  // namespace

std::uint32_t crc32(const unsigned char *data, std::size_t size) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

bool parseSkin(const unsigned char *data, std::size_t size, Skin &out) {
  if (data == nullptr || size < kHeaderSize) return false;
  if (std::memcmp(data, kMagic, sizeof kMagic) != 0) return false;
  if (data[4] != kFormatVersion) return false;
  const std::size_t headerSize = data[5];
  if (headerSize < kHeaderSize || headerSize > kMaxHeaderSize || headerSize > size) return false;
  // Compare against what is there rather than adding to the header size,
  // so a huge length cannot wrap around.
  const std::size_t bodySize = readU32(data + 8);
  if (bodySize != size - headerSize) return false;
  const unsigned char *body = data + headerSize;
  if (crc32(body, bodySize) != readU32(data + 12)) return false;

  if (bodySize < 4) return false;
  const unsigned colourCount = body[0];
  const int radius = body[1];
  const std::size_t nameSize = readU16(body + 2);
  if (colourCount < RoleCount || colourCount > kMaxColours) return false;
  if (radius > kMaxRadius) return false;
  if (nameSize == 0 || nameSize > kMaxNameBytes) return false;
  if (bodySize != 4 + 4 * std::size_t{colourCount} + nameSize) return false;

  const unsigned char *colours = body + 4;
  const unsigned char *name = colours + 4 * colourCount;
  if (!validUtf8(name, nameSize)) return false;

  Skin skin;
  for (int role = 0; role < RoleCount; ++role) {
    const unsigned char *c = colours + 4 * role;
    skin.colours[role] = Colour{c[0], c[1], c[2], c[3]};
  }
  skin.radius = radius;
  skin.name.assign(reinterpret_cast<const char *>(name), nameSize);
  out = std::move(skin);
  return true;
}

}  // namespace skinh
