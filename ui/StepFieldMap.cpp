#include "ui/StepFieldMap.h"

#include "model/StepRecord.h"

#include <utility>

namespace {
HexField field(std::size_t offset, int width, const QString& name, bool showDecimal)
{
    return {static_cast<qint64>(offset), width, name, showDecimal};
}
} // namespace

HexFieldMap stepFieldMap(std::size_t errorCodeOffset)
{
    namespace f = pst::field;
    QList<HexField> fields = {
        field(f::TEST_ID, 2, QStringLiteral("TEST_ID"), true),
        field(f::TEST_ARG, 2, QStringLiteral("TEST_ARG"), true),
    };
    for (int k = 1; k <= 16; ++k)
        fields.append(field(f::param(k), 4, QStringLiteral("P%1").arg(k), false));
    fields.append(field(f::POST_ACTION, 4, QStringLiteral("POST_ACTION"), false));
    fields.append(field(f::GOTO_ON_SUCCES, 2, QStringLiteral("GOTO_ON_SUCCES"), true));
    fields.append(field(f::GOTO_ON_ERR, 2, QStringLiteral("GOTO_ON_ERR"), true));
    fields.append(field(f::GOTO_ON_ABRT, 2, QStringLiteral("GOTO_ON_ABRT"), true));
    fields.append(field(errorCodeOffset, 2, QStringLiteral("ERROR_CODE"), true));
    return HexFieldMap(std::move(fields));
}
