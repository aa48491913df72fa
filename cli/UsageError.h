#pragma once
// A wrong command line, found before any command runs. Its text follows
// "pstool: usage: ".

#include <stdexcept>
#include <string>

namespace pst::cli {

class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& what) : std::runtime_error(what) {}
};

} // namespace pst::cli
