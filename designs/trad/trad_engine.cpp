#include "designs/trad/trad_engine.h"

#include "common/checked.h"
#include "wire/wire.h"

namespace windara {

namespace {

constexpr int kSmallestGauge = 12;
constexpr int kFinestGauge = 42;
constexpr double kCmPerCircularMil = 0.000005067;
constexpr double kGauge12CircularMils = 6529.0;

}  // namespace

float tapeThicknessFactor(int mils) {
  switch (mils) {
    case 1:
      return 0.88f;
    case 2:
      return 1.0f;
    case 4:
      return 1.06f;
    default:
      return 0.0f;
  }
}

float wireArea(float d) {
  const double radiusCm = d * 2.54 / 2.0;
  return toSingle(3.14 * radiusCm * radiusCm);
}

float windowNeeded(float N, float Aw) {
  return toSingle(divide(double{N} * Aw, 0.2));
}

TradRequirements tradRequirements(const TradInputs& in) {
  TradRequirements q;
  const float N = in.ratio;
  step([&] { q.Is = toSingle(divide(in.primaryCurrent, N)); });
  step([&] { q.Vs = toSingle(double{in.burden} * q.Is); });
  step([&] { q.Areq = toSingle(divide(1e8 * q.Vs, double{in.bmax} * 4.44 * in.frequency * N)); });
  step([&] { q.A2 = toSingle(divide(q.Areq, in.thicknessFactor)); });

  // The gauge whose copper carries Is at about the asked current density.
  step([&] { q.gauge = toInt16(-4.31 * ln(divide(1.889 * q.Is, in.currentDensity))); });
  if (q.gauge > kFinestGauge) {
    q.gauge = kFinestGauge;
  } else if (q.gauge < kSmallestGauge) {
    q.gauge = kSmallestGauge;
    q.wireTooLarge = true;
    // Wide enough that a large secondary current still shows its true density.
    step([&] {
      q.gauge12Density = toInt32(divide(q.Is, kGauge12CircularMils * kCmPerCircularMil));
    });
  }

  step([&] {
    const WireRow& wire = wireRow(q.gauge);
    q.wireOhms = static_cast<float>(wire.ohmsPer1000ft);
    q.d = toSingle(wire.diameterIn);
  });
  step([&] { q.Aw = wireArea(q.d); });
  step([&] { q.Wreq = windowNeeded(N, q.Aw); });
  return q;
}

std::string tradPart(const TradInputs& in, const TapeCoreTable& table, int record) {
  const bool fallback = table.at(record, kTape4milMade).isTextEqual("N") && in.thickness == 4;
  return table.at(record, kTapeStem).generalText(in.locale) + "-" +
         std::to_string(fallback ? 2 : in.thickness) + in.alloy.letter;
}

TradCore evaluateTradCore(const TradInputs& in, const TradRequirements& req,
                          const TapeCoreTable& table, int record) {
  auto field = [&](int n) -> const Cell& { return table.at(record, n); };
  const float N = in.ratio;
  const float f = in.frequency;

  TradCore c;
  c.record = record;
  c.part = tradPart(in, table, record);
  // A core not made in 4 mil tape is evaluated in 2 mil tape.
  c.fourMilFallback = field(kTape4milMade).isTextEqual("N") && in.thickness == 4;
  c.thickness = c.fourMilFallback ? 2 : in.thickness;
  c.thicknessFactor = c.fourMilFallback ? 1.0f : in.thicknessFactor;
  c.density = in.alloy.density;

  step([&] { c.Ae = toSingle(double{c.thicknessFactor} * field(kTapeArea2mil).value()); });
  step([&] { c.pathLength = field(kTapePathLength).value(); });
  step([&] { c.B = toSingle(divide(1e4 * req.Vs, double{c.Ae} * 4.44 * f * N)); });
  step([&] { c.volume = toSingle(field(kTapePathLength).value() * c.Ae); });
  c.law = coreLossLaw(in.alloy.number, c.thickness);
  if (c.law) {
    step([&] { c.Pfe = toSingle(coreLossWatts(*c.law, f, c.B, c.volume, c.density)); });
  }

  double windID = 0, windOD = 0, windHt = 0;
  step([&] { windID = field(kTapeWindID).value(); });
  step([&] { windOD = field(kTapeWindOD).value(); });
  step([&] { windHt = field(kTapeWindHeight).value(); });
  // A ratio beyond 16 bits still has to be wound, or the hole would look empty.
  step([&] { c.turns = toInt32(N); });
  c.winding = windLayers(windID, windOD, windHt, req.d, c.turns);
  step([&] { c.MLT = toSingle(divide(c.winding.length, N)); });
  step([&] { c.residualID = toSingle(c.winding.insideDiameter); });

  const float Is = req.Is;
  step([&] { c.Pcu = toSingle(checked(double{N} * c.MLT / 12000.0 * req.wireOhms * Is * Is)); });
  step([&] { c.Ptot = toSingle(checked((double{c.Pfe} + c.Pcu) * 1000.0)); });
  step([&] { c.accuracy = toSingle(divide(100.0 * c.Pfe * N, in.primaryCurrent)); });
  return c;
}

TradResult calculateTradCT(const TradInputs& in, const TapeCoreTable& table) {
  TradResult r;
  r.inputs = in;
  r.requirements = tradRequirements(in);
  if (!table.ok()) {
    r.search.stop = TradStop::TableUnusable;
    return r;
  }
  r.search = searchTapeCores(r.requirements, table);
  if (r.search.record) r.core = evaluateTradCore(in, r.requirements, table, *r.search.record);
  return r;
}

}  // namespace windara
