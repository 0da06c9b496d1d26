#include "designs/common/figure_words.h"

#include <array>

namespace windara {

namespace {

struct Entry {
  std::string_view type;  // "" for every type
  std::string_view name;
  std::string_view heading;  // "" keeps the name
  std::string_view unit;
  std::string_view meaning;
  double scale = 1.0;
  bool endMarker = false;
};

constexpr std::string_view kTrad = "Traditional";
constexpr std::string_view kSmps = "SMPS";
constexpr std::string_view kHall = "Hall Effect";

// Losses are all shown in mW, as the form's Total Losses are.
constexpr double kMilli = 1000.0;
constexpr double kMicro = 1e6;

constexpr std::array kEntries = {
    // Requirements.
    Entry{"", "Is", "", "A", "secondary current"},
    Entry{kTrad, "Vs", "", "V", "secondary voltage across the burden"},
    Entry{kTrad, "Areq", "", "sq cm", "core area needed"},
    Entry{kTrad, "A2", "", "sq cm", "core area needed, as 2 mil tape"},
    Entry{"", "gauge", "", "AWG", "wire gauge"},
    Entry{"", "d", "", "in", "wire diameter over insulation"},
    Entry{kTrad, "Aw", "", "sq cm", "wire area"},
    Entry{kTrad, "Wreq", "", "sq cm", "window needed"},
    Entry{kSmps, "ton", "", "us", "on-time", kMicro},
    Entry{kSmps, "delta I", "", "A", "magnetizing current allowed"},
    Entry{kSmps, "Lreq", "", "mH", "least inductance"},
    Entry{kSmps, "IDreq", "", "in", "hole the winding needs"},
    Entry{kHall, "Bmax", "", "G", "flux density the material carries"},
    Entry{kHall, "t", "", "in", "sensor thickness"},
    Entry{kHall, "W", "", "in", "primary stack, turns x conductor size"},
    // Criteria.
    Entry{kTrad, "core area", "core area (sq cm)", "sq cm",
          "the catalogue's core area for 2 mil tape, which must exceed A2, the area needed as "
          "2 mil tape"},
    Entry{kTrad, "window", "window (sq cm)", "sq cm",
          "the winding window, which must hold Wreq, the secondary winding at a fifth of the "
          "window"},
    Entry{kTrad, "area end marker", "not table end (area)", "",
          "a test that the row is a core and not the table's end marker", 1.0, true},
    Entry{kTrad, "window end marker", "not table end (window)", "",
          "a test that the row is a core and not the table's end marker", 1.0, true},
    Entry{kSmps, "winding ID", "winding ID (in)", "in",
          "the core's inside diameter, which must exceed IDreq, the hole the winding needs"},
    Entry{kSmps, "AL x N^2", "inductance AL x N^2 (mH)", "mH",
          "the core's AL times the turns squared, which must reach Lreq, the least inductance"},
    Entry{kSmps, "AL sentinel", "not table end (AL)", "",
          "a test that the row is a core and not the table's end marker", 1.0, true},
    Entry{kSmps, "ID sentinel", "not table end (ID)", "",
          "a test that the row is a core and not the table's end marker", 1.0, true},
    Entry{kSmps, "B", "B (G)", "G",
          "peak flux density in the core, at most 3,300 G, where the ferrite saturates"},
    Entry{kHall, "size limit", "size limit (in)", "in",
          "the largest primary stack and gap the core takes, which must reach W, the stack, or "
          "the gap where the search raised W to it"},
    Entry{kHall, "B", "B (G)", "G",
          "flux density in the gap at the sensor's full output, at most what the material "
          "carries"},
    Entry{kHall, "lg", "gap lg (in)", "in", "the gap length, at most the size limit"},
    Entry{kHall, "radial wall", "radial wall (in)", "in",
          "half of OD - ID, at least twice the gap"},
    Entry{kHall, "height", "height (in)", "in", "the core's height, at least twice the gap"},
    Entry{kHall, "closing mark", "not group end (size limit)", "",
          "a test that the row is a core and not the closing row of its material group", 1.0, true},
    // Results.
    Entry{"", "Ae", "", "sq cm", "effective core area"},
    Entry{kTrad, "B", "", "T", "flux density reached"},
    Entry{kTrad, "Pfe", "", "mW", "core loss", kMilli},
    Entry{kTrad, "Pcu", "", "mW", "copper loss", kMilli},
    Entry{kTrad, "Ptot", "", "mW", "total losses"},
    Entry{kTrad, "MLT", "", "in", "mean length of a turn"},
    Entry{kTrad, "accuracy", "", "%", "catalogue figure 100 Pfe N / Ip"},
    Entry{"", "residual ID", "", "in", "inside diameter left after winding"},
    Entry{kSmps, "Lact", "", "mH", "inductance reached"},
    Entry{kHall, "le", "", "cm", "path length"},
    Entry{kHall, "lg computed", "", "in",
          "gap the flux asks for, before the sensor's thickness widens it"},
    Entry{kHall, "sensitivity range", "", "A*T/G", "ampere-turns per gauss"},
};

}  // namespace

FigureWords figureWords(std::string_view type, std::string_view name) {
  for (const Entry& e : kEntries) {
    if (e.name != name || (!e.type.empty() && e.type != type)) continue;
    FigureWords w;
    w.unit = e.unit;
    w.heading = !e.heading.empty() ? std::string(e.heading)
                : e.unit.empty()   ? std::string(name)
                                   : std::string(name) + " (" + std::string(e.unit) + ")";
    w.meaning = e.meaning;
    w.scale = e.scale;
    w.endMarker = e.endMarker;
    return w;
  }
  return FigureWords{std::string(name), "", "", 1.0, false};
}

}  // namespace windara
