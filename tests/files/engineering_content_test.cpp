// The engineering report's content before any drawing: which candidate rows
// it shows and how, the inputs and results under the form's captions, and the
// checks of the chosen core in words, in a table and as an envelope.

#include "files/engineering_content.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "checks/check_item.h"
#include "checks/wording.h"
#include "files/candidate_table.h"
#include "files/check_blocks.h"
#include "support/program.h"

namespace windara {
namespace {

using testing::Program;

// Rows numbered first..last, as a table whose search starts further down
// numbers them, none passing anything.
Explanation numbered(int first, int last, std::optional<int> chosen, std::optional<int> nearest) {
  Explanation x;
  for (int r = first; r <= last; ++r) {
    RowEvaluation e;
    e.row = r;
    e.part = "P" + std::to_string(r);
    e.chosen = chosen == r;
    x.rows.push_back(e);
  }
  x.chosenRow = chosen;
  if (nearest) {
    // Filled in place: GCC 12 at -O3 warns falsely on a braced temporary here.
    Nearest& n = x.nearest.emplace();
    n.row = *nearest;
    n.part = "P" + std::to_string(*nearest);
    n.advice = "less";
    n.canHelp = true;
  }
  return x;
}

std::vector<int> rowNumbers(const std::vector<const RowEvaluation*>& rows) {
  std::vector<int> out;
  for (const RowEvaluation* e : rows)
    out.push_back(e->row);
  return out;
}

TEST(CandidateTable, ShowsTwoRowsEachSideOfTheCoreTakenWithinTheTable) {
  const struct {
    int first, last;
    std::optional<int> chosen, nearest;
    std::vector<int> shown;
  } cases[] = {
      {1, 10, 5, std::nullopt, {3, 4, 5, 6, 7}},
      {1, 10, 1, std::nullopt, {1, 2, 3}},
      {1, 10, 10, std::nullopt, {8, 9, 10}},
      // A Hall material's rows start at 17: the core is found by its number.
      {17, 26, 25, std::nullopt, {23, 24, 25, 26}},
      {17, 26, 17, std::nullopt, {17, 18, 19}},
      // No core taken: around the nearest, else from the top.
      {1, 10, std::nullopt, 9, {7, 8, 9, 10}},
      {1, 10, std::nullopt, std::nullopt, {1, 2, 3}},
      {1, 2, 2, std::nullopt, {1, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.first) + ".." + std::to_string(c.last));
    EXPECT_EQ(rowNumbers(candidateRows(numbered(c.first, c.last, c.chosen, c.nearest), 2)),
              c.shown);
  }
  EXPECT_TRUE(candidateRows(Explanation{}, 2).empty());
}

TEST(CandidateTable, EachCriterionInWordsWithItsLimitWhereItIsShared) {
  const NumberLocale comma = NumberLocale::comma();
  Explanation x = numbered(1, 3, 2, std::nullopt);
  x.rows[0].criteria = {judge("area", 0.3, Comparison::Greater, 0.4)};
  x.rows[1].criteria = {judge("area", 0.5, Comparison::Greater, 0.4),
                        judge("window", 6, Comparison::GreaterEqual, 2)};
  x.rows[2].criteria = {judge("window", 7, Comparison::Greater, 2)};
  x.rows[1].accuracyClass = RowClass{"0.5S", 0.4};
  x.rows[2].accuracyClass = RowClass{std::nullopt, -0.1};

  const Table t = candidateTable(x, 2, comma);
  // "area" is compared with > 0.4 on each row that has it; "window" with
  // >= on one row and > on the next, so each cell carries its own rule.
  EXPECT_EQ(t.head, (std::vector<std::string>{"", "row", "part", "area\n> 0,4", "window",
                                              "accuracy class\nIEC 61869-2"}));
  const std::vector<std::vector<std::string>> rows = {
      {"", "1", "P1", "0,3 FAIL", "-", "-"},
      {"chosen", "2", "P2", "0,5 ok", "6 >= 2 ok", "0.5S"},
      {"", "3", "P3", "-", "7 > 2 ok", "none"},
  };
  EXPECT_EQ(t.rows, rows);
  EXPECT_EQ(t.marked, (std::vector<bool>{false, true, false}));

  // Without a core taken, the nearest row is named and none is highlighted;
  // a type without classes has no class column.
  Explanation none = numbered(1, 3, std::nullopt, 3);
  const Table n = candidateTable(none, 2, comma);
  EXPECT_EQ(n.head, (std::vector<std::string>{"", "row", "part"}));
  EXPECT_EQ(n.rows.back().front(), "nearest");
  EXPECT_EQ(n.marked, (std::vector<bool>{false, false, false}));
  none.nearest->criterion = judge("window", 1.5, Comparison::Greater, 2);
  none.notes = {"the search ended at the end marker"};
  EXPECT_EQ(candidateNotes(none, comma),
            (std::vector<std::string>{
                "No core fits. Nearest: row 3 (P3), window 1,5 > 2 fails. Advice: less.",
                "The search ended at the end marker."}));
}

// Every heading of a document, in order.
std::vector<std::string> headings(const ReportDocument& doc) {
  std::vector<std::string> out;
  for (const Block& b : doc.blocks)
    if (const auto* h = std::get_if<Heading>(&b)) out.push_back(h->text);
  return out;
}

// The blocks of one kind after a heading, up to the next heading.
template <class B>
std::vector<B> under(const ReportDocument& doc, const std::string& heading) {
  std::vector<B> out;
  bool inside = false;
  for (const Block& b : doc.blocks) {
    if (const auto* h = std::get_if<Heading>(&b)) inside = h->text == heading;
    if (const auto* x = std::get_if<B>(&b); x && inside) out.push_back(*x);
  }
  return out;
}

using Rows = std::vector<std::pair<std::string, std::string>>;

TEST(EngineeringContent, InputsAndResultsUnderTheFormsCaptionsAsTheBoxesShowThem) {
  const struct {
    void (*design)(Program&);
    const char* title;
    Rows inputs;
    std::vector<std::string> outputs, core;
    const char* part;
  } cases[] = {
      {[](Program& p) { p.tormix(); },
       "Traditional Current Transformer Design",
       {{"CT Type", "Traditional"},
        {"Material", "P (Tormix)"},
        {"Material Thickness", "1 mil (0.001\")"},
        {"Burden R (Ohm)", "5"},
        {"Frequency (Hz)", "60"},
        {"Primary Current (A)", "10"},
        {"Current Density (A/sq cm)", "400"},
        {"Turns Ratio (1:xx)", "100"},
        {"Bmax (Gauss)", "5000"}},
       {"Accuracy (catalogue figure)", "Wire Size (AWG)", "Core P/N", "Total Losses (mW)",
        "Residual ID (in)"},
       {"Part Number", "ID (in, nominal)", "OD (in, nominal)", "Ht (in, nominal)",
        "Core Area (sq cm)", "Path Length (cm)"},
       "TW-1023-1P"},
      {[](Program& p) {
         p.design(&Form::optSMPS, &Form::optQperm, {"0.8", "50", "10", "400", "100", "0.5"});
       },
       "SMPS Current Transformer Design",
       {{"CT Type", "SMPS"},
        {"Material", "Q (5K)"},
        {"Output Voltage (V)", "0.8"},
        {"Frequency (kHz)", "50"},
        {"Primary Current (A)", "10"},
        {"Current Density (A/sq cm)", "400"},
        {"Turns Ratio (1:xx)", "100"},
        {"Duty Cycle", "0.5"}},
       {"Required Min L (mH)", "Wire Size (AWG)", "Core P/N", "Actual L (mH)", "Residual ID (in)"},
       {"Part Number", "ID (in, nominal)", "OD (in, nominal)", "Ht (in, nominal)",
        "Core Area (sq cm)", "Path Length (cm)", "AL (mH/1000T, nominal)"},
       "FTQ-0540-210-GX"},
      {[](Program& p) {
         p.design(&Form::optHall, &Form::optRperm, {"2", "10", "100", "0.100", "1", "0.5"});
       },
       "Hall Effect Current Transformer Design",
       {{"CT Type", "Hall Effect"},
        {"Material", "Ferrite (P Material)"},
        {"Max Sensor Vout (V)", "2"},
        {"Sensitivity (mV/G)", "10"},
        {"Primary Current (A)", "100"},
        {"Primary Conductor Size (in)", "0.100"},
        {"Primary Turns", "1"},
        {"Sensor Thickness (mm)", "0.5"}},
       {"Gap Length (in)", "Effective Permeability", "Core P/N", "Sensitivity range (A*T/G)"},
       {"Part Number", "ID (in, nominal)", "OD (in, nominal)", "Ht (in, nominal)",
        "Core Area (sq cm)", "Path Length (cm)"},
       "FPT-2900-750"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    Program p;
    c.design(p);
    ASSERT_EQ(p.form().txtCore.text, c.part);
    const ReportDocument doc = engineeringContent(p.session(), "2024-05-01");
    EXPECT_EQ(doc.title, c.title);
    EXPECT_EQ(doc.subtitle, "Engineering report, 2024-05-01");
    EXPECT_EQ(headings(doc),
              (std::vector<std::string>{"Design Inputs", "Design Outputs", "Core Information",
                                        "Engineering Checks", "Candidate Cores"}));
    ASSERT_EQ(under<Items>(doc, "Design Inputs").size(), 1u);
    EXPECT_EQ(under<Items>(doc, "Design Inputs")[0].rows, c.inputs);

    // Results: the shown boxes only, each with the text the form holds.
    const auto labelsOf = [&](const std::string& heading) {
      std::vector<std::string> labels;
      const std::vector<Items> items = under<Items>(doc, heading);
      for (const auto& [label, value] : items.at(0).rows)
        labels.push_back(label);
      return labels;
    };
    EXPECT_EQ(labelsOf("Design Outputs"), c.outputs);
    EXPECT_EQ(labelsOf("Core Information"), c.core);
    EXPECT_EQ(under<Items>(doc, "Design Outputs")[0].rows.at(2).second, c.part);

    // The candidate table highlights the core the form shows.
    const std::vector<Table> tables = under<Table>(doc, "Candidate Cores");
    ASSERT_EQ(tables.size(), 1u);
    const Table& t = tables[0];
    std::vector<std::string> chosen;
    for (std::size_t r = 0; r < t.rows.size(); ++r)
      if (t.marked[r]) chosen.push_back(t.rows[r][0] + " " + t.rows[r][2]);
    EXPECT_EQ(chosen, std::vector<std::string>{std::string("chosen ") + c.part});
    bool told = false;
    for (const Paragraph& para : under<Paragraph>(doc, "Candidate Cores"))
      told = told || (para.text.rfind("The design takes row ", 0) == 0 &&
                      para.text.find(std::string("(") + c.part + ").") != std::string::npos);
    EXPECT_TRUE(told);
  }
}

// Every text of a document, each heading, paragraph, label, value and cell.
std::vector<std::string> textsOf(const ReportDocument& doc) {
  std::vector<std::string> out;
  for (const Block& b : doc.blocks) {
    if (const auto* h = std::get_if<Heading>(&b)) out.push_back(h->text);
    if (const auto* p = std::get_if<Paragraph>(&b)) out.push_back(p->text);
    if (const auto* items = std::get_if<Items>(&b)) {
      for (const auto& [label, value] : items->rows)
        out.insert(out.end(), {label, value});
    }
    if (const auto* t = std::get_if<Table>(&b)) {
      out.insert(out.end(), t->head.begin(), t->head.end());
      for (const auto& row : t->rows)
        out.insert(out.end(), row.begin(), row.end());
    }
  }
  return out;
}

TEST(EngineeringContent, CandidatesInAnEngineersWordsWithUnitsAndNoEndMarkers) {
  const struct {
    void (*design)(Program&);
    const char* part;
    std::vector<std::string> headings;
    std::size_t rows;  // two cores either side, where the table has them
  } cases[] = {
      {[](Program& p) { p.tormix(); },
       "TW-1023-1P",
       {"core area (sq cm)", "window (sq cm)", "accuracy class"},
       5},
      {[](Program& p) {
         p.design(&Form::optSMPS, &Form::optQperm, {"0.5", "50", "10", "400", "100", "0.5"});
       },
       "FTQ-0540-210-GX",
       {"winding ID (in)", "inductance AL x N^2 (mH)", "B (G)"},
       5},
      // Zendra's closing row stands two rows after the core taken: one core follows it.
      {[](Program& p) {
         p.design(&Form::optHall, &Form::optQperm, {"2", "10", "100", "0.100", "1", "0.5"});
       },
       "ZHF-2250-600",
       {"size limit (in)", "B (G)", "gap lg (in)", "radial wall (in)", "height (in)"},
       4},
  };
  // A figure of six or more significant digits is a single printed whole.
  const auto longestFigure = [](const std::string& text) {
    std::size_t longest = 0;
    const std::regex number("[0-9][0-9.]*");
    for (std::sregex_iterator it(text.begin(), text.end(), number), end; it != end; ++it) {
      std::string digits = it->str();
      std::erase(digits, '.');
      longest =
          std::max(longest, digits.size() - std::min(digits.size(), digits.find_first_not_of('0')));
    }
    return longest;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.part);
    Program p;
    c.design(p);
    ASSERT_EQ(p.form().txtCore.text, c.part);
    const ReportDocument doc = engineeringContent(p.session(), "today");
    for (const std::string& text : textsOf(doc)) {
      for (const char* word : {"end marker", "sentinel", "closing mark", "column 8", "!=", "END"})
        EXPECT_EQ(text.find(word), std::string::npos) << text;
      EXPECT_LT(longestFigure(text), 6u) << text;
    }
    const Table t = under<Table>(doc, "Candidate Cores").at(0);
    std::vector<std::string> headings;
    for (std::size_t k = t.keyColumns; k < t.head.size(); ++k)
      headings.push_back(t.head[k].substr(0, t.head[k].find('\n')));
    EXPECT_EQ(headings, c.headings);
    EXPECT_EQ(t.rows.size(), c.rows);
    // Each note is said once: an explanation may end with the verdict said first.
    const std::vector<Paragraph> notes = under<Paragraph>(doc, "Candidate Cores");
    for (std::size_t i = 0; i < notes.size(); ++i)
      for (std::size_t j = i + 1; j < notes.size(); ++j)
        EXPECT_NE(notes[i].text, notes[j].text);
  }
}

// The Traditional checks as worked by hand for this design in the checks' own
// tests (test materials: 1 mil P tape with mu_a 100,000): class 3, eps -1.77442 %
// and delta 155.669 min at rated current and burden, the tightest point at 50 %
// of rated current and 100 % burden.
TEST(EngineeringContent, TraditionalChecksGiveTheClassThePointsAndTheEnvelope) {
  Program p;
  p.tormix();
  const ReportDocument doc = engineeringContent(p.session(), "today");
  const std::vector<Items> items = under<Items>(doc, "Engineering Checks");
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items[0].rows.at(0),
            (std::pair<std::string, std::string>{"Accuracy class",
                                                 "IEC 61869-2 class 3 at 100 % and 25 % burden"}));
  EXPECT_EQ(items[0].rows.at(1).first, "Tightest point");
  EXPECT_NE(items[0].rows.at(1).second.find("at 50 % of rated current and 100 % burden"),
            std::string::npos);
  // Design Outputs: the catalogue's accuracy figure said for what it is, beside the class.
  EXPECT_EQ(under<Items>(doc, "Design Outputs").at(0).rows.at(0),
            (std::pair<std::string, std::string>{
                "Accuracy (catalogue figure)",
                "0.58%: core loss as 100 Pfe N / Ip, not an accuracy class; the checks find "
                "IEC 61869-2 class 3"}));

