// Opening a design file of arbitrary bytes on the shipped tables: every prompt
// is answered with its default, and Open either stops or recalculates, never
// crashing, hanging or leaking.
#include <string>

#include "files/design_file.h"
#include "fuzz/fuzz_program.h"

namespace {

const windara::fuzz::fs::path& designPath() {
  static const windara::fuzz::ProgramDir dir;
  static const windara::fuzz::fs::path path = dir.path() / "design.sps";
  return path;
}

bool hasNonFinite(const std::string& text) {
  return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace windara;
  {
    std::ofstream out(designPath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  fuzz::DefaultDialogs dialogs;
  // Odd sizes in a decimal-comma locale, so both readings of the texts are tried.
  Session session(dialogs, fuzz::shippedDir(),
                  size % 2 ? NumberLocale::comma() : NumberLocale::period());
  App app(session);
  Form& f = session.form;
  const FileOutcome outcome = loadDesign(f, designPath(), [&app] { app.cmdCalculate_Click(); });
  (void)outcome;
  if (f.txtCore.text == "N/A") {
    if (f.txtPartNum.text != "N/A" || !f.txtWireSize.text.empty()) std::abort();
  } else {
    // On the shipped tables a design shows numbers, never a failed computation.
    for (const TextBox* box : {&f.txtRequiredL, &f.txtWireSize, &f.txtActualL, &f.txtResID,
                               &f.txtID, &f.txtOD, &f.txtHt, &f.txtAe, &f.txtle, &f.txtAL}) {
      if (hasNonFinite(box->text)) std::abort();
    }
  }
  return 0;
}
