#pragma once

#include "forms/Design.h"

// The introduction window as designed, before its load step runs.
const Design::Window &introEngDesign();