  const std::vector<Table> tables = under<Table>(doc, "Engineering Checks");
  ASSERT_EQ(tables.size(), 1u);
  const Table& points = tables[0];
  ASSERT_EQ(points.rows.size(), 12u);
  EXPECT_EQ(points.head.at(8), "ratio error (%)");
  // Rows: 100 % burden at 1, 5, 20, 50, 100, 120 %, then 25 % burden.
  const auto& rated = points.rows.at(4);
  EXPECT_EQ((std::vector<std::string>{rated[0], rated[1], rated[8], rated[9]}),
            (std::vector<std::string>{"100 %", "100 %", "-1.77", "+156"}));
  EXPECT_EQ(points.marked, (std::vector<bool>{false, false, false, true, false, false, false, false,
                                              false, false, false, false}));
  // Two flux densities at 120 %, each named: the demand the saturation verdict
  // rests on, and the solved point of the table's row at rated burden.
  const std::optional<DesignChecks> d = checkDesign(p.session());
  ASSERT_TRUE(d && d->trad);
  const NumberLocale loc = NumberLocale::period();
  std::map<std::string, std::string> rows(items[0].rows.begin(), items[0].rows.end());
  EXPECT_EQ(rows.at("Flux the burden asks for at 120 %")
                .rfind(readable(d->trad->demandTeslaAt120, loc) + " T, from the ideal", 0),
            0u);
  const std::string solved = points.rows.at(5).at(4);
  EXPECT_EQ(rows.at("Flux solved at 120 %").rfind(solved + " T at rated burden", 0), 0u) << solved;
  EXPECT_NE(solved, readable(d->trad->demandTeslaAt120, loc));

