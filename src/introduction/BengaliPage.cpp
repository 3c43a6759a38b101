#include "TextPages.h"

// Placeholder until the Bengali texts are written.
const TextPage &bengaliPage()
{
    static const TextPage page;
    return page;
}
