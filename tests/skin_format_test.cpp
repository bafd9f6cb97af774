// Tests of the skin file reader. Needs the repository root on the include
// path. The committed skins are found next to this source file
// (tests/../assets/skins); define NUMVELLA_SKIN_DIR to look elsewhere.

#include "platform/skinlib/skin_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

constexpr int kSkinCount = 33;
// Offsets in a file with the standard 16-byte header.
constexpr std::size_t kBody = 16;
constexpr std::size_t kColourCount = kBody + 0;
constexpr std::size_t kRadius = kBody + 1;
constexpr std::size_t kNameSize = kBody + 2;
constexpr std::size_t kColours = kBody + 4;
constexpr std::size_t kName = kColours + 4 * skinh::RoleCount;

std::string skinDir() {
#ifdef NUMVELLA_SKIN_DIR
  return NUMVELLA_SKIN_DIR;
#else
  const std::string here = __FILE__;
  const auto slash = here.find_last_of('/');
  return (slash == std::string::npos ? std::string(".") : here.substr(0, slash)) +
         "/../assets/skins";
#endif
}

std::string skinPath(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "/skin%02d.she", number);
  return skinDir() + name;
}

Bytes readFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void putU16(Bytes &b, std::size_t at, std::uint32_t v) {
  b[at] = v & 0xFF;
  b[at + 1] = (v >> 8) & 0xFF;
}

void putU32(Bytes &b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}

// Makes the header agree with the body again after an edit, so that a test
// reaches the check it is aimed at instead of stopping at the checksum.
void reseal(Bytes &b) {
  const std::size_t header = b[5];
  putU32(b, 8, static_cast<std::uint32_t>(b.size() - header));
  putU32(b, 12, skinh::crc32(b.data() + header, b.size() - header));
}

bool parses(const Bytes &b, skinh::Skin *out = nullptr) {
  skinh::Skin local;
  return skinh::parseSkin(b.data(), b.size(), out ? *out : local);
}

class SkinFormat : public ::testing::Test {
 protected:
  void SetUp() override {
    good = readFile(skinPath(2));
    ASSERT_GT(good.size(), kName) << "cannot read " << skinPath(2);
    ASSERT_TRUE(parses(good, &goodSkin));
  }
  Bytes good;
  skinh::Skin goodSkin;
};

TEST(CommittedSkins, AllParseWithDistinctNames) {
  std::set<std::string> names;
  for (int n = 1; n <= kSkinCount; ++n) {
    const Bytes b = readFile(skinPath(n));
    skinh::Skin skin;
    ASSERT_TRUE(skinh::parseSkin(b.data(), b.size(), skin)) << skinPath(n);
    EXPECT_FALSE(skin.name.empty()) << skinPath(n);
    EXPECT_LE(skin.radius, skinh::kMaxRadius) << skinPath(n);
    names.insert(skin.name);
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kSkinCount));
}

TEST_F(SkinFormat, ReadsColoursRadiusAndName) {
  // Compare against the raw bytes, independently of the reader.
  for (int role = 0; role < skinh::RoleCount; ++role) {
    const unsigned char *c = good.data() + kColours + 4 * role;
    EXPECT_EQ(goodSkin.colours[role], (skinh::Colour{c[0], c[1], c[2], c[3]})) << "role " << role;
  }
  EXPECT_EQ(goodSkin.radius, good[kRadius]);
  EXPECT_EQ(goodSkin.name, std::string(good.begin() + kName, good.end()));
}

TEST_F(SkinFormat, RefusesEveryTruncationAndLeavesResultUntouched) {
  skinh::Skin out;
  out.name = "unchanged";
  out.radius = 7;
  for (std::size_t n = 0; n < good.size(); ++n) {
    // A fresh copy of exactly n bytes, so a sanitizer sees any read past it.
    const Bytes prefix(good.begin(), good.begin() + n);
    EXPECT_FALSE(skinh::parseSkin(prefix.data(), prefix.size(), out)) << "length " << n;
  }
  EXPECT_EQ(out.name, "unchanged");
  EXPECT_EQ(out.radius, 7);
  EXPECT_FALSE(skinh::parseSkin(nullptr, good.size(), out));
}

