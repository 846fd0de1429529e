#pragma once

#include <QFont>
#include <QString>

// Fonts sized in points at the standard 96 dots per inch, the resolution the twips
// layouts assume, so text fits its control whatever DPI the display reports.
namespace Fonts {

// Starts reading the system's font configuration on a thread of its own, so that it
// overlaps the connection to the display; the first text drawn needs it.
void prepareInBackground();
// Registers Wine's MS Sans Serif and maps "Arial" to its metric twin, Liberation Sans.
void registerFamilies();
QFont make(const QString& family, int points, bool bold = false);
QFont msSansSerif(int points = 8, bool bold = false);
QFont arial(int points, bool bold = false);

} // namespace Fonts
