#pragma once

// Makes the platform's style the windows' style, with its standard icons (the arrows of menu bars
// and tool bars, the symbols of message boxes...) read from their image files only when first
// painted: widgets make them at construction whether or not they ever show them, and reading them
// at start-up costs several milliseconds. Call once after the application object exists and before
// any window is made.
void installApplicationStyle();
