#include "qt/CopyNamesGrid.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "qt/DialogWidgets.h"

namespace kalivo {

CopyNamesGrid CopyNamesGrid::Make(const std::string& sourceName, const std::string& destinationName,
                                  const DialogUnits& units, QWidget* parent) {
    CopyNamesGrid grid{new QGridLayout, DialogWidgets::ReadOnlyText(sourceName, units, 90, 12, parent),
                       DialogWidgets::ReadOnlyText(destinationName, units, 90, 12, parent)};
    grid.layout->addWidget(new QLabel(QStringLiteral("Source:"), parent), 0, 0);
    grid.layout->addWidget(grid.source, 0, 1);
    grid.layout->addWidget(new QLabel(QStringLiteral("Dest:"), parent), 1, 0);
    grid.layout->addWidget(grid.destination, 1, 1);
    return grid;
}

}  // namespace kalivo
