#pragma once
// The Hall design without the window: what the sensor and the conductors ask
// of a core, every row of the material's group judged against it, and the
// search that takes the first row passing every test. The table comes in as
// a value, so one read of Hall.txt can serve many calculations.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/number.h"
#include "designs/common/evaluation.h"
#include "designs/hall/hall_inputs.h"
#include "designs/hall/hall_table.h"

namespace windara {

struct Session;

// The design's constants: the gilberts of one ampere-turn, taken as 0.4 x
// 3.14; inches per centimetre; and the room added to the sensor's thickness
// when the computed gap is narrower.
inline constexpr double kHallGilbertsPerAmpereTurn = 0.4 * 3.14;
inline constexpr double kInchesPerCm = 0.3937;
inline constexpr double kHallSensorRoom = 0.005;  // in

// Criterion names, shared with the explanation's readers.
namespace hall_criterion {
inline constexpr const char* kSizeLimit = "size limit";  // column 8 >= W
inline constexpr const char* kFlux = "B";                // B <= the material's limit
inline constexpr const char* kGap = "lg";                // lg <= column 8
inline constexpr const char* kWall = "radial wall";      // (OD - ID) / 2 >= 2 lg
inline constexpr const char* kHeight = "height";         // Ht >= 2 lg
inline constexpr const char* kClosing = "closing mark";  // column 8 < 999
}  // namespace hall_criterion

struct HallRequirements {
  float flux = 0.0f;       // B, G: what the gap carries at full sensor output
  double fluxLimit = 0.0;  // G, the material's
  float thickness = 0.0f;  // t, in: the narrowest gap the sensor goes into
  float stack = 0.0f;      // W = N x d, in; the largest single when beyond it
  int firstRow = 0;        // the material's first row of the table
};

// `in.material` must be set.
HallRequirements hallRequirements(const HallInputs& in);

// N x I / B, A*T/G: the ampere-turns per gauss of the design; none when it
// cannot be computed.
std::optional<float> hallSensitivityRange(const HallInputs& in, float flux);

// A step of the design that fails leaves its quantity as the row before left
// it (0 before the first): these are carried from row to row.
struct HallCarry {
  float pathLength = 0.0f;  // le, cm
  float mu = 0.0f;          // of the material
  float mue = 0.0f;         // effective permeability
};

// One row judged as the search judges it when it reaches the row with the
// requirement `need` (W as it then stands).
struct HallRowCheck {
  // The first test the search meets that the row fails, in the search's order.
  enum class Failure { None, Closing, SizeLimit, Flux, NoGap, GapTooLong, WallOrHeight };

  RowEvaluation eval;
  Failure failure = Failure::None;
  float gap = 0.0f;                   // lg after the floor, in
  HallCarry carry;                    // as the row's steps leave it
  std::vector<std::string> problems;  // cells of the row that are no numbers
};

HallRowCheck checkHallRow(const HallInputs& in, const HallRequirements& req, const HallTable& table,
                          int row, int closing, float need, const HallCarry& carry,
                          const NumberLocale& loc);

RowEvaluation evaluateHallRow(const HallInputs& in, const HallRequirements& req,
                              const HallTable& table, int row, int closing, float need,
                              const HallCarry& carry, const NumberLocale& loc);

// The core the design takes, with what the checks of a design need.
struct HallChosenCore {
  int row = 0;
  double insideDiameter = 0.0;   // in
  double outsideDiameter = 0.0;  // in
  double height = 0.0;           // in
  float pathLength = 0.0f;       // le, cm
  float mu = 0.0f;               // of the material
  float mue = 0.0f;              // effective permeability
  float gap = 0.0f;              // lg after the floor, in
  std::int16_t turns = 0;        // N
  float maxCurrent = 0.0f;       // A
  float flux = 0.0f;             // B at full scale, G
  std::optional<float> range;    // N x I / B, A*T/G; none when it cannot be computed
};

// W raised at a row whose gap is longer than its column 8.
struct HallRaise {
  int row = 0;
  float from = 0.0f;  // in
  float to = 0.0f;    // in
};

struct HallResult {
  enum class Stop { None, TableProblem, NoMaterial, NoClosingRow, CoreTooLarge, FluxTooHigh };

  Stop stop = Stop::None;
  std::string problem;  // for TableProblem and NoClosingRow
  std::optional<HallChosenCore> core;
  HallRequirements requirements;
  std::optional<int> closingRow;
  std::vector<HallRaise> raises;
  std::vector<HallRowCheck> walked;  // each row as the search judged it, in order
  float need = 0.0f;                 // W when the search ended, in
  HallCarry carry;                   // as the search left it
};

// The design over an already-read table.
HallResult runHallDesign(const HallInputs& in, const HallTable& table,
                         const NumberLocale& loc = NumberLocale::period());

// The calculation of the form as it stands (after a calculation its boxes
// hold validated inputs), over Hall.txt in the program's folder.
Explanation explainHall(const Session& s);

// The same over given inputs and an already-read table.
Explanation explainHallDesign(const HallInputs& in, const HallTable& table,
                              const NumberLocale& loc);

}  // namespace windara
