#pragma once
#include "platform/Form.h"

namespace snapwright {

// The slider controls of a form (range and position in whole numbers), beside its IForm face.
// As a slider does, the position follows a range that moves past it.
class ISliderForm {
public:
    virtual ~ISliderForm() = default;
    virtual void SetSliderMin(ControlId control, int value) = 0;
    virtual void SetSliderMax(ControlId control, int value) = 0;
    virtual void SetSliderValue(ControlId control, int value) = 0;
    virtual int SliderValue(ControlId control) const = 0;
};

}  // namespace snapwright
