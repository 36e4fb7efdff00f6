#include "platform/bmp_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
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

constexpr uint32_t u32(const unsigned char* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// Sizes below one block, whole blocks (all written directly) and blocks plus a tail.
TEST_F(BmpFile, RoundTripsOddSizesExactly) {
  for (const Size s : {Size{1, 1}, Size{3, 5}, Size{17, 2}, Size{640, 360}, Size{1025, 3}}) {
    const Image img = patternImage(s.width, s.height);
    const std::string path = (dir / "p.bmp").string();
    ASSERT_TRUE(writeBmpFile(img, path));
    EXPECT_EQ(fs::file_size(path), 4096u + 4u * s.width * s.height);
    EXPECT_EQ(readBmpFile(path), img) << s.width << "x" << s.height;
  }
}

TEST_F(BmpFile, TheFourthByteIsPaddingNotTransparency) {
  Image img = patternImage(5, 4);
  for (int x = 0; x < 5; ++x) img.setPixel(x, 1, img.pixel(x, 1) & 0x00FFFFFFu);
  img.setPixel(2, 2, 0x7F123456u);
  const std::string path = (dir / "a.bmp").string();
  ASSERT_TRUE(writeBmpFile(img, path));
  const Image back = readBmpFile(path);
  ASSERT_EQ(back.size(), img.size());
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(back.pixel(x, y), img.pixel(x, y) | 0xFF000000u);
  }
}

TEST_F(BmpFile, WritesWhereDirectWritesAreRefused) {
  // tmpfs has no direct I/O on many kernels: the writer falls back to plain writes.
  const fs::path shm = "/dev/shm";
  if (!fs::is_directory(shm)) GTEST_SKIP() << "no /dev/shm";
  const Image img = patternImage(1024, 8);
  const std::string path = (shm / ("yorvane-bmp-" + std::to_string(::getpid()) + ".bmp")).string();
  ASSERT_TRUE(writeBmpFile(img, path));
  EXPECT_EQ(readBmpFile(path), img);
  fs::remove(path);
}

TEST_F(BmpFile, HeaderDescribesATopDown32BitPicture) {
  ASSERT_TRUE(writeBmpFile(patternImage(4, 3), (dir / "h.bmp").string()));
  std::ifstream in(dir / "h.bmp", std::ios::binary);
  unsigned char h[122];
  in.read(reinterpret_cast<char*>(h), sizeof h);
  EXPECT_EQ(h[0], 'B');
  EXPECT_EQ(h[1], 'M');
  EXPECT_EQ(u32(h + 2), 4096u + 48u);   // file size
  EXPECT_EQ(u32(h + 10), 4096u);        // pixels start one block in
  EXPECT_EQ(u32(h + 14), 108u);         // BITMAPV4HEADER
  EXPECT_EQ(u32(h + 18), 4u);           // width
  EXPECT_EQ(u32(h + 22), 0xFFFFFFFDu);  // height -3: rows top to bottom
  EXPECT_EQ(h[28], 32);                 // bits per pixel
  EXPECT_EQ(u32(h + 30), 0u);           // BI_RGB, uncompressed
  EXPECT_EQ(u32(h + 54), 0x00FF0000u);  // red mask
  EXPECT_EQ(u32(h + 58), 0x0000FF00u);  // green mask
  EXPECT_EQ(u32(h + 62), 0x000000FFu);  // blue mask
  EXPECT_EQ(u32(h + 66), 0u);           // no alpha
}

TEST_F(BmpFile, AMissingFolderOrANameTakenByAFolderFailsAndLeavesNothing) {
  const std::string path = (dir / "missing" / "p.bmp").string();
  EXPECT_FALSE(writeBmpFile(patternImage(2, 2), path));
  EXPECT_FALSE(fs::exists(path));
  fs::create_directories(dir / "p.bmp" / "inside");
  EXPECT_FALSE(writeBmpFile(patternImage(2, 2), (dir / "p.bmp").string()));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1) << "no temporary file is left";
}

TEST_F(BmpFile, ReplacesALinkAtItsNameInsteadOfWritingThroughIt) {
  const fs::path target = dir / "elsewhere";
  std::ofstream(target) << "keep";
  fs::create_symlink(target, dir / "p.bmp");
  ASSERT_TRUE(writeBmpFile(patternImage(3, 2), (dir / "p.bmp").string()));
  EXPECT_FALSE(fs::is_symlink(dir / "p.bmp"));
  EXPECT_EQ(readBmpFile((dir / "p.bmp").string()), patternImage(3, 2));
  std::ifstream in(target);
  std::string kept;
  std::getline(in, kept);
  EXPECT_EQ(kept, "keep");
  // Nothing but the picture and the link's old target is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(BmpFile, ReadingRefusesWhatIsNoBmp) {
  std::ofstream(dir / "junk.bmp") << "BMnot really";
  EXPECT_TRUE(readBmpFile((dir / "junk.bmp").string()).empty());
  EXPECT_TRUE(readBmpFile((dir / "none.bmp").string()).empty());
}

}  // namespace
}  // namespace yorvane::testing
