#pragma once

// The application speaks Japanese whatever the system's language: Qt's own texts (file dialogs,
// print dialogs, standard buttons, context menus) are shown in Japanese too, from Qt's translation and,
// for the few texts it lacks, from the application's. Call once at start-up.
void installJapaneseQtTexts();
