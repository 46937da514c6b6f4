#pragma once

#include <QtGlobal>

// Flags of one entity field; a field's flags are an OR of these values.
enum FieldProprties : quint16 {
    fpNormal = 0x0001,     // plain stored column
    fpPrimaryKey = 0x0002, // never written by insert or update
    fpReference = 0x0004,  // foreign key to refTable(refField)
    fpUpdateTime = 0x0008, // last-change time stamp, set by insert and updates
    fpInsertTime = 0x0010, // creation time stamp, set by insert only
    fpUnique = 0x0020,
    fpJoined = 0x0040,   // not a column: joinField of the referenced refTable row
    fpAutoUuid = 0x0100, // a fresh braced UUID on insert
    fpReadOnly = 0x0200, // written by insert only
    fpPrivate = 0x0400,  // left out of selects and DTOs unless asked for (password hashes)
    fpIndexed = 0x1000,
    fpNotStored = 0x2000 // transient: in the field list and DTO traffic, never a column
};

constexpr FieldProprties operator|(FieldProprties a, FieldProprties b) {
    return static_cast<FieldProprties>(static_cast<quint16>(a) | static_cast<quint16>(b));
}
constexpr FieldProprties operator&(FieldProprties a, FieldProprties b) {
    return static_cast<FieldProprties>(static_cast<quint16>(a) & static_cast<quint16>(b));
}
constexpr FieldProprties operator~(FieldProprties a) {
    return static_cast<FieldProprties>(static_cast<quint16>(~static_cast<quint16>(a)));
}
inline FieldProprties& operator|=(FieldProprties& a, FieldProprties b) {
    return a = a | b;
}
inline FieldProprties& operator&=(FieldProprties& a, FieldProprties b) {
    return a = a & b;
}
