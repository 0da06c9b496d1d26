#include "gui/sweep_quantities.h"

#include <array>

#include "files/design_file.h"
#include "sweep/named_boxes.h"
#include "sweep/point_checks.h"

namespace windara::gui {

namespace {

// The label beside each box, in kInputBoxes' and kOutputBoxes' order.
constexpr std::array<Label Form::*, 6> kInputLabels{&Form::lblVout,       &Form::lblFrequency,
                                                    &Form::lblIpri,       &Form::lblCurDens,
                                                    &Form::lblTurnsRatio, &Form::lblDuty};
constexpr std::array<Label Form::*, 12> kOutputLabels{
    &Form::lblReqL,  &Form::lblWireSize, &Form::lblCore, &Form::lblActL,
    &Form::lblResID, &Form::lblPartNum,  &Form::lblID,   &Form::lblOD,
    &Form::lblHt,    &Form::lblAe,       &Form::lblle,   &Form::lblAL};

struct FigureCaption {
  const char* name;
  const char* caption;
};
constexpr FigureCaption kFigureCaptions[] = {
    {"ratio_error_percent", "Ratio error at rated current and burden (%)"},
    {"phase_minutes", "Phase displacement at rated current and burden (min)"},
    {"droop_percent", "Droop (%)"},
    {"flux_swing_gauss", "Flux swing (Gauss)"},
    {"core_flux_gauss", "Core flux (Gauss)"},
    {"saturation_margin", "Saturation margin"},
};

// Captions the form shows without the unit of their figure; a plot's axis needs it.
struct BareCaption {
  const char* caption;
  const char* withUnit;
};
constexpr BareCaption kBareCaptions[] = {{"Accuracy", "Accuracy (%)"}};

QString withUnit(const std::string& caption) {
  for (const BareCaption& b : kBareCaptions) {
    if (caption == b.caption) return QString::fromUtf8(b.withUnit);
  }
  return QString::fromStdString(caption);
}

QString figureCaption(const char* name) {
  for (const FigureCaption& f : kFigureCaptions) {
    if (QLatin1String(f.name) == QLatin1String(name)) return QString::fromUtf8(f.caption);
  }
  return QString::fromLatin1(name);
}

}  // namespace

QStringList inputCaptions(const Form& form) {
  QStringList captions;
  for (Label Form::*label : kInputLabels)
    captions << QString::fromStdString((form.*label).caption);
  return captions;
}

std::vector<SweepQuantity> plottableQuantities(const Form& form) {
  std::vector<SweepQuantity> out;
  for (std::size_t k = 0; k < kOutputBoxes.size(); ++k) {
    const TextBox& box = form.*kOutputBoxes[k].box;
    // The part numbers are drawn as the steps of the plot, not as a line.
    if (!box.visible || &box == &form.txtCore || &box == &form.txtPartNum) continue;
    const QString caption = withUnit((form.*kOutputLabels[k]).caption);
    out.push_back({caption, unitOf(caption), kOutputBoxes[k].name, k});
  }
  const std::vector<const char*> figures = checkFigureNames(designTypeCode(form));
  for (std::size_t k = 0; k < figures.size(); ++k) {
    const QString caption = figureCaption(figures[k]);
    out.push_back({caption, unitOf(caption), figures[k], kOutputBoxes.size() + k});
  }
  return out;
}

QString unitOf(const QString& caption) {
  const qsizetype open = caption.lastIndexOf('(');
  const qsizetype close = caption.lastIndexOf(')');
  if (open < 0 || close < open) return QString();
  return caption.mid(open + 1, close - open - 1).section(',', 0, 0).trimmed();
}

}  // namespace windara::gui
