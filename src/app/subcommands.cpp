#include "app/subcommands.h"

const std::vector<Subcommand>& subcommands() {
    static const std::vector<Subcommand> all{};
    return all;
}
