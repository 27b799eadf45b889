#pragma once

// The windows and printouts name their fonts as the Japanese Windows faces ("ＭＳ 明朝" and so on);
// this maps those names onto the IPA faces installed with the application. Call once at start-up,
// after the application object exists.
void installFontSubstitutes();
