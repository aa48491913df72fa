#pragma once
// The start of a program until its first painted frame: the program is run
// whole (process start, libraries, window) and ends itself after that frame,
// as `pstedit --quit-after-first-paint` and pst_minimal_qt do. Children run
// on the offscreen platform with their settings in a folder of their own,
// so the user's stored window placement is neither read nor changed.

#include "Stopwatch.h"

#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QTemporaryDir>

class StartFigures {
public:
    StartFigures();

    // From starting `program` to its exit, with the processor time the
    // program took; failed when it could not be started, did not end within
    // a minute or failed.
    Timing run(const QString& program, const QStringList& arguments);

private:
    QTemporaryDir m_config;
};
