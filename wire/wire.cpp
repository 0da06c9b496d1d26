#include "wire/wire.h"

#include "common/checked.h"

namespace windara {

const std::array<WireRow, 44>& wireTable() {
  static constexpr std::array<WireRow, 44> table = [] {
    std::array<WireRow, 44> t{};
    const WireRow rows[] = {
        {6529, 0.0847, 1.589},  {5184, 0.0757, 2.001},  {4109, 0.0682, 2.524},
        {3260, 0.0609, 3.181},  {2581, 0.0545, 4.019},  {2052, 0.0488, 5.054},
        {1624, 0.0437, 6.386},  {1289, 0.0391, 8.047},  {1024, 0.0351, 10.13},
        {812.3, 0.0314, 12.77}, {640.1, 0.0281, 16.2},  {510.8, 0.0253, 20.31},
        {404, 0.0227, 25.67},   {320.4, 0.0203, 32.37}, {252.8, 0.0182, 41.02},
        {201.6, 0.0164, 51.43}, {158.8, 0.0147, 65.33}, {127.7, 0.0133, 81.22},
        {100, 0.0119, 103.7},   {79.21, 0.0108, 130.9}, {64, 0.0098, 162},
        {50.41, 0.0088, 205.7}, {39.69, 0.0078, 261.3}, {31.36, 0.0070, 330.7},
        {25, 0.0063, 414.8},    {20.25, 0.0057, 512.1}, {16, 0.0051, 648.2},
        {12.25, 0.0045, 846.6}, {9.61, 0.0040, 1079},   {7.84, 0.0036, 1423},
        {6.25, 0.0032, 1659},
    };
    for (int awg = 12; awg <= 42; ++awg)
      t[static_cast<std::size_t>(awg)] = rows[awg - 12];
    return t;
  }();
  return table;
}

const WireRow& wireRow(double awg) {
  const std::int32_t index = toInt32(awg);
  if (index < 0 || index > 43) throw CalcError("subscript out of range");
  return wireTable()[static_cast<std::size_t>(index)];
}

double WireDia(Form& form, double awg) {
  const WireRow& row = wireRow(awg);
  form.WireOhms = static_cast<float>(row.ohmsPer1000ft);
  return row.diameterIn;
}

}  // namespace windara
