#include "TextPages.h"

// Placeholder until the Hindi texts are written.
const TextPage &hindiPage()
{
    static const TextPage page;
    return page;
}
