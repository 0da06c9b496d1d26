#pragma once
// One design calculation on a core table made of fuzz bytes: the first bytes
// choose the inputs, material and thickness, the rest is the table.

#include "fuzz/fuzz_program.h"

namespace windara::fuzz {

inline int calculateOnTable(Mode mode, const char* tableName, const std::uint8_t* data,
                            std::size_t size) {
  static const ProgramDir dir;
  DefaultDialogs dialogs;
  // The separator comes from a bit the table never sees.
  const NumberLocale locale =
      size > 6 && (data[6] & 0x80) ? NumberLocale::comma() : NumberLocale::period();
  Session session(dialogs, dir.path(), locale);
  App app(session);
  Form& f = session.form;
  constexpr std::size_t kInputBytes = 8;
  const std::size_t skip = size < kInputBytes ? size : kInputBytes;
  dir.write(tableName, data + skip, size - skip);
  // Entering the mode calculates its defaults on the table too.
  switch (mode) {
    case Mode::Trad:
      f.select(f.optTradCT);
      break;
    case Mode::Hall:
      f.select(f.optHall);
      break;
    case Mode::SMPS:
      break;
  }
  applyInputs(f, data, size);
  dialogs.prompts = 0;
  app.cmdCalculate_Click();
  // A calculation ends in results or in the no-design state, never half of each.
  if (f.txtCore.text == "N/A" && f.txtPartNum.text != "N/A") std::abort();
  if (f.txtCore.text != "N/A" && f.txtPartNum.text != f.txtCore.text) std::abort();
  return 0;
}

}  // namespace windara::fuzz
