#pragma once

#include <QtGlobal>

// Column type of an entity field.
enum SqlFldType : quint8 {
    sftNone = 0, // joined fields only; a stored field of this type is an error
    sftInt = 1,
    sftBigInt = 2,
    sftFloat = 3,
    sftDouble = 4,
    sftVarchar = 5,
    sftText = 6,
    sftBool = 7
};
