#pragma once
// Icons drawn from SVG resources, rendered here so that no image plugin is
// needed at run time.

#include <QtCore/QList>
#include <QtGui/QIcon>

// The SVG rendered at each size (square, in pixels); a null icon when the
// resource is missing or no valid SVG.
QIcon svgIcon(const QString& resource, const QList<int>& sizes = {16, 32});
