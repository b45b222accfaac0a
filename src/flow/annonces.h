#pragma once

#include "windows/window.h"

#include <QString>

namespace virdo {

// A number alone says nothing to a listener: it is read with the label that stands
// beside it on screen ("Total provisoire > 12").
QString totalLu(const VirdoWindow &fenetre);
QString objectifLu(const VirdoWindow &fenetre);

} // namespace virdo
