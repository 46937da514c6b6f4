#pragma once

namespace KvoModel {

class ModelBase;

// Base of the mix-ins that add fields to the model they are mixed into. A model that mixes a helper in
// derives from ModelBase first and from the helper second, so the model exists when the helper runs.
class ModelHelperBase {
public:
    explicit ModelHelperBase(ModelBase* owner);
    virtual ~ModelHelperBase();

protected:
    // The model the helper was constructed for. Helpers act in their constructors only; a copied model
    // copies this pointer too, so it must not be used after construction.
    ModelBase* ownerModel() const { return _owner; }

private:
    ModelBase* _owner;
};

} // namespace KvoModel
