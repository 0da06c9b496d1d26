// What the SMPS inputs ask of a core: inductance, wire and winding hole.

#include "common/checked.h"
#include "designs/smps/smps_engine.h"
#include "wire/wire.h"

namespace windara {

SmpsRequirements smpsRequirements(const SmpsInputs& in) {
  SmpsRequirements r;
  const float N = in.N;
  step([&] { r.Is = toSingle(divide(in.Ip, N)); });
  step([&] { r.ton = toSingle(divide(in.D, in.f)); });
  step([&] { r.deltaI = toSingle(divide(static_cast<double>(in.Ip) * 0.1, N)); });
  step([&] { r.Lreq = toSingle(divide(1000.0 * in.V * r.ton, r.deltaI)); });

  // The copper area Is / J turned into a gauge, kept within the wire table.
  step([&] { r.AWG = toInt16(-4.31 * ln(divide(static_cast<double>(r.Is) * 1.889, in.J))); });
  if (r.AWG > 42) {
    r.AWG = 42;
    r.clamp = WireClamp::LoweredTo42;
  } else if (r.AWG < 12) {
    r.AWG = 12;
    r.clamp = WireClamp::RaisedTo12;
    // 32 bits: a heavy secondary current must not show a density of 0.
    step([&] { r.Jact = toInt32(divide(r.Is, 6529 * 5.067e-6)); });
  }

  step([&] {
    const WireRow& wire = wireRow(r.AWG);
    r.d = toSingle(wire.diameterIn);
    r.wireOhms = static_cast<float>(wire.ohmsPer1000ft);
  });
  // One layer of N turns around the hole (3.14 for pi, as the catalogue assumes).
  step([&] { r.IDreq = toSingle((static_cast<double>(N) / 3.14 + 1.0) * r.d); });
  return r;
}

std::vector<Figure> smpsRequirementFigures(const SmpsRequirements& r) {
  return {{"Is", r.Is},
          {"ton", r.ton},
          {"delta I", r.deltaI},
          {"Lreq", r.Lreq},
          {"gauge", static_cast<double>(r.AWG)},
          {"d", r.d},
          {"IDreq", r.IDreq}};
}

}  // namespace windara
