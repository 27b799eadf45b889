#pragma once

#include <QIcon>

// The application's icon, shown by the windows and the version window.
QIcon applicationIcon();
