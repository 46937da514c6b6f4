#include "RstIdOwnerAttachedFieldModelHelper.h"

#include "kvoModel/model/ModelBase.h"

#include <QCoreApplication>

namespace KvoModel {

RstIdOwnerAttachedFieldModelHelper::RstIdOwnerAttachedFieldModelHelper(ModelBase* owner)
    : ModelHelperBase(owner) {
    FieldDescr fd(fpReference | fpReadOnly, ModelBase::tnOwner(), QString());
    fd.setRefSqlDescr(QStringLiteral("id"), srtCascade, srtCascade, sftBigInt, true, 1);
    fd.setName(QCoreApplication::translate("KvoModel::RstIdOwnerAttachedFieldModelHelper", "Id owner"));
    owner->fieldsList()[QStringLiteral("rstIdOwner")] = fd;
}

} // namespace KvoModel
