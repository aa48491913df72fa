#pragma once
// Every sample file, by name: the script module in its three layouts and the
// modules the generators read. Names carry the module id, so that the open
// dialog of a module ("*28*.rpm", "*E6*.rpm", ...) offers its sample.

#include "model/Bytes.h"

#include <string>
#include <vector>

namespace pst::examples {

struct SampleFile {
    std::string name;
    Bytes bytes;
};

std::vector<SampleFile> sampleFiles();

} // namespace pst::examples
