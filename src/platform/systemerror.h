#pragma once

#include <QString>

// The system's reason for a failed file or device operation, in the user's words: Japanese for the
// reasons a user meets, the system's own text for any other.
QString systemErrorText(int error);
