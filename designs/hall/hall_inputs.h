#pragma once
// The numbers a Hall design works with, as the boxes give them: each held in
// single precision (the turns as a 16-bit count), with the selected material.

#include <cstdint>
#include <optional>

#include "designs/hall/hall_table.h"

namespace windara {

struct Session;

enum class HallMaterialId { Ovimax, Zendra, Ferrite };

// A material: its rows of the table and the highest gap flux density it
// carries.
struct HallMaterial {
  HallMaterialId id;
  HallGroup group;
  double fluxLimit;  // G
};
const HallMaterial& hallMaterial(HallMaterialId id);

// The input boxes in the order the design reads them.
enum class HallBox { SensorOutput, Thickness, Sensitivity, Current, Turns, Conductor };
inline constexpr HallBox kHallBoxes[] = {HallBox::SensorOutput, HallBox::Thickness,
                                         HallBox::Sensitivity,  HallBox::Current,
                                         HallBox::Turns,        HallBox::Conductor};

struct HallInputs {
  float vout = 0.0f;         // V, sensor output at full scale
  float thickness = 0.0f;    // in (the box holds mm)
  float sensitivity = 0.0f;  // uV/G (the box holds mV/G)
  float current = 0.0f;      // A, maximum primary current
  std::int16_t turns = 0;    // primary turns
  float conductor = 0.0f;    // in, size of the primary conductor
  std::optional<HallMaterialId> material;
};

// Stores the number of a box into its quantity, converted as the design reads
// it; CalcError (and the quantity unchanged) when it cannot be held.
void setHallInput(HallInputs& in, HallBox box, double boxValue);

// A quantity as its box shows it (mm for the thickness, mV/G for the sensitivity).
double hallBoxValue(const HallInputs& in, HallBox box);

// Reads the six boxes and the material buttons. A box that cannot be read
// leaves its quantity at 0, as a failed step of the design does.
HallInputs readHallInputs(const Session& s);

}  // namespace windara
