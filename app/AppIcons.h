#pragma once
// The program's pictures from the resources, with the larger pixmaps a high-DPI screen
// uses, so that nothing is scaled up from a small bitmap.
#include <QIcon>
#include <QString>

namespace AppIcons {

// The application icon at every size that was drawn (16 to 256 pixels).
QIcon Application();

// A toolbar picture ("open", "save", ...) at its size and at twice its size.
QIcon Toolbar(const QString& name);

}  // namespace AppIcons
