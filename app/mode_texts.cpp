#include "app/mode_texts.h"

namespace windara {

ModeTexts modeTexts(Mode mode, const NumberLocale& locale) {
  switch (mode) {
    case Mode::Traditional:
      return {{{
                  {"Burden R (Ohm)", "Output, or burden, resistance", "5"},
                  {"Frequency (Hz)", "Frequency of current being sensed", "60"},
                  {"Primary Current (A)", "Primary current into the current transformer", "10"},
                  {"Current Density (A/sq cm)", "Current density for the secondary", "400"},
                  {"Turns Ratio (1:xx)", "Number of Secondary Turns", "100"},
                  {"Bmax (Gauss)", "Operating flux density of the core", "5000"},
              }},
              {"Accuracy", "Wire Size (AWG)", "Core P/N", "Total Losses (mW)"},
              {"S (Vardite)", "T (Halvane)", "P (Tormix)"},
              "Catalogue figure of the core's loss: 100 x Pfe x N / Ip (core loss Pfe in W, "
              "N turns, Ip in A). It is not the CT's accuracy class: Tools > Design Explorer "
              "> Checks finds that class."};
    case Mode::Hall:
      return {
          {{
              {"Max Sensor Vout (V)", "Output voltage of Hall Sensor at maximum current", "2"},
              {"Sensitivity (mV/G)", "Resolution of the Hall Effect Sensor", "10"},
              {"Primary Current (A)", "Primary current to be sensed", "100"},
              {"Primary Conductor Size (in)",
               "OD (or largest diagonal dimension if rectangular) of wire",
               formatPattern(0.1, "0.000", locale)},
              {"Primary Turns", "Number of Primary Turns", "1"},
              {"Sensor Thickness (mm)", "Thickness of the Hall Effect Sensor",
               formatGeneral(0.5, locale)},
          }},
          {"Gap Length (in)", "Effective Permeability", "Core P/N", "Sensitivity range (A*T/G)"},
          {"Ovimax", "Zendra", "Ferrite (P Material)"}};
    case Mode::SMPS:
      break;
  }
  return {{{
              {"Output Voltage (V)", "Secondary voltage of the current transformer",
               formatGeneral(0.5, locale)},
              {"Frequency (kHz)", "Switching frequency of the SMPS", "50"},
              {"Primary Current (A)", "Primary current into the current transformer", "10"},
              {"Current Density (A/sq cm)", "Current density for the secondary", "400"},
              {"Turns Ratio (1:xx)", "Number of Secondary Turns", "100"},
              {"Duty Cycle", "Duty cycle of the SMPS", formatGeneral(0.5, locale)},
          }},
          {"Required Min L (mH)", "Wire Size (AWG)", "Core P/N", "Actual L (mH)"},
          {"P (3K)", "Q (5K)", "R (10K)"}};
}

}  // namespace windara
