#pragma once
// What the design engines tell about a calculation beyond the boxes: every
// candidate core judged against every requirement the search applies, the
// core the search took, and advice when none fits. The explanations, the
// checks and the sweeps all read these values; none recomputes a requirement.

#include <optional>
#include <string>
#include <vector>

namespace windara {

// How a search compares a core's value with its limit to accept the core.
// NotEqual is for a sentinel value that a search stops on only when it meets
// it exactly (an end-marker record).
enum class Comparison { Greater, GreaterEqual, Less, LessEqual, NotEqual };

const char* comparisonSymbol(Comparison c);  // ">", ">=", "<", "<=", "!="
bool compare(double value, Comparison c, double limit);

// One requirement applied to one row, as the search applies it.
struct Criterion {
  std::string name;  // "winding ID", "AL x N^2", "core area", ...
  double value = 0.0;
  double limit = 0.0;
  Comparison comparison = Comparison::Greater;
  bool pass = false;
  // How far the value lies from its limit as a ratio, positive on the passing
  // side: value / limit - 1 for a lower bound, limit / value - 1 for an upper
  // bound, |value / limit - 1| for a value that must differ from a sentinel
  // (0 when it cannot be formed).
  double margin = 0.0;
};

// A criterion with pass and margin filled in from its value and limit.
Criterion judge(std::string name, double value, Comparison c, double limit);

// A named figure, kept in the order it was made.
struct Figure {
  std::string name;
  double value = 0.0;
};

// The IEC 61869-2 measuring class the engineering checks find for a row's core.
struct RowClass {
  std::optional<std::string> name;  // "0.5S"; none when no class holds
  double margin = 0.0;              // of the tightest limit, as a fraction of it (negative: missed)
};

// One table row judged against the requirements.
struct RowEvaluation {
  int row = 0;       // counted from 1, as the table's records are
  std::string part;  // the part number the window would show
  std::vector<Criterion> criteria;
  // The results the design would show for this row, when every criterion passes.
  std::optional<std::vector<Figure>> results;
  bool chosen = false;
  // Traditional rows with results, when the material data allow the check.
  std::optional<RowClass> accuracyClass;

  bool passes() const;
};

// When no core fits: the criterion that came nearest to passing on the largest
// real core, and the one input change that makes the smallest core fit.
struct Nearest {
  int row = 0;
  std::string part;
  Criterion criterion;
  std::string advice;    // "turns ratio at most 87", or why no single change helps
  bool canHelp = false;  // false when no single input change can help
};

struct Explanation {
  std::string type;   // "SMPS", "Traditional", "Hall Effect"
  std::string table;  // "Ferrite.txt", "TWC.txt", "Hall.txt"
  std::vector<Figure> requirements;
  std::vector<RowEvaluation> rows;
  std::optional<int> chosenRow;
  std::optional<Nearest> nearest;
  std::vector<std::string> notes;  // substitutions, raised requirements, table problems
};

}  // namespace windara
