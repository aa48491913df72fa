#pragma once
// File dialog filters: the editor keeps them as "Name|pattern|Name|pattern"
// ("Module 28|*28*.rpm|All|*.*"); Qt's dialogs take "Name (pattern);;...".

#include <QtCore/QString>

#include <string_view>

// Several patterns of one entry ("*.ini;*.txt") become blank-separated, and
// "*.*" becomes "*", so that "All" also lists files without an extension, as
// it does where the form comes from. An empty filter gives an empty string
// (every file); a name without pattern gets "*".
QString qtFileFilter(std::string_view filter);
