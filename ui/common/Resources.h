#pragma once
// The window's compiled-in resources (icons, glyphs, the template module).

// Registers them; needed once before the first use, since they live in a
// static library. Further calls do nothing.
void initResources();
