// A JSON export of arbitrary bytes, as "Import…" and quelmar-cli import read it. The
// reader must refuse or take it without crashing or throwing, and whatever it takes
// must export again to text that imports to the same image byte for byte.
#include <cstring>
#include <string_view>

#include "db/exchange/ImageJson.h"
#include "db/image/DatabaseImage.h"
#include "fuzz/FuzzTargets.h"

int FuzzJsonImport(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  imagejson::Json json;
  if (imagejson::Parse(text, json)) return 0;
  imagejson::Imported imported;
  if (imagejson::Import(json, imported)) return 0;
  if (imported.image.size() != DatabaseImage::kImageSize) FuzzFail("imported image has the wrong size");
  imagejson::Json again;
  if (imagejson::Parse(imagejson::Dump(imagejson::Export(imported.image.data(), imported.dbType)), again))
    FuzzFail("an export of an imported image does not parse");
  imagejson::Imported back;
  if (imagejson::Import(again, back)) FuzzFail("an export of an imported image is refused");
  if (back.dbType != imported.dbType || back.image != imported.image) FuzzFail("the round trip changed the image");
  return 0;
}

#ifdef QUELMAR_LIBFUZZER
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzJsonImport(data, size);
}
#endif
