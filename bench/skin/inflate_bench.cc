// The skin inflater beside zlib on the same raw deflate streams, and the
// time to load our own skin end to end.
//
//   skin_inflate_bench [CORPUS_MB]     (default 50)
//
// Streams: the entry of our own skin (packed by our encoder) and a mixed
// corpus (text, tables, pixel rows, noise, runs) packed by zlib at level 6.
// Each decoder inflates each stream several times; the best run counts.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "platform/temp_file.h"
#include "skin/archive/file_stream.h"
#include "skin/archive/inflater.h"
#include "skin/archive/unzip_skin_entry.h"
#include "skin/archive/zip_format.h"
#include "skin/own/own_skin.h"
#include "skin/reader/zel_skin_reader.h"

namespace {

using TClock = std::chrono::steady_clock;
using TBytes = std::vector<std::uint8_t>;

double Seconds(TClock::time_point AStart) {
  return std::chrono::duration<double>(TClock::now() - AStart).count();
}

TBytes MixedCorpus(std::size_t ASize) {
  static const char* kWords[] = {"skin ",   "bitmap ", "window ",  "frame ",   "the ",
                                 "colour ", "Dienst ", "\r\n",     "caption ", "0x00FF00FF ",
                                 "<item>",  "</item>", "settings", " = ",      "Quillory "};
  std::mt19937 rng(2024);
  TBytes s;
  s.reserve(ASize + 70000);
  while (s.size() < ASize) {
    switch (rng() % 5) {
      case 0:  // text
        for (int i = 0; i < 2000; ++i) {
          const char* w = kWords[rng() % 15];
          s.insert(s.end(), w, w + std::char_traits<char>::length(w));
        }
        break;
      case 1:  // little-endian records
        for (std::uint32_t i = 0; i < 4000; ++i) {
          std::uint32_t v = i * 7 + (rng() % 16);
          for (int k = 0; k < 4; ++k) s.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
        }
        break;
      case 2: {  // 24-bit pixel rows with gradients
        std::uint8_t base = static_cast<std::uint8_t>(rng());
        for (int y = 0; y < 40; ++y)
          for (int x = 0; x < 200; ++x) {
            s.push_back(static_cast<std::uint8_t>(base + x / 8));
            s.push_back(static_cast<std::uint8_t>(base + y));
            s.push_back(static_cast<std::uint8_t>(200));
          }
        break;
      }
      case 3:  // noise
        for (int i = 0; i < 3000; ++i) s.push_back(static_cast<std::uint8_t>(rng()));
        break;
      default:
        s.insert(s.end(), 1000 + rng() % 8000, static_cast<std::uint8_t>(rng()));
        break;
    }
  }
  s.resize(ASize);
  return s;
}

TBytes ZlibDeflate(const TBytes& AData) {
  z_stream z{};
  deflateInit2(&z, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  TBytes out(deflateBound(&z, AData.size()));
  z.next_in = const_cast<Bytef*>(AData.data());
  z.avail_in = static_cast<uInt>(AData.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

// Seconds of the best of ARuns calls of AInflate.
template <typename F>
double Best(int ARuns, F AInflate) {
  double best = 1e9;
  for (int i = 0; i < ARuns; ++i) {
    auto start = TClock::now();
    AInflate();
    best = std::min(best, Seconds(start));
  }
  return best;
}

// Inflates APacked with both decoders, alternating, ARounds times each;
// the best time of each counts.
void Compare(const char* AName, const TBytes& APacked, const TBytes& AExpected, int ARounds) {
  TBytes ours, theirs(AExpected.size());
  ours.reserve(AExpected.size());
  skin::TInflater inflater;
  double oursTime = 1e9, zlibTime = 1e9;
  for (int round = 0; round < ARounds; ++round) {
    oursTime = std::min(oursTime, Best(1, [&] {
                          ours.clear();
                          skin::TMemorySource source(APacked);
                          skin::TVectorSink sink(ours);
                          if (inflater.Inflate(source, sink) != skin::TInflateResult::Ok) {
                            std::abort();
                          }
                        }));
    zlibTime = std::min(zlibTime, Best(1, [&] {
                          z_stream z{};
                          inflateInit2(&z, -15);
                          z.next_in = const_cast<Bytef*>(APacked.data());
                          z.avail_in = static_cast<uInt>(APacked.size());
                          z.next_out = theirs.data();
                          z.avail_out = static_cast<uInt>(theirs.size());
                          if (inflate(&z, Z_FINISH) != Z_STREAM_END) std::abort();
                          inflateEnd(&z);
                        }));
  }
  if (ours != AExpected || theirs != AExpected) {
    std::fprintf(stderr, "%s: output differs\n", AName);
    std::exit(1);
  }
  const double mb = AExpected.size() / 1e6;
  std::printf("%-16s %7.2f MB -> %7.2f MB  ours %7.1f MB/s  zlib %7.1f MB/s  ours/zlib %.2f\n",
              AName, APacked.size() / 1e6, mb, mb / oursTime, mb / zlibTime, zlibTime / oursTime);
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t corpusMb = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 50;
  std::printf("zlib %s\n", zlibVersion());

  // Our skin's entry: the deflate data between the local header and the
  // central directory.
  auto archive = skin::OwnSkinData();
  TBytes description;
  {
    skin::TMemoryInput input(archive);
    auto entry = skin::FindSkinEntry(input, "SKINDATA.SK2");
    skin::TVectorSink sink(description);
    if (!entry || skin::ExtractSkinEntry(input, *entry, sink, "") != skin::TUnzipResult::Extracted)
      return 1;
  }
  const std::size_t dataPos =
      skin::zip::kLocalHeaderSize + skin::zip::Get16(&archive[26]) + skin::zip::Get16(&archive[28]);
  const std::size_t central = skin::zip::Get32(&archive[archive.size() - 22 + 16]);
  TBytes skinEntry(archive.begin() + dataPos, archive.begin() + central);
  Compare("own skin entry", skinEntry, description, 500);

  TBytes corpus = MixedCorpus(corpusMb << 20);
  TBytes packed = ZlibDeflate(corpus);
  Compare("mixed corpus", packed, corpus, 9);

  // End to end: archive file to keyed reader, every bitmap transparent.
  auto file = platform::CreateGuidTempFile(".zsk");
  platform::TTempFileRemover remover(file);
  skin::WriteWholeFile(file, archive);
  std::vector<double> times;
  for (int i = 0; i < 200; ++i) {
    auto start = TClock::now();
    skin::TzelSkinReader reader(file, "");
    times.push_back(Seconds(start));
    if (!reader.Ready()) return 1;
  }
  std::sort(times.begin(), times.end());
  std::printf("own skin load (%zu bytes, %zu inflated): median %.3f ms, best %.3f ms\n",
              archive.size(), description.size(), times[times.size() / 2] * 1e3, times[0] * 1e3);
  return 0;
}
