// The face cache: faces shared while fonts use them, a bounded pool of the
// unused ones, and running out of descriptors told apart from a missing font.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/win/gdi/font.h"
#include "platform/win/gdi/font_face.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/kernel/last_error.h"
#include "tests/support/descriptors.h"
#include "tests/support/sanitizers.h"

namespace win {
namespace {

std::size_t resident_bytes() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return std::size_t(resident) * std::size_t(sysconf(_SC_PAGESIZE));
}

std::size_t mappings() {
  std::size_t lines = 0;
  if (FILE* maps = std::fopen("/proc/self/maps", "r")) {
    for (int c; (c = std::fgetc(maps)) != EOF;) lines += c == '\n';
    std::fclose(maps);
  }
  return lines;
}

// Every font a new family name and weight, made, drawn with and deleted.
void make_and_delete_fonts(int first, int count) {
  for (int i = first; i < first + count; ++i) {
    const std::string name = std::string("F").append(std::to_string(i));
    const HFONT font = CreateFontA(-12 - i % 7, 0, 0, 0, 100 + i % 9 * 100, 0, 0, 0,
                                   DEFAULT_CHARSET, 0, 0, 0, 0, name.c_str());
    ASSERT_TRUE(font) << name;
    EXPECT_GT(font_from_handle(font)->face->glyph('W').advance, 0);
    ASSERT_TRUE(DeleteObject(HGDIOBJ{font}));
  }
}

TEST(FontCache, TwoThousandFontsComeAndGoInBoundedMemoryAndMappings) {
  SKIP_UNDER_SANITIZER("shadow memory and its mappings swamp the figures measured");
  make_and_delete_fonts(0, 200);  // fills the pool of unused faces
  const std::size_t resident = resident_bytes();
  const std::size_t maps = mappings();
  make_and_delete_fonts(200, 2000);
  // Kept for the life of the process, each face cost about 250 kB and a mapping.
  EXPECT_LT(resident_bytes(), resident + (16u << 20));
  EXPECT_LE(mappings(), maps + 8);
}

TEST(FontCache, FontsOfOneRequestShareAFaceThatOutlivesThemBriefly) {
  LOGFONTA log = default_gui_logfont();
  log.lfHeight = -23;
  std::unique_ptr<Font> first = open_font(log);
  const std::unique_ptr<Font> second = open_font(log);
  EXPECT_EQ(first->face, second->face);
  const FontFace* shared = first->face.get();
  first.reset();
  EXPECT_EQ(open_font(log)->face.get(), shared);  // still in use by the second
}

// Faces taken back out of the pool from its middle, its ends and while it
// closes its oldest: every face handed out still draws.
TEST(FontCache, FacesLeaveAndRejoinThePoolAnywhere) {
  auto log_of = [](int i) {
    LOGFONTA log = default_gui_logfont();
    log.lfHeight = -30 - i;
    return log;
  };
  for (int i = 0; i < 20; ++i) open_font(log_of(i));
  for (const int i : {10, 19, 4, 10, 30, 31, 4}) {
    const std::unique_ptr<Font> font = open_font(log_of(i));
    EXPECT_GT(font->face->glyph_of(U'\u0416').advance, 0) << i;
    for (int j = 40 + i; j < 45 + i; ++j) open_font(log_of(j));
  }
}

TEST(FontCache, RunningOutOfDescriptorsIsNotAMissingFont) {
  SKIP_UNDER_SANITIZER("the sanitizer opens files of its own while descriptors are out");
  default_font();  // fontconfig and FreeType are set up: only the face must open a file
  HFONT font;
  DWORD error;
  {
    const test_support::DescriptorsExhausted exhausted;
    ASSERT_TRUE(exhausted.active());
    SetLastError(ERROR_SUCCESS);
    font = CreateFontA(-41, 0, 0, 0, 300, 1, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "DescriptorProbe");
    error = GetLastError();
  }
  EXPECT_FALSE(font);
  EXPECT_EQ(error, ERROR_TOO_MANY_OPEN_FILES);
  // With descriptors back the same font is made.
  const HFONT again =
      CreateFontA(-41, 0, 0, 0, 300, 1, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "DescriptorProbe");
  EXPECT_TRUE(again);
  DeleteObject(HGDIOBJ{again});
}

}  // namespace
}  // namespace win
