#include "main_window/PictureHolder.h"

PictureHolder::PictureHolder(QWidget* parent) : QWidget(parent) {
    hide();
}
