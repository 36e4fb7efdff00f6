#include "platform/bmp_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fake_platform.h"

namespace yorvane::testing {
namespace {

namespace fs = std::filesystem;

class BmpFile : public ::testing::Test {
 protected:
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir = fs::temp_directory_path() / ("yorvane-bmp-" + std::to_string(::getpid()));
  void SetUp() override { fs::create_directories(dir); }
};

TEST_F(BmpFile, RoundTripsOddSizesExactly) {
  for (const Size s : {Size{1, 1}, Size{3, 5}, Size{17, 2}, Size{640, 360}}) {
    const Image img = patternImage(s.width, s.height);
    const std::string path = (dir / "p.bmp").string();
    ASSERT_TRUE(writeBmpFile(img, path));
    EXPECT_EQ(fs::file_size(path), 54u + 4u * s.width * s.height);
    EXPECT_EQ(readBmpFile(path), img) << s.width << "x" << s.height;
  }
}

TEST_F(BmpFile, HeaderDescribesATopDown32BitPicture) {
  ASSERT_TRUE(writeBmpFile(patternImage(4, 3), (dir / "h.bmp").string()));
  std::ifstream in(dir / "h.bmp", std::ios::binary);
  unsigned char h[54];
  in.read(reinterpret_cast<char*>(h), sizeof h);
  EXPECT_EQ(h[0], 'B');
  EXPECT_EQ(h[1], 'M');
  EXPECT_EQ(h[10], 54);
  EXPECT_EQ(h[18], 4);                           // width
  EXPECT_EQ(h[22] | h[23] << 8, 0xFFFD);         // height -3: rows top to bottom
  EXPECT_EQ(h[28], 32);                          // bits per pixel
  EXPECT_EQ(h[30], 0);                           // uncompressed
}

TEST_F(BmpFile, AMissingFolderFailsAndLeavesNothing) {
  const std::string path = (dir / "missing" / "p.bmp").string();
  EXPECT_FALSE(writeBmpFile(patternImage(2, 2), path));
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(BmpFile, ReadingRefusesWhatIsNoBmp) {
  std::ofstream(dir / "junk.bmp") << "BMnot really";
  EXPECT_TRUE(readBmpFile((dir / "junk.bmp").string()).empty());
  EXPECT_TRUE(readBmpFile((dir / "none.bmp").string()).empty());
}

}  // namespace
}  // namespace yorvane::testing
