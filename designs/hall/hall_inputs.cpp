#include "designs/hall/hall_inputs.h"

#include "common/checked.h"
#include "form/session.h"

namespace windara {

namespace {
const HallMaterial kMaterials[] = {
    {HallMaterialId::Ovimax, {1, 8, "Ovimax"}, 6000.0},
    {HallMaterialId::Zendra, {9, 16, "Zendra"}, 10000.0},
    {HallMaterialId::Ferrite, {17, 26, "ferrite"}, 4000.0},
};

const TextBox& boxOf(const Form& f, HallBox box) {
  switch (box) {
    case HallBox::SensorOutput:
      return f.txtVoltage;
    case HallBox::Thickness:
      return f.txtDutyCyc;
    case HallBox::Sensitivity:
      return f.txtFrequency;
    case HallBox::Current:
      return f.txtPriCurrent;
    case HallBox::Turns:
      return f.txtRatio;
    case HallBox::Conductor:
      break;
  }
  return f.txtCurDens;
}
}  // namespace

const HallMaterial& hallMaterial(HallMaterialId id) {
  return kMaterials[static_cast<int>(id)];
}

void setHallInput(HallInputs& in, HallBox box, double v) {
  switch (box) {
    case HallBox::SensorOutput:
      in.vout = toSingle(v);
      return;
    case HallBox::Thickness:
      in.thickness = toSingle(v / 25.4);
      return;
    case HallBox::Sensitivity:
      in.sensitivity = toSingle(v * 1000.0);
      return;
    case HallBox::Current:
      in.current = toSingle(v);
      return;
    case HallBox::Turns:
      in.turns = toInt16(v);
      return;
    case HallBox::Conductor:
      in.conductor = toSingle(v);
      return;
  }
}

double hallBoxValue(const HallInputs& in, HallBox box) {
  switch (box) {
    case HallBox::SensorOutput:
      return in.vout;
    case HallBox::Thickness:
      return static_cast<double>(in.thickness) * 25.4;
    case HallBox::Sensitivity:
      return static_cast<double>(in.sensitivity) / 1000.0;
    case HallBox::Current:
      return in.current;
    case HallBox::Turns:
      return in.turns;
    case HallBox::Conductor:
      break;
  }
  return in.conductor;
}

HallInputs readHallInputs(const Session& s) {
  const Form& f = s.form;
  HallInputs in;
  for (HallBox box : kHallBoxes)
    step([&] { setHallInput(in, box, toNumber(boxOf(f, box).text, s.locale)); });
  if (f.optPperm.selected) {
    in.material = HallMaterialId::Ovimax;
  } else if (f.optQperm.selected) {
    in.material = HallMaterialId::Zendra;
  } else if (f.optRperm.selected) {
    in.material = HallMaterialId::Ferrite;
  }
  return in;
}

}  // namespace windara
