#pragma once
// Names for ranges of the view's bytes, supplied by whoever shows a record in
// the view (the view itself knows no record layout). The view names the field
// under the mouse in its tooltip with the field's little-endian value:
// "GOTO_ON_SUCCES = 0x0005 (5)", or "P3 = 0x0000000A" for a field shown
// without its decimal value.

#include <QtCore/QByteArrayView>
#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QtGlobal>

struct HexField {
    qint64 offset = 0;
    int width = 1; // bytes, 1 to 8
    QString name;
    bool showDecimal = true;

    bool contains(qint64 byte) const { return byte >= offset && byte < offset + width; }
};

class HexFieldMap {
public:
    HexFieldMap() = default;
    // Widths outside 1 to 8 are clamped into it.
    explicit HexFieldMap(QList<HexField> fields);

    bool isEmpty() const { return m_fields.isEmpty(); }
    const QList<HexField>& fields() const { return m_fields; }

    // The first field that holds the byte, or nullptr.
    const HexField* fieldAt(qint64 offset) const;

    // "NAME = 0x" + 2 × width upper-case digits [+ " (" decimal ")"]; empty
    // when the field does not lie wholly inside `bytes`.
    static QString describe(const HexField& field, QByteArrayView bytes);
    // describe() of the field at the byte; empty when there is none.
    QString describeAt(qint64 offset, QByteArrayView bytes) const;

private:
    QList<HexField> m_fields;
};
