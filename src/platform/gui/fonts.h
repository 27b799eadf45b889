#pragma once

// The windows and printouts name their fonts as the Japanese Windows faces ("ＭＳ 明朝" and so on);
// this maps those names onto the IPA faces installed with the application and makes "ＭＳ Ｐゴシック"
// 9 pt the windows' font. Call once at start-up, after the application object exists and before any
// window is made.
void installApplicationFonts();
