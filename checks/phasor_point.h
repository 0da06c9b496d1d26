#pragma once
// The errors of a CT at a burden R + jX, worked out with phasors.

#include "checks/burden.h"
#include "checks/ratio_error.h"

namespace windara {

// Es = Is (Rw + Zb), with Is the reference: the exciting current's loss part Ia in phase with
// Es and its magnetizing part Im 90 degrees behind it, Ie = (Ia - j Im) Es / |Es|. Is is solved
// so that |Is + Ie| is the primary current referred to the secondary (to a part in 10^13); the
// ratio error is Kn Is / Ip - 1 and the phase displacement the angle by which Is leads Ip
// (positive: secondary leads). A resistive burden gives errorPoint's point exactly.
TradPoint burdenPoint(const CtModel& ct, double primaryAmps, const Burden& burden);

}  // namespace windara
