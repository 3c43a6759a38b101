#pragma once

#include "forms/Design.h"

// The About window as designed, before its load step runs.
const Design::Window &abKorIntDesign();
