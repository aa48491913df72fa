#pragma once
// Texts between the core and the widgets. The core keeps the bytes a file
// holds; a widget shows them as UTF-8 when they are, else as Latin-1. When a
// widget's text comes back and is one of the core's own texts as shown, the
// core gets its original bytes back, so a name read as Latin-1 still finds
// its section in the file.

#include <QtCore/QString>

#include <string>
#include <string_view>
#include <vector>

QString toDisplay(const std::string& bytes);
// One of the program's own texts (UTF-8).
QString qtText(std::string_view text);

// The text as the core's bytes: the first candidate whose display form
// equals the text, else the text as UTF-8.
std::string fromDisplay(const QString& text, const std::vector<std::string>& candidates = {});

// Paths: the core's file names are the bytes the file system uses.
QString pathToDisplay(const std::string& path);
std::string pathFromDisplay(const QString& path);
// A path as messages show it, control characters escaped.
QString shownPath(const QString& path);
