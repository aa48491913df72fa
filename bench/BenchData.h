#pragma once
// Inputs shared by the benchmarks: large module images and catalogs, built
// once per process.

#include "model/Bytes.h"

#include <string>

namespace pst::bench {

// A ROYL image holding `steps` records of 136 bytes with test ids cycling
// through 0x01..0x1388 (so descriptions are found), and room for no more.
const Bytes& roylScript(int steps);
// A ModDescr.ini with `entries` descriptions in section Desc.
const std::string& modDescr(int entries);
// A 16 MiB image starting with "ROYL" (roylMagic) or not.
Bytes image16M(bool roylMagic);

} // namespace pst::bench
