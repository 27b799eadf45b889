#include "mainwin/appicon.h"

#include <QPixmap>

namespace {

// A weight on a rod driven into layered soil, beside a softness step line.
// clang-format off
const char* const iconXpm[] = {
    "32 32 9 1",
    ". c None",
    "s c #DCEBF7",
    "b c #8B5A2B",
    "c c #A9743F",
    "d c #6B4423",
    "r c #5A5A5A",
    "w c #2F3E4E",
    "e c #D03020",
    "k c #1E1E1E",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kssssssssssssssssssssssssssssssk",
    "kssssssssssssssrrssssssssssssssk",
    "kssssssssssssssrrssssssssssssssk",
    "kssssssssssssssrrssssssssssssssk",
    "ksssssssssswwwwwwwwwwssssssssssk",
    "ksssssssssswwwwwwwwwwssssssssssk",
    "ksssssssssswwwwwwwwwwssssssssssk",
    "ksssssssssswwwwwwwwwwssssssssssk",
    "ksssssssssswwwwwwwwwwssssssssssk",
    "kssssssssssssssrrssssssssssssssk",
    "kssssssssssssssrrssssssssssssssk",
    "kccccccccccccccrrccccceeeeeeccck",
    "kccccccccccccccrrcccccccccceccck",
    "kccccccccccccccrrcccccccccceccck",
    "kccccccccccccccrrcccccccccceccck",
    "kccccccccccccccrrccccccceeeeccck",
    "kccccccccccccccrrcccccccecccccck",
    "kbbbbbbbbbbbbbbrrbbbbbbbebbbbbbk",
    "kbbbbbbbbbbbbbbrrbbbbbbbebbbbbbk",
    "kbbbbbbbbbbbbbbrrbbbbbbbebbbbbbk",
    "kbbbbbbbbbbbbbbrrbbbbbbbeeeeeebk",
    "kbbbbbbbbbbbbbbrrbbbbbbbbbbbbebk",
    "kbbbbbbbbbbbbbbrrbbbbbbbbbbbbebk",
    "kddddddddddddddrrddddddddddddedk",
    "kddddddddddddddrrddddddddddddedk",
    "kddddddddddddddrrddddddddeeeeedk",
    "kddddddddddddddrrddddddddedddddk",
    "kddddddddddddddrrddddddddedddddk",
    "kddddddddddddddrrddddddddedddddk",
    "kddddddddddddddddddddddddedddddk",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk"
};
// clang-format on

}  // namespace

QIcon applicationIcon() {
    return QIcon(QPixmap(iconXpm));
}
