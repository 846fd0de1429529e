#pragma once

#include <QString>
#include <array>

// The program-wide variables through which the windows talk to each other. All are
// empty, zero or false at start, kept for the run and never saved.

// The file behind the current image (library click, import, find window).
inline QString CurrentImagePath;
// Set by any left-button press on the preview or a slot; never reset.
inline bool UnsavedChanges = false;
// The picture control last right-clicked: 1 Startlogo, 2 WaitForShutdown,
// 3 Shutdown, 4 CurrentPicture, 0 none yet.
inline qint16 PopupTarget = 0;
// Hand-over between an import and the resize offer.
inline QString ResizeTarget;
inline bool ResizeCancelled = false;
// The status-bar tips: the tip number last moved over and the six tip texts
// (index 1 to 6; index 0 is unused).
inline qint16 TipIndex = 0;
inline std::array<QString, 7> TipText;

// Puts every variable back to its start value (a new run; used by tests).
void resetGlobals();
