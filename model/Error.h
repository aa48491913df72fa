#pragma once
// The one failure type of the editor. Its text is what the user sees: the
// window shows it in a message box, pstool prints it after "pstool: error: ".
// A command that throws stops where it is; what it changed so far stays.

#include <stdexcept>
#include <string>

namespace pst {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text) : std::runtime_error(text) {}
};

} // namespace pst
