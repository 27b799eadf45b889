#pragma once

#include <QString>

// Whether two paths name one file: the same device and inode when both exist (through links, other
// paths or /dev/stdout), the same place once the links of their folders are followed when neither
// does.
bool NamesSameFile(const QString& a, const QString& b);
