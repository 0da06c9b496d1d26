#pragma once
// The SMPS calculation without the form: the inputs as the design reads them,
// the requirements they set, every catalogue row judged against them, and the
// two searches (hole, then inductance) with the saturation check on top.
// DesignSMPS turns the outcome into its messages and boxes; the explanation
// shows the same evaluations row by row.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/number.h"
#include "designs/common/evaluation.h"
#include "designs/smps/ferrite_table.h"

namespace windara {

class Form;
struct Session;

// The ferrite grade of the selected material button.
struct SmpsGrade {
  std::string letter;  // "P", "Q", "R"; empty when no button is selected
  int index = 0;       // the row's AL is field 7 + index
};

// The six input boxes, each with its own reading rule.
enum class SmpsInput { Voltage, Frequency, PrimaryCurrent, DutyCycle, Ratio, CurrentDensity };

// What the design works with, in single precision as it stores it.
struct SmpsInputs {
  float V = 0, D = 0, f = 0, Ip = 0, N = 0, J = 0;  // f in Hz
  SmpsGrade grade;
  NumberLocale locale;  // numeric catalogue cells are spelt with it in part numbers
};

// Stores a number as typed into the box (f typed in kHz). CalcError, leaving
// the input as it was, when the number does not fit a single.
void setSmpsInput(SmpsInputs& in, SmpsInput box, double typed);

// The boxes and the grade as the form holds them; a box that holds no number
// leaves its input at 0, as the design's failed step does.
SmpsInputs readSmpsInputs(const Form& f, const NumberLocale& locale);

enum class WireClamp { None, RaisedTo12, LoweredTo42 };

struct SmpsRequirements {
  float Is = 0, ton = 0, deltaI = 0, Lreq = 0;  // A, s, A, mH
  std::int16_t AWG = 0;
  WireClamp clamp = WireClamp::None;
  std::int32_t Jact = 0;  // A/sq cm that gauge 12 carries; set when raised to 12
  float d = 0;            // wire diameter, in
  float wireOhms = 0;     // of the gauge, per 1000 ft
  float IDreq = 0;        // hole one layer of the winding needs, in
};

SmpsRequirements smpsRequirements(const SmpsInputs& in);
std::vector<Figure> smpsRequirementFigures(const SmpsRequirements& r);

// Names of the criteria and results, as tables and JSON show them.
inline constexpr const char* kSmpsWindingId = "winding ID";
inline constexpr const char* kSmpsInductance = "AL x N^2";
inline constexpr const char* kSmpsAlSentinel = "AL sentinel";
inline constexpr const char* kSmpsIdSentinel = "ID sentinel";
inline constexpr const char* kSmpsFlux = "B";
inline constexpr double kSmpsSaturation = 3300;  // gauss; above it the core saturates
inline constexpr double kSmpsNearSaturation = 3000;

// The part number the window shows for a row.
std::string smpsPartNumber(const FerriteTable& t, int row, const SmpsInputs& in);

// Winding ID left inside the winding of a row's hole; CalcError when it
// cannot be worked out.
double smpsResidualId(double holeDia, float d);

// Every criterion of a row: its winding ID above IDreq, AL x N^2 against Lreq
// (`inductance` is >= for a row the hole search could stop on, > after it),
// both end-marker sentinels, and B at most 3300 G where B can be worked out.
// A value that is no number is NaN. The results come with a row that passes.
RowEvaluation evaluateSmpsRow(const SmpsInputs& in, const SmpsRequirements& req,
                              const FerriteTable& t, int row, Comparison inductance);
// The same without the part number, which the searches never read and which takes as long
// to spell out as the rest.
RowEvaluation judgeSmpsRow(const SmpsInputs& in, const SmpsRequirements& req, const FerriteTable& t,
                           int row, Comparison inductance);
// The results the design shows for an evaluated row: Lact, B, residual ID.
std::vector<Figure> smpsRowResults(const RowEvaluation& e, const SmpsRequirements& req);

// The criterion of that name, or nullptr.
const Criterion* smpsCriterion(const RowEvaluation& e, const char* name);

enum class SmpsStop {
  None,
  CoreTooLarge,        // no hole takes the winding
  InductanceTooLarge,  // no core from there on gives Lreq
  Saturated,           // the core found saturates
  UnusableRow,         // the core found has no usable winding ID: no design, no message
};

struct SmpsOutcome {
  SmpsStop stop = SmpsStop::None;
  int holeRow = 0;              // where the hole search stopped
  int row = 0;                  // where the inductance search stopped: the core, when no stop
  bool nearSaturation = false;  // B above 3000 G: the design warns
  float B = 0;                  // at `row`; 0 when it could not be worked out
  double Lact = 0;              // at `row`
  double holeDia = 0;           // winding ID of `row`
};

// The two searches on a usable table (t.ok()).
SmpsOutcome searchSmps(const SmpsInputs& in, const SmpsRequirements& req, const FerriteTable& t);

// The calculation the form's inputs ask for, on the given table: the table is
// a value so that many calculations can share one read.
Explanation explainSmps(const SmpsInputs& in, const FerriteTable& t);
// The same on the form as it stands and Ferrite.txt read from the program's folder.
Explanation explainSmps(const Session& s);

}  // namespace windara
