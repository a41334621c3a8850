#pragma once
#include <QPixmap>

// A picture of the game's artwork by name: ":/assets/<name>.xpm". Loaded
// once and shared.
QPixmap Picture(const char *name);
QImage PictureImage(const char *name);
