#pragma once

#include <QString>

// The whole keying scheme as a Markdown chart, for docs/keying.md.
QString keyingChart();
