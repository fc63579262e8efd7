// The inflater against zlib: zlib compresses with every block type it
// makes, we inflate and compare; on damaged streams we must never do worse
// than fail cleanly.
#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <string>

#include "skin/compiler/deflate_encoder.h"
#include "skin/tests/deflate_test_util.h"

namespace skin::test {
namespace {

std::vector<std::uint8_t> ZlibDeflate(const std::string& AData, int ALevel, int AStrategy) {
  z_stream z{};
  EXPECT_EQ(deflateInit2(&z, ALevel, Z_DEFLATED, -15, 9, AStrategy), Z_OK);
  std::vector<std::uint8_t> out(deflateBound(&z, AData.size()) + 64);
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(AData.data()));
  z.avail_in = static_cast<uInt>(AData.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

// Text with repeats, a binary table, noise and long runs.
std::string MixedData(std::size_t ASize, unsigned ASeed) {
  static const char* kWords[] = {"skin ",   "bitmap ", "window ", "frame ",   "the ",
                                 "colour ", "Dienst ", "\r\n",    "caption ", "0x00FF00FF "};
  std::mt19937 rng(ASeed);
  std::string s;
  while (s.size() < ASize) {
    switch (rng() % 4) {
      case 0:
        for (int i = 0; i < 200; ++i) s += kWords[rng() % 10];
        break;
      case 1:
        for (int i = 0; i < 300; ++i) s.push_back(static_cast<char>((i * 3) ^ (rng() % 4)));
        break;
      case 2:
        for (int i = 0; i < 500; ++i) s.push_back(static_cast<char>(rng()));
        break;
      default:
        s.append(rng() % 2000, static_cast<char>(rng()));
        break;
    }
  }
  s.resize(ASize);
  return s;
}

struct TZlibCase {
  int Level, Strategy;
  const char* Name;
};

class InflaterZlibTest : public ::testing::TestWithParam<TZlibCase> {};

TEST_P(InflaterZlibTest, MatchesZlibOutput) {
  for (std::size_t size : {0, 1, 1000, 65536, 65537, 300000}) {
    std::string data = MixedData(size, static_cast<unsigned>(size));
    auto packed = ZlibDeflate(data, GetParam().Level, GetParam().Strategy);
    TInflated r = InflateBytes(packed);
    ASSERT_EQ(r.Result, TInflateResult::Ok) << DescribeInflateResult(r.Result) << " size " << size;
    ASSERT_TRUE(r.Output == data) << "size " << size;
  }
}

INSTANTIATE_TEST_SUITE_P(Strategies, InflaterZlibTest,
                         ::testing::Values(TZlibCase{0, Z_DEFAULT_STRATEGY, "Stored"},
                                           TZlibCase{1, Z_FIXED, "Fixed"},
                                           TZlibCase{9, Z_FIXED, "FixedBest"},
                                           TZlibCase{1, Z_DEFAULT_STRATEGY, "DynamicFast"},
                                           TZlibCase{9, Z_DEFAULT_STRATEGY, "DynamicBest"},
                                           TZlibCase{6, Z_HUFFMAN_ONLY, "HuffmanOnly"},
                                           TZlibCase{6, Z_RLE, "Rle"}),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

std::string ZlibInflate(const std::vector<std::uint8_t>& AData, bool& AOk) {
  z_stream z{};
  inflateInit2(&z, -15);
  std::string out;
  std::vector<std::uint8_t> buf(65536);
  z.next_in = const_cast<Bytef*>(AData.data());
  z.avail_in = static_cast<uInt>(AData.size());
  int rc;
  do {
    z.next_out = buf.data();
    z.avail_out = static_cast<uInt>(buf.size());
    rc = inflate(&z, Z_NO_FLUSH);
    out.append(reinterpret_cast<char*>(buf.data()), buf.size() - z.avail_out);
  } while (rc == Z_OK && out.size() < (1u << 24));
  inflateEnd(&z);
  AOk = rc == Z_STREAM_END;
  return out;
}

// Damaged streams: we never crash; when both decoders accept a stream they
// agree on its bytes. (The two differ only where we do not check NLEN.)
TEST(InflaterZlibDamageTest, AgreesWithZlibOnDamagedStreams) {
  std::string data = MixedData(20000, 3);
  auto packed = ZlibDeflate(data, 6, Z_DEFAULT_STRATEGY);
  std::mt19937 rng(11);
  int bothOk = 0;
  for (int round = 0; round < 3000; ++round) {
    auto damaged = packed;
    for (int k = 0, n = 1 + rng() % 3; k < n; ++k)
      damaged[rng() % damaged.size()] ^= 1 << (rng() % 8);
    if (round % 5 == 0) damaged.resize(rng() % damaged.size());
    TInflated ours = InflateBytes(damaged, 1u << 24);
    bool zlibOk = false;
    std::string theirs = ZlibInflate(damaged, zlibOk);
    if (ours.Result == TInflateResult::Ok && zlibOk) {
      ++bothOk;
      ASSERT_TRUE(ours.Output == theirs) << "round " << round;
    }
    if (zlibOk && ours.Result != TInflateResult::Ok) {
      ADD_FAILURE() << "zlib accepts round " << round << ", we say "
                    << DescribeInflateResult(ours.Result);
    }
  }
  RecordProperty("both_ok", bothOk);
}

// Our encoder's streams inflate with zlib and with our inflater.
TEST(DeflateEncoderTest, ZlibAndOurInflaterReadItsOutput) {
  for (std::size_t size : {0, 1, 2, 3, 100, 70000, 400000}) {
    std::string data = MixedData(size, static_cast<unsigned>(size) + 99);
    auto packed = DeflateRaw({reinterpret_cast<const std::uint8_t*>(data.data()), data.size()});
    bool ok = false;
    EXPECT_TRUE(ZlibInflate(packed, ok) == data) << size;
    EXPECT_TRUE(ok) << size;
    TInflated ours = InflateBytes(packed);
    EXPECT_EQ(ours.Result, TInflateResult::Ok);
    EXPECT_TRUE(ours.Output == data) << size;
    if (size == 400000) {
      EXPECT_LT(packed.size(), size / 2);
    }
  }
  // Incompressible data falls back to stored blocks.
  std::string noise = MixedData(0, 0);
  std::mt19937 rng(5);
  for (int i = 0; i < 100000; ++i) noise.push_back(static_cast<char>(rng()));
  auto packed = DeflateRaw({reinterpret_cast<const std::uint8_t*>(noise.data()), noise.size()});
  EXPECT_LT(packed.size(), noise.size() + 64);
  bool ok = false;
  EXPECT_TRUE(ZlibInflate(packed, ok) == noise);
}

}  // namespace
}  // namespace skin::test
