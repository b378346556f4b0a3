// Metafile playback through GDI: the fixture EMF and WMF (placeable and plain) drawn at their
// natural size and stretched to twice it show their rectangle where it belongs on white.
#include "storage/codecs/metafile_render.h"

#include <gtest/gtest.h>

#include "support/picture_fixtures.h"

namespace plexara {
namespace {

using testing_support::kMetafileHeight;
using testing_support::kMetafileRectColor;
using testing_support::kMetafileWidth;

constexpr Bgra kWhite{255, 255, 255, 255};

TEST(MetafileRender, DrawsTheRectangleStretchedToTheTarget) {
  const std::vector<std::uint8_t> wmf = testing_support::MakeWmfFile();
  const struct {
    const char* name;
    std::vector<std::uint8_t> payload;
  } files[] = {
      {"EMF", testing_support::MakeEmfFile()},
      {"placeable WMF", wmf},
      {"plain WMF", std::vector<std::uint8_t>(wmf.begin() + 22, wmf.end())},
  };
  for (const auto& file : files) {
    for (const int scale : {1, 2}) {
      SCOPED_TRACE(testing::Message() << file.name << " at scale " << scale);
      auto rendered = RenderMetafile(file.payload, kMetafileWidth * scale, kMetafileHeight * scale);
      ASSERT_TRUE(rendered.ok()) << rendered.error().message;
      const Bitmap& bitmap = rendered.value();
      ASSERT_EQ(bitmap.width(), kMetafileWidth * scale);
      ASSERT_EQ(bitmap.height(), kMetafileHeight * scale);
      // The rectangle spans (20, 20)-(100, 60); sample well inside and well outside its edges.
      for (const auto& [x, y] : {std::pair{60, 40}, std::pair{25, 25}, std::pair{95, 55}}) {
        EXPECT_EQ(bitmap.at(x * scale, y * scale), kMetafileRectColor) << x << "," << y;
      }
      for (const auto& [x, y] : {std::pair{5, 5}, std::pair{115, 75}, std::pair{60, 10},
                                std::pair{60, 70}, std::pair{10, 40}, std::pair{110, 40}}) {
        EXPECT_EQ(bitmap.at(x * scale, y * scale), kWhite) << x << "," << y;
      }
    }
  }
}

TEST(MetafileRender, RejectsWhatTheDecoderRejects) {
  std::vector<std::uint8_t> broken = testing_support::MakeEmfFile();
  broken.resize(broken.size() - 20);  // no end-of-file record
  EXPECT_FALSE(RenderMetafile(broken, 10, 10).ok());
  EXPECT_FALSE(RenderMetafile(testing_support::MakeEmfFile(), 0, 10).ok());
}

}  // namespace
}  // namespace plexara
