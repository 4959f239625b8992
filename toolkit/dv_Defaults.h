// Process-wide default values of the toolkit.
#pragma once

#include "toolkit/dv_Color.h"
#include "toolkit/dv_Material.h"

// The material handed out for palette indices out of range.
const dv_Material& dv_DefaultMaterial();
// The grey (0.2, 0.2, 0.2, 1) that new line and point colours start from.
const dv_Color& dv_DefaultColor();
