#include "model/SharedText.h"

#include <ostream>

namespace pst {

const std::string& SharedText::noText()
{
    static const std::string kEmpty;
    return kEmpty;
}

std::ostream& operator<<(std::ostream& out, const SharedText& text)
{
    return out << text.str();
}

} // namespace pst
