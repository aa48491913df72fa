#include "ui/window/StepFieldMap.h"

#include "model/StepFields.h"

#include <limits>
#include <utility>

namespace {
bool showsDecimal(pst::StepFieldKind kind)
{
    return kind != pst::StepFieldKind::Param && kind != pst::StepFieldKind::PostAction;
}
} // namespace

HexFieldMap stepFieldMap(std::size_t errorCodeOffset)
{
    QList<HexField> fields;
    // Any record size: the view names what lies inside the record it shows.
    for (const pst::StepField& f : pst::stepFields(errorCodeOffset, std::numeric_limits<std::size_t>::max())) {
        if (f.kind == pst::StepFieldKind::LogArea)
            continue; // it would name every byte of the log, ERROR_CODE's too
        fields.append({static_cast<qint64>(f.offset), static_cast<int>(f.width),
                       QString::fromLatin1(f.name.data(), static_cast<qsizetype>(f.name.size())),
                       showsDecimal(f.kind)});
    }
    return HexFieldMap(std::move(fields));
}
