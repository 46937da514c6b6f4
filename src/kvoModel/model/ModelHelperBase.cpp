#include "ModelHelperBase.h"

namespace KvoModel {

ModelHelperBase::ModelHelperBase(ModelBase* owner) : _owner(owner) {}

ModelHelperBase::~ModelHelperBase() = default;

} // namespace KvoModel
