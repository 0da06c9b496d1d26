#include "designs/trad/tape_alloy.h"

namespace windara {

TapeAlloy vardite() {
  return {1, 0.0169f, "S", "15000", 15000.0, "Vardite Bmax must be between 1G 15000G."};
}
TapeAlloy halvane() {
  return {2, 0.0181f, "T", "10000", 11500.0, "Halvane Bmax must be between 1G 11500G."};
}
TapeAlloy tormix() {
  return {3, 0.0192f, "P", "5000", 6000.0, "Tormix Bmax must be between 1G and 6000G."};
}

}  // namespace windara
