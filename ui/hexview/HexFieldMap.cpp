#include "ui/hexview/HexFieldMap.h"

#include <algorithm>
#include <utility>

HexFieldMap::HexFieldMap(QList<HexField> fields) : m_fields(std::move(fields))
{
    for (HexField& field : m_fields)
        field.width = std::clamp(field.width, 1, 8);
}

const HexField* HexFieldMap::fieldAt(qint64 offset) const
{
    const auto it = std::find_if(m_fields.cbegin(), m_fields.cend(),
                                 [offset](const HexField& field) { return field.contains(offset); });
    return it == m_fields.cend() ? nullptr : &*it;
}

QString HexFieldMap::describe(const HexField& field, QByteArrayView bytes)
{
    if (field.offset < 0 || field.offset + field.width > bytes.size())
        return {};
    quint64 value = 0;
    for (int i = field.width - 1; i >= 0; --i)
        value = value << 8 | static_cast<quint8>(bytes[field.offset + i]);
    QString text = field.name + QStringLiteral(" = 0x")
        + QString::number(value, 16).toUpper().rightJustified(2 * field.width, u'0');
    if (field.showDecimal)
        text += QStringLiteral(" (%1)").arg(value);
    return text;
}

QString HexFieldMap::describeAt(qint64 offset, QByteArrayView bytes) const
{
    const HexField* field = fieldAt(offset);
    return field ? describe(*field, bytes) : QString();
}
