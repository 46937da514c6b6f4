#pragma once

#include "kvoModel/model/ModelBase.h"

#include <QList>
#include <QPair>

namespace KvoModel {

// Kinds of video source.
class DeviceTypeBaseModel : public ModelBase {
public:
    DeviceTypeBaseModel();

    // The built-in kinds (code, name) after the placeholder row, in the order they are written.
    static QList<QPair<qint64, QString>> builtInTypes();

    void createSysRecords(KvoCore::DBSimple* db) override;
};

} // namespace KvoModel
