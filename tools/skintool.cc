// skintool: the skin author's command line.
//
//   skintool build SOURCE BITMAP_FOLDER OUTPUT      pack a skin source and its
//                                                   bitmaps into a skin archive
//   skintool list ARCHIVE [--password P]            one line per record, then
//                                                   a summary
//   skintool extract ARCHIVE FOLDER [--password P]  write the bitmaps as BMP
//                                                   files named as in a source
//
// Exit status: 0 done, 1 failed (the reason on standard error), 2 usage.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/ascii.h"
#include "skin/archive/file_stream.h"
#include "skin/bitmap/bmp_codec.h"
#include "skin/compiler/skin_archive_writer.h"
#include "skin/compiler/skin_source.h"
#include "skin/reader/sk2_skin_file_reader.h"

namespace {

using skin::Tsk2SkinFileReader;
using skin::sk2::TRecordKind;

int Usage() {
  std::fputs(
      "usage: skintool build SOURCE BITMAP_FOLDER OUTPUT\n"
      "       skintool list ARCHIVE [--password P]\n"
      "       skintool extract ARCHIVE FOLDER [--password P]\n",
      stderr);
  return 2;
}

int Fail(const std::string& AMessage) {
  std::fprintf(stderr, "%s\n", AMessage.c_str());
  return 1;
}

int Build(const std::vector<std::string>& AArgs) {
  if (AArgs.size() != 3) return Usage();
  std::vector<std::uint8_t> source;
  if (!skin::ReadWholeFile(AArgs[0], 16u << 20, source)) return Fail("cannot read " + AArgs[0]);
  try {
    auto records = skin::ParseSkinSource(
        std::string_view(reinterpret_cast<const char*>(source.data()), source.size()));
    auto description = skin::CompileSkinDescription(records, AArgs[1]);
    auto archive = skin::WriteSkinArchive(skin::sk2::kEntryName, description);
    if (!skin::WriteWholeFile(AArgs[2], archive)) return Fail("cannot write " + AArgs[2]);
  } catch (const skin::ESkinSourceError& e) {
    return Fail(AArgs[0] + ": " + e.what());
  }
  return 0;
}

// A file name for a record name: lower case without the "SKIN2_" prefix,
// anything but letters, digits, '-' and '_' replaced, so names from the
// archive can never leave the folder.
std::string BitmapFileName(std::string_view AName) {
  if (AName.size() > 6 && (AName.substr(0, 6) == "SKIN2_" || AName.substr(0, 6) == "skin2_")) {
    AName.remove_prefix(6);
  }
  std::string file;
  for (char c : AName) {
    const char lower = base::AsciiLower(c);
    const bool keep =
        (lower >= 'a' && lower <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    file.push_back(keep ? lower : '_');
  }
  return (file.empty() ? "unnamed" : file) + ".bmp";
}

bool IsColorName(std::string_view AName) {
  return AName.size() >= 5 && AName.substr(AName.size() - 5) == "COLOR";
}

int List(const Tsk2SkinFileReader& AReader) {
  for (const auto& r : AReader.Records()) {
    const char* name = r.Name.c_str();
    switch (r.Kind) {
      case TRecordKind::Bitmap: {
        const skin::TBitmap* b = AReader.GetBitmap(r.Name);
        std::printf("bitmap  %s %dx%d\n", name, b->Width(), b->Height());
        break;
      }
      case TRecordKind::Integer: {
        std::int32_t v = AReader.GetInteger(r.Name);
        if (IsColorName(r.Name)) {
          std::printf("integer %s 0x%08X\n", name, static_cast<unsigned>(v));
        } else {
          std::printf("integer %s %d\n", name, static_cast<int>(v));
        }
        break;
      }
      case TRecordKind::Boolean:
        std::printf("boolean %s %d\n", name, AReader.GetBool(r.Name));
        break;
      case TRecordKind::Text:
        std::printf("text    %s %s\n", name, AReader.GetStr(r.Name).c_str());
        break;
    }
  }
  std::printf("%zu bitmaps, %zu integers, %zu booleans, %zu texts\n", AReader.BitmapCount(),
              AReader.IntegerCount(), AReader.BooleanCount(), AReader.TextCount());
  return 0;
}

int Extract(const Tsk2SkinFileReader& AReader, const std::filesystem::path& AFolder) {
  std::error_code error;
  std::filesystem::create_directories(AFolder, error);
  for (const auto& r : AReader.Records()) {
    if (r.Kind != TRecordKind::Bitmap) continue;
    const std::filesystem::path file = AFolder / BitmapFileName(r.Name);
    if (!skin::WriteWholeFile(file, skin::SaveBmp(*AReader.GetBitmap(r.Name)))) {
      return Fail("cannot write " + file.string());
    }
    std::printf("%s\n", file.string().c_str());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  const std::string command = args[0];
  args.erase(args.begin());
  if (command == "build") return Build(args);
  if (command != "list" && command != "extract") return Usage();

  std::string password;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--password") {
      if (i + 1 >= args.size()) return Usage();
      password = args[i + 1];
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                 args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
      break;
    }
  }
  if (args.size() != (command == "list" ? 1u : 2u)) return Usage();
  try {
    Tsk2SkinFileReader reader(args[0], password);
    return command == "list" ? List(reader) : Extract(reader, args[1]);
  } catch (const skin::ESkinReadError& e) {
    return Fail(e.what());
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
}
