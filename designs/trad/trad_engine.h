#pragma once
// The Traditional CT calculation without the window: the inputs as numbers,
// the requirements they set, each catalogue record judged as the search judges
// it, the search for the first record large enough and the chosen core's
// results. Quantities are single precision where the design stores them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/number.h"
#include "designs/common/evaluation.h"
#include "designs/trad/core_loss.h"
#include "designs/trad/tape_alloy.h"
#include "designs/trad/tape_core_table.h"
#include "designs/trad/winding.h"

namespace windara {

struct Session;

// The numbers a Traditional design reads from its boxes, and its choices.
struct TradInputs {
  float burden = 0.0f;           // R, ohm
  float frequency = 0.0f;        // f, Hz
  float primaryCurrent = 0.0f;   // Ip, A
  float bmax = 0.0f;             // design flux density, gauss
  float ratio = 0.0f;            // N of the ratio 1:N, the secondary turns
  float currentDensity = 0.0f;   // J, A per sq cm
  TapeAlloy alloy;               // number 0 and no letter when no alloy is selected
  int thickness = 0;             // tape, mils; 0 when no thickness is selected
  float thicknessFactor = 0.0f;  // effective area over the catalogue's 2 mil area
  NumberLocale locale;           // spells a numeric part-number stem
};

// The catalogue gives areas for 2 mil tape: 1 mil tape fills less of a core,
// 4 mil more. 0 for a thickness not made.
float tapeThicknessFactor(int mils);

// What the inputs ask of a core.
struct TradRequirements {
  float Is = 0.0f;                  // secondary current, A
  float Vs = 0.0f;                  // secondary voltage, V
  float Areq = 0.0f;                // core area needed, sq cm
  float A2 = 0.0f;                  // area a 2 mil catalogue core must exceed, sq cm
  std::int16_t gauge = 0;           // AWG, within 12..42
  bool wireTooLarge = false;        // the gauge wanted was thicker than 12
  std::int32_t gauge12Density = 0;  // A per sq cm in gauge 12, when wireTooLarge
  float d = 0.0f;                   // overall wire diameter, in
  float wireOhms = 0.0f;            // the gauge's resistance, ohm per 1000 ft
  float Aw = 0.0f;                  // wire area, sq cm
  float Wreq = 0.0f;                // window needed, sq cm
};

TradRequirements tradRequirements(const TradInputs& in);

// Wire area (sq cm) of an overall diameter d (in), and the window (sq cm) that
// N turns of it need when they may fill a fifth of it.
float wireArea(float d);
float windowNeeded(float N, float Aw);

// A catalogue record evaluated as the design evaluates the core it chose.
struct TradCore {
  int record = 0;
  std::string part;   // as the window shows it
  int thickness = 0;  // mils in force: 2 after the 4 mil fallback
  float thicknessFactor = 0.0f;
  bool fourMilFallback = false;    // the record is not made in 4 mil tape
  float Ae = 0.0f;                 // effective core area, sq cm
  double pathLength = 0.0;         // le, cm
  float B = 0.0f;                  // flux density reached, tesla
  float volume = 0.0f;             // core volume, cu cm
  float density = 0.0f;            // tape density, lb per cu cm
  std::optional<CoreLossLaw> law;  // W per lb = k f^a B^b; none gives Pfe 0
  float Pfe = 0.0f;                // core loss, W
  std::int32_t turns = 0;          // turns to wind: N, rounded
  Winding winding;                 // wire length (in), hole left, layers
  float MLT = 0.0f;                // mean length per turn, in
  float residualID = 0.0f;         // inside diameter left after winding, in
  float Pcu = 0.0f;                // copper loss, W
  float Ptot = 0.0f;               // total losses, mW
  float accuracy = 0.0f;           // %
};

// The part number the design shows for a record: its stem, the thickness in
// force for it and the alloy letter.
std::string tradPart(const TradInputs& in, const TapeCoreTable& table, int record);
TradCore evaluateTradCore(const TradInputs& in, const TradRequirements& req,
                          const TapeCoreTable& table, int record);

// Which part of the search reaches a record: the area search passes records
// until one is larger than A2; that record, the area record, must also not be
// the end marker and must have window enough (an equal window will do); the
// window search goes on from it to the first record whose window exceeds Wreq.
enum class TradRowRole { AreaSearch, AreaRecord, WindowSearch };

inline constexpr const char* kCoreAreaCriterion = "core area";
inline constexpr const char* kAreaEndCriterion = "area end marker";
inline constexpr const char* kWindowCriterion = "window";
inline constexpr const char* kWindowEndCriterion = "window end marker";

// The criteria the search applies to a record in that role, in its order,
// up to the first that fails. A field that holds no number fails with NaN.
std::vector<Criterion> tradCriteria(const TradRequirements& req, const TapeCoreTable& table,
                                    int record, TradRowRole role);
// The criteria with the record's part and, when they all pass, its results:
// "Ae" (sq cm), "B" (T), "Pfe" (W), "turns" and "layers" wound, "MLT" (in),
// "Pcu" (W), "Ptot" (mW), "accuracy" (%), "residual ID" (in).
RowEvaluation evaluateTradRow(const TradInputs& in, const TradRequirements& req,
                              const TapeCoreTable& table, int record, TradRowRole role);

// Why a calculation found no core: no record large enough in core area, or
// in window, or a catalogue that could not be read whole.
enum class TradStop { None, CoreArea, CoreWindow, TableUnusable };

struct TradSearch {
  std::optional<int> areaRecord;  // the first record larger than A2
  std::optional<int> record;      // the record chosen
  TradStop stop = TradStop::None;
};

// The role a record plays in a search that found `areaRecord` (or none).
TradRowRole tradRowRole(const TradSearch& search, int record);
TradSearch searchTapeCores(const TradRequirements& req, const TapeCoreTable& table);

// One whole calculation on an already read catalogue.
struct TradResult {
  TradInputs inputs;
  TradRequirements requirements;
  TradSearch search;
  std::optional<TradCore> core;  // the chosen record's results, when a core was found
};

TradResult calculateTradCT(const TradInputs& in, const TapeCoreTable& table);

// Every record of the catalogue judged for these inputs, the one chosen, the
// advice when none fits, and notes in words. The requirements are "Is" (A),
// "Vs" (V), "Areq" and "A2" (sq cm), "gauge" (AWG), "d" (in), "Aw" and "Wreq"
// (sq cm).
Explanation explainTrad(const TradInputs& in, const TapeCoreTable& table);
// The calculation whose results the form shows, read from the form as it
// stands and the catalogue in the program's folder.
Explanation explainTradCT(const Session& s);

}  // namespace windara