TEST_F(SkinFormat, RefusesMalformedFiles) {
  struct Case {
    const char *what;
    std::function<void(Bytes &)> edit;
  };
  const std::vector<Case> cases = {
      {"wrong magic", [](Bytes &b) { b[1] = 's'; }},
      {"newer version", [](Bytes &b) { b[4] = 2; }},
      {"header shorter than 16", [](Bytes &b) { b[5] = 15; }},
      {"header length over the limit", [](Bytes &b) { b[5] = 255; }},
      {"body length far too large", [](Bytes &b) { putU32(b, 8, 0xFFFFFFFFu); }},
      {"body length one too large",
       [](Bytes &b) { putU32(b, 8, static_cast<std::uint32_t>(b.size() - kBody + 1)); }},
      {"trailing byte", [](Bytes &b) { b.push_back(0); }},
      {"checksum mismatch", [](Bytes &b) { b[kColours] ^= 0x01; }},
      // The rest keep length and checksum consistent, so only the body's
      // own fields are wrong.
      {"too few colours",
       [](Bytes &b) {
         b[kColourCount] = skinh::RoleCount - 1;
         reseal(b);
       }},
      {"colour count beyond the body",
       [](Bytes &b) {
         b[kColourCount] = 64;
         reseal(b);
       }},
      {"colour count over the limit",
       [](Bytes &b) {
         b[kColourCount] = 255;
         reseal(b);
       }},
      {"name length a little past the end",
       [](Bytes &b) {
         putU16(b, kNameSize, static_cast<std::uint32_t>(b.size() - kName + 10));
         reseal(b);
       }},
      {"name length over the limit",
       [](Bytes &b) {
         putU16(b, kNameSize, 0xFFFF);
         reseal(b);
       }},
      {"empty name",
       [](Bytes &b) {
         putU16(b, kNameSize, 0);
         b.resize(kName);
         reseal(b);
       }},
      {"radius over the limit",
       [](Bytes &b) {
         b[kRadius] = skinh::kMaxRadius + 1;
         reseal(b);
       }},
      {"overlong UTF-8 in name",
       [](Bytes &b) {
         b[kName] = 0xC0;
         b[kName + 1] = 0x80;
         reseal(b);
       }},
      {"UTF-8 surrogate in name",
       [](Bytes &b) {
         b[kName] = 0xED;
         b[kName + 1] = 0xA0;
         b[kName + 2] = 0x80;
         reseal(b);
       }},
      {"UTF-8 sequence cut by the end of the file",
       [](Bytes &b) {
         const std::size_t n = b.size();
         b[n - 3] = 'a', b[n - 2] = 'b', b[n - 1] = 0xE4;  // a lead byte wanting two more
         reseal(b);
       }},
      {"NUL in name",
       [](Bytes &b) {
         b[kName] = 0;
         reseal(b);
       }},
  };
  for (const Case &c : cases) {
    Bytes b = good;
    c.edit(b);
    skinh::Skin out = goodSkin;
    out.name = "unchanged";
    EXPECT_FALSE(skinh::parseSkin(b.data(), b.size(), out)) << c.what;
    EXPECT_EQ(out.name, "unchanged") << c.what;
  }
}

TEST_F(SkinFormat, SkipsWhatLaterVersionsMayAdd) {
  // Extra colours after the known roles.
  Bytes more = good;
  more.insert(more.begin() + kName, {1, 2, 3, 4, 5, 6, 7, 8});
  more[kColourCount] += 2;
  reseal(more);
  skinh::Skin skin;
  ASSERT_TRUE(parses(more, &skin));
  EXPECT_EQ(skin.colours, goodSkin.colours);
  EXPECT_EQ(skin.name, goodSkin.name);

  // A longer header with reserved bytes.
  Bytes longer = good;
  longer.insert(longer.begin() + kBody, {0xAA, 0xBB, 0xCC, 0xDD});
  longer[5] = kBody + 4;
  reseal(longer);
  ASSERT_TRUE(parses(longer, &skin));
  EXPECT_EQ(skin.colours, goodSkin.colours);
  EXPECT_EQ(skin.name, goodSkin.name);
}

}  // namespace
