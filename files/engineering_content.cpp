#include "files/engineering_content.h"

#include "app/explain.h"
#include "files/candidate_table.h"
#include "files/check_blocks.h"
#include "files/rating_blocks.h"

#include <initializer_list>

namespace windara {

namespace {

struct Shown {
  const Label& label;
  const TextBox& box;
};

// The type a calculation would run, tested in the order Calculate tests them.
const char* typeName(const Form& f) {
  if (f.optSMPS.selected) return "SMPS";
  if (f.optTradCT.selected) return "Traditional";
  if (f.optHall.selected) return "Hall Effect";
  return nullptr;
}

// The shown boxes under their captions; a box the type hides means nothing in it.
Items shownItems(const std::vector<Shown>& shown) {
  Items items;
  for (const Shown& s : shown) {
    if (s.box.visible && s.label.visible) items.rows.emplace_back(s.label.caption, s.box.text);
  }
  return items;
}

const OptionButton* selectedOf(std::initializer_list<const OptionButton*> buttons) {
  for (const OptionButton* b : buttons) {
    if (b->selected) return b;
  }
  return nullptr;
}

void addSection(ReportDocument& doc, const std::string& heading, Items items) {
  add(doc.blocks, Heading{heading});
  add(doc.blocks, std::move(items));
}

Items inputItems(const Form& f, const char* type) {
  Items items;
  items.rows.emplace_back(f.frameDesType.caption, type);
  if (const OptionButton* m = selectedOf({&f.optPperm, &f.optQperm, &f.optRperm}))
    items.rows.emplace_back(f.frameMatType.caption, m->caption);
  const OptionButton* t = selectedOf({&f.opt1mil, &f.opt2mil, &f.opt4mil});
  if (f.frameThick.visible && t) items.rows.emplace_back(f.frameThick.caption, t->caption);
  const Items boxes = shownItems({{f.lblVout, f.txtVoltage},
                                  {f.lblFrequency, f.txtFrequency},
                                  {f.lblIpri, f.txtPriCurrent},
                                  {f.lblCurDens, f.txtCurDens},
                                  {f.lblTurnsRatio, f.txtRatio},
                                  {f.lblDuty, f.txtDutyCyc}});
  items.rows.insert(items.rows.end(), boxes.rows.begin(), boxes.rows.end());
  return items;
}

// The spec'd Accuracy box is the catalogue's core-loss figure, which a reader
// takes for the CT's accuracy: its row says what it is, beside the class the
// checks find.
void explainAccuracy(Items& outputs, const Form& f, const std::optional<DesignChecks>& checks) {
  if (!f.optTradCT.selected || f.optSMPS.selected) return;
  for (auto& [label, value] : outputs.rows) {
    if (label != f.lblReqL.caption) continue;
    std::string found = "not checked (see Engineering Checks)";
    if (checks && checks->trad) {
      const auto& name = checks->trad->verdict.className;
      found = name ? "IEC 61869-2 class " + *name : "no IEC 61869-2 class";
    }
    label += " (catalogue figure)";
    value += ": core loss as 100 Pfe N / Ip, not an accuracy class; the checks find " + found;
  }
}

void addCandidates(ReportDocument& doc, const Session& s) {
  const Explanation x = explainDesign(s);
  add(doc.blocks, Heading{"Candidate Cores"});
  if (const auto rows = candidateRows(x, kCandidateReach); !rows.empty()) {
    add(doc.blocks,
        Paragraph{"Rows " + std::to_string(rows.front()->row) + " to " +
                  std::to_string(rows.back()->row) + " of " + x.table +
                  ", judged against each criterion as the core search applies it: ok where the row "
                  "meets it, FAIL where it does not, a dash where the search does not test it."});
    add(doc.blocks, candidateTable(x, kCandidateReach, s.locale));
    if (const std::string legend = candidateLegend(x, kCandidateReach); !legend.empty())
      add(doc.blocks, Paragraph{legend});
  }
  for (const std::string& note : candidateNotes(x, s.locale))
    add(doc.blocks, Paragraph{note});
}

}  // namespace

ReportDocument engineeringContent(const Session& s, const std::string& date,
                                  const RatingChoice* rating,
                                  const std::vector<Block>& requirement) {
  const Form& f = s.form;
  ReportDocument doc;
  const char* type = typeName(f);
  doc.title =
      type ? std::string(type) + " Current Transformer Design" : "Current Transformer Design";
  doc.subtitle = "Engineering report, " + date;
  if (!type) {
    add(doc.blocks, Paragraph{"No design type is selected, so there is no design to report."});
    return doc;
  }
  addSection(doc, f.frameInputs.caption, inputItems(f, type));
  const std::optional<DesignChecks> checks = checkDesign(s);
  Items outputs = shownItems({{f.lblReqL, f.txtRequiredL},
                              {f.lblWireSize, f.txtWireSize},
                              {f.lblCore, f.txtCore},
                              {f.lblActL, f.txtActualL},
                              {f.lblResID, f.txtResID}});
  explainAccuracy(outputs, f, checks);
  addSection(doc, f.frameOuputs.caption, std::move(outputs));
  addSection(doc, f.frameCore.caption,
             shownItems({{f.lblPartNum, f.txtPartNum},
                         {f.lblID, f.txtID},
                         {f.lblOD, f.txtOD},
                         {f.lblHt, f.txtHt},
                         {f.lblAe, f.txtAe},
                         {f.lblle, f.txtle},
                         {f.lblAL, f.txtAL}}));
  for (Block& b : checkBlocks(checks, s.locale))
    doc.blocks.push_back(std::move(b));
  doc.blocks.insert(doc.blocks.end(), requirement.begin(), requirement.end());
  addCandidates(doc, s);
  if (rating && !rating->isDefault())
    for (Block& b : ratingBlocks(s, *rating))
      doc.blocks.push_back(std::move(b));
  return doc;
}

}  // namespace windara
