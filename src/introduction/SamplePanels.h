#pragma once

#include "TextPages.h"

#include <vector>

// The script sample panels: what each script's sample procedure writes on
// each subject, after the text page. The labels are the same for every
// script; only the glyph codes (and the demonstration file named on the
// seventh page) differ. Each script's samples are in its legacy font.
//
// The captions the script's panel sets on a subject, in order; nothing for
// subject 6 or a number outside 1 to 7.
std::vector<LabelCaption> sampleCaptions(LegacyFont script, int subject);
