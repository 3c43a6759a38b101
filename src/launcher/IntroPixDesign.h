#pragma once

#include "forms/Design.h"

// The launcher window as designed, before its load step runs.
const Design::Window &introPixDesign();

// The summary box reads "Introduction in" the chosen language "about the
// script for" the chosen script: its caption's two halves.
QString summaryOpening();
QString summaryClosing();
