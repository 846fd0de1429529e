#include "app/Globals.h"

void resetGlobals() {
    CurrentImagePath.clear();
    UnsavedChanges = false;
    PopupTarget = 0;
    ResizeTarget.clear();
    ResizeCancelled = false;
    TipIndex = 0;
    TipText.fill(QString());
}
