#pragma once

#include "windows/controlspec.h"

namespace virdo {

// The three windows as the designer laid them out.
const WindowSpec &virdoWindowSpec();
const WindowSpec &rejouerWindowSpec();
const WindowSpec &eurekaWindowSpec();

} // namespace virdo
