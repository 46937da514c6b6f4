#pragma once

#include <QtGlobal>

// ON DELETE / ON UPDATE action of a reference.
enum SqlReferenceRelationType : quint8 {
    srtRestrict = 0,
    srtNoAction = 1,
    srtCascade = 2,
    srtSetNull = 3,
    srtSetDefault = 4
};