  const std::vector<EnvelopePlot> plots = under<EnvelopePlot>(doc, "Engineering Checks");
  ASSERT_EQ(plots.size(), 1u);
  ASSERT_TRUE(plots[0].limits);
  EXPECT_STREQ(plots[0].limits->name, "3");
  EXPECT_EQ(plots[0].limitsCaption, "class 3 limits");
  ASSERT_EQ(plots[0].points.size(), 12u);
  EXPECT_NEAR(plots[0].points.at(4).ratioErrorPercent, -1.77442, 2e-5);
  EXPECT_NEAR(plots[0].points.at(4).phaseMinutes, 155.669, 2e-3);
}

TEST(EngineeringContent, WithoutAClassTheEnvelopeIsDrawnAgainstClassHalf) {
  TradChecks c;
  c.points = {TradPoint{5, 100, 0, 0, 0, 0, 0, 0, -9.0, 400.0}};
  const EnvelopePlot plot = envelopeOf(c);
  ASSERT_TRUE(plot.limits);
  EXPECT_STREQ(plot.limits->name, "0.5");
  EXPECT_EQ(plot.limitsCaption, "class 0.5 limits (for comparison: no class)");
  ASSERT_EQ(plot.points.size(), 1u);
  EXPECT_EQ(plot.points[0].ratioErrorPercent, -9.0);
}

TEST(EngineeringContent, ChecksOfEachItemInWordsWithTheFailingOnesHighlighted) {
  const NumberLocale loc = NumberLocale::period();
  DesignChecks d;
  d.type = "SMPS";
  d.part = "FTQ-X";
  d.material = "ferrite Q";
  SmpsChecks s;
  s.summary = summarize("SMPS", {judgeItem("flux swing", 3000, 2600, "G", true, loc),
                                 judgeItem("droop", 1, 10, "%", true, loc)});
  d.smps = s;
  const std::vector<Block> blocks = checkBlocks(d, loc);
  ASSERT_GE(blocks.size(), 5u);
  EXPECT_EQ(std::get<Heading>(blocks[0]).text, "Engineering Checks");
  EXPECT_EQ(std::get<Paragraph>(blocks[1]).text, "SMPS checks of FTQ-X (ferrite Q).");
  EXPECT_EQ(std::get<Items>(blocks[2]).rows,
            (Rows{{"Verdict", "SMPS checks: flux swing 3,000 G, above 2,600 G"}}));
  const Table& t = std::get<Table>(blocks[3]);
  EXPECT_EQ(t.head, (std::vector<std::string>{"check", "verdict"}));
  EXPECT_EQ(t.rows,
            (std::vector<std::vector<std::string>>{{"flux swing 3,000 G, above 2,600 G", "FAIL"},
                                                   {"droop 1.00 %, within 10.0 %", "ok"}}));
  EXPECT_EQ(t.marked, (std::vector<bool>{true, false}));
  EXPECT_EQ(std::get<Items>(blocks[4]).rows.at(0).first, "secondary current Is");
}

TEST(EngineeringContent, NoCoreNoMaterialDataOrNoTypeIsSaidInWords) {
  const auto paragraphs = [](const std::vector<Block>& blocks) {
    std::vector<std::string> out;
    for (const Block& b : blocks)
      if (const auto* p = std::get_if<Paragraph>(&b)) out.push_back(p->text);
    return out;
  };
  EXPECT_EQ(paragraphs(checkBlocks(std::nullopt, NumberLocale::period())),
            std::vector<std::string>{"The design took no core, so there is no core to check."});

  Program bare(nullptr);
  bare.tormix();
  const ReportDocument doc = engineeringContent(bare.session(), "today");
  EXPECT_EQ(paragraphs(checkBlocks(checkDesign(bare.session()), NumberLocale::period())),
            (std::vector<std::string>{"Traditional checks of TW-1023-1P (tape P 1 mil).",
                                      "Material data unavailable: Materials.txt cannot be "
                                      "opened: No such file or directory."}));
  EXPECT_EQ(under<Table>(doc, "Candidate Cores").size(), 1u) << "the candidates need no material";

  Program none;
  for (OptionButton* b : {&none.form().optSMPS, &none.form().optTradCT, &none.form().optHall})
    b->selected = false;
  const ReportDocument empty = engineeringContent(none.session(), "today");
  EXPECT_EQ(empty.title, "Current Transformer Design");
  EXPECT_TRUE(headings(empty).empty());
  EXPECT_EQ(
      paragraphs(empty.blocks),
      std::vector<std::string>{"No design type is selected, so there is no design to report."});
}

}  // namespace
}  // namespace windara
