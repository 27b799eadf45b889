#pragma once

// The application speaks Japanese whatever the system's language: Qt's own texts (file dialogs,
// standard buttons, context menus) are shown in Japanese too. Call once at start-up.
void installJapaneseQtTexts();
