#pragma once

#include <QIcon>

// The main window's image list: eight 16 x 16 icons. 1 to 5 are the toolbar
// commands (open, save, delete, find, restore), 6 and 7 the two library
// categories, 8 a library file.
namespace ImageList {

constexpr int Count = 8;
QIcon icon(int index);

} // namespace ImageList
