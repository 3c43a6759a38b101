#pragma once

#include "forms/Design.h"

// The introduction window as designed, before its load step runs.
const Design::Window &introEngDesign();

// The strip below the design's own window that holds "Try the Keys".
inline constexpr int PracticeStripTwips = 600;
