#include "cli/checks_text.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "checks/check_rows.h"
#include "checks/wording.h"

namespace windara::cli {

namespace {

using Table = std::vector<std::vector<std::string>>;

// Columns padded to their widest cell, two blanks apart, each line indented.
void writeTable(std::ostream& out, const Table& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    widths.resize(std::max(widths.size(), row.size()), 0);
    for (std::size_t c = 0; c < row.size(); ++c)
      widths[c] = std::max(widths[c], row[c].size());
  }
  for (const auto& row : rows) {
    std::string line = " ";
    for (std::size_t c = 0; c < row.size(); ++c)
      line += " " + row[c] + std::string(widths[c] - row[c].size() + 1, ' ');
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << "\n";
  }
}

void writeTrad(std::ostream& out, const TradCheckInputs& in, const TradChecks& c,
               const NumberLocale& loc) {
  auto r = [&](double v) { return readable(v, loc); };
  out << "From the design: N = " << r(in.turns) << ", Ip = " << r(in.ratedPrimaryAmps)
      << " A, f = " << r(in.frequencyHz) << " Hz, burden " << r(in.burdenOhms) << " \u03a9, MLT "
      << r(in.meanTurnInches) << " in, wire " << r(in.wireOhmsPer1000ft) << " \u03a9/1000 ft, Ae "
      << r(in.coreAreaCm2) << " sq cm, le " << r(in.pathLengthCm) << " cm\n";
  out << "Winding resistance Rw = N x MLT / 12000 x WireOhms = " << r(c.windingOhms)
      << " \u03a9\n\nErrors, Is solved so that |Is + Ie| = k Ip / N:\n";
  writeTable(out, tradPointRows(c, loc));
  out << "\n" << c.classText << "\n";
  if (c.verdict.className) out << "Tightest: " << tightestText(c.verdict, loc) << "\n";
  out << c.burdenText << "\n" << c.compensationText << "\n" << c.saturationText << "\n";
}

void writeItems(std::ostream& out, const CheckSummary& s) {
  writeTable(out, itemRows(s));
  out << "\n" << s.verdict << "\n";
}

void writeSmps(std::ostream& out, const SmpsChecks& c, const NumberLocale& loc) {
  writeTable(out, smpsFigureRows(c, loc));
  out << "\n";
  writeItems(out, c.summary);
}

void writeHall(std::ostream& out, const HallChecks& c, const NumberLocale& loc) {
  writeTable(out, hallFigureRows(c, loc));
  out << "\n";
  writeItems(out, c.summary);
}

}  // namespace

void writeChecksText(std::ostream& out, const std::optional<DesignChecks>& checks,
                     const NumberLocale& locale) {
  if (!checks) {
    out << "No core chosen: nothing to check.\n";
    return;
  }
  const DesignChecks& d = *checks;
  out << d.type << " checks of " << d.part << " (" << d.material << ")\n\n";
  if (!d.available()) {
    out << d.unavailable << "\n";
    return;
  }
  if (d.trad && d.tradInputs) writeTrad(out, *d.tradInputs, *d.trad, locale);
  if (d.smps) writeSmps(out, *d.smps, locale);
  if (d.hall) writeHall(out, *d.hall, locale);
}

}  // namespace windara::cli
