#pragma once
// Choosing a font family among those this system has.

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <optional>

// The first of families that is installed (compared without regard to case),
// or nothing. Naming an installed family spares Qt its search through the
// system's fallbacks for every missing one, which costs more at start than
// building the whole window.
std::optional<QString> firstInstalledFamily(const QStringList& families);
