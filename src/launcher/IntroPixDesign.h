#pragma once

#include "forms/Design.h"

// The launcher window as designed, before its load step runs.
const Design::Window &introPixDesign();
