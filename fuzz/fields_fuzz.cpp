// The sequential text-field reader on arbitrary bytes: never crashes or hangs,
// and every field it returns is within the length cap.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "common/fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  windara::FieldReader reader(in, 64);
  try {
    for (int i = 0; i < 100000; ++i) {
      switch (i % 4) {
        case 0: {
          const windara::Cell c = reader.readCell();
          if (c.rawText().size() > 64) std::abort();
          if (c.isNumber()) (void)c.value();
          (void)c.generalText(windara::NumberLocale::comma());
          break;
        }
        case 1:
          if (reader.readText().size() > 64) std::abort();
          break;
        case 2:
          (void)reader.readNumber();
          break;
        default:
          try {
            (void)reader.readWhole();
          } catch (const windara::FileReadError&) {
            throw;
          } catch (const windara::CalcError&) {
          }
      }
    }
  } catch (const windara::FileReadError&) {
  }
  if (reader.fieldsRead() > size + 1) std::abort();  // every field ends at a byte
  return 0;
}
