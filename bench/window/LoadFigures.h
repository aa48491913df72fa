#pragma once
// Loading a module of 100,000 steps into the real window until the step
// list's first frame with the rows is painted, beside a bare QTreeView over a
// QAbstractTableModel of the same strings, set up and painted from nothing.
// Both run in one folder of files written once: the module, ModDescr.ini
// with 5,000 descriptions, Errors.ini and the window's settings.
//
// The baseline sets its model up from the texts as they are in memory (the
// ID and description of every row, UTF-8), one QString per cell, as a bare
// model holds its data. The bare view alone, over strings converted before
// the clock starts, is given too: it is the part of the load that no model
// can avoid.

#include "Stopwatch.h"

#include <QtCore/QList>
#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtCore/QTemporaryDir>

#include <string>
#include <vector>

class LoadFigures {
public:
    static constexpr int kSteps = 100000;
    static constexpr int kCatalogEntries = 5000;

    LoadFigures();
    bool valid() const { return m_dir.isValid(); }

    // From the call of loadFile on a shown, empty window to the end of the
    // list's next paint; failed when the load failed.
    Timing windowLoad();
    // From the texts to the end of the view's first paint, the view as large
    // as the window's list: with `convertTexts`, the model's strings are
    // made from the texts within the time, else beforehand.
    Timing baseline(bool convertTexts);

private:
    void writeFiles();
    void prepareStrings();

    QTemporaryDir m_dir;
    QString m_module;
    std::vector<std::string> m_idTexts;
    std::vector<std::string> m_descriptionTexts;
    QList<QString> m_ids;
    QList<QString> m_descriptions;
    QSize m_listSize{567, 400};
};
