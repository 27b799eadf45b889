#include "options.h"

#include <fstream>
#include <sstream>

#include "memoryimage.h"
#include "testpoints.h"

const char* const Usage =
    "usage: counter-emulator [MEMORY] [OPTIONS]\n"
    "Plays a recording counter on a pseudo-terminal; prints the device path on the first line.\n"
    "Memory (default: --sample):\n"
    "  --sample                   five test points of 30 to 120 drops, one with a soft layer\n"
    "  --points FILE              test points, one a line: NUMBER MM/DD HH:MM DROPS [soft FIRST-LAST]\n"
    "                             or NUMBER MM/DD HH:MM = MM MM ... (readings in mm)\n"
    "  --dump FILE                a k40read.tmp file: 30720 hexadecimal digits\n"
    "  --print-memory             print the memory as k40read.tmp text and end\n"
    "Session:\n"
    "  --delay MS                 pause between the port's opening and the first chunk (default 1000)\n"
    "  --baud                     send at the real 4800 bit/s\n"
    "  --baud-chunks N            send the first N chunks of a session at 4800 bit/s\n"
    "  --save FILE                save the received 1024-byte image\n"
    "  --parameters A,B,C,D,E,F   expected parameter bytes, * for any (default 1,20,2,20,*,0)\n"
    "  --repeat                   serve one session after another\n"
    "  --help                     print this help\n"
    "Faults:\n"
    "  --silent-after-chunks N    send N chunks, then fall silent\n"
    "  --silent-after-characters K  send K characters of the chunks, then fall silent\n"
    "  --garbled-chunk N          send chunk N (1-960) with a G for its first digit\n"
    "  --silent-after-bytes N     acknowledge N image bytes, then fall silent\n"
    "  --garbage-after-chunks N   send N chunks, then flood the line with garbage\n"
    "  --first-char C             start the first chunk with C instead of A\n"
    "  --ready TEXT               announce the image with TEXT instead of S\n"
    "  --wrong-ack-at N           answer image byte N (1-1024) with the wrong acknowledgement\n"
    "  --wrong-ack TEXT           the wrong acknowledgement (default B)\n"
    "Exit status: 0 when the program's side was sound, 1 when it was not, 2 for a wrong command line.\n";

namespace {

std::string readFile(const std::string& path, std::string& error) {
    std::ifstream in(path);
    if (!in) error = "cannot read " + path;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool parseParameters(const std::string& text, ExpectedParameters& parameters) {
    std::istringstream in(text);
    std::string item;
    std::size_t i = 0;
    for (; i < parameters.size() && std::getline(in, item, ','); ++i) {
        if (item == "*") {
            parameters[i].reset();
            continue;
        }
        const int value = std::stoi(item);
        if (value < 0 || value > 255) return false;
        parameters[i] = std::uint8_t(value);
    }
    return i == parameters.size() && !std::getline(in, item, ',');
}

}  // namespace

OptionsOrError parseOptions(int argc, char* argv[]) {
    OptionsOrError result;
    Options& options = result.options;
    SessionSettings& session = options.session;
    Faults& faults = session.faults;
    session.delay = std::chrono::milliseconds(1000);
    session.parameters = {1, 20, 2, 20, std::nullopt, 0};
    std::vector<TestPoint> points = sampleTestPoints();
    std::string dumpPath;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string option = argv[i];
            const auto value = [&]() -> std::string {
                if (i + 1 >= argc) throw std::invalid_argument(option + " needs a value");
                return argv[++i];
            };
            const auto number = [&]() { return std::stoi(value()); };
            if (option == "--help") {
                options.help = true;
            } else if (option == "--sample") {
                points = sampleTestPoints();
            } else if (option == "--points") {
                const auto parsed = parseTestPoints(readFile(value(), result.error));
                if (!result.error.empty()) return result;
                if (!parsed.error.empty()) throw std::invalid_argument(parsed.error);
                points = parsed.points;
            } else if (option == "--dump") {
                dumpPath = value();
            } else if (option == "--print-memory") {
                options.printMemory = true;
            } else if (option == "--delay") {
                session.delay = std::chrono::milliseconds(number());
            } else if (option == "--baud") {
                session.paced = true;
            } else if (option == "--baud-chunks") {
                session.pacedChunks = number();
            } else if (option == "--save") {
                session.savePath = value();
            } else if (option == "--parameters") {
                if (!parseParameters(value(), session.parameters))
                    throw std::invalid_argument("--parameters needs six values 0-255 or *");
            } else if (option == "--repeat") {
                options.repeat = true;
            } else if (option == "--silent-after-chunks") {
                faults.silentAfterChunks = number();
            } else if (option == "--silent-after-characters") {
                faults.silentAfterCharacters = number();
            } else if (option == "--garbled-chunk") {
                faults.garbledChunk = number();
            } else if (option == "--silent-after-bytes") {
                faults.silentAfterBytes = number();
            } else if (option == "--garbage-after-chunks") {
                faults.garbageAfterChunks = number();
            } else if (option == "--first-char") {
                const std::string character = value();
                if (character.size() != 1) throw std::invalid_argument("--first-char needs one character");
                faults.firstCharacter = character[0];
            } else if (option == "--ready") {
                faults.ready = value();
            } else if (option == "--wrong-ack-at") {
                faults.wrongAcknowledgementAt = number();
            } else if (option == "--wrong-ack") {
                faults.wrongAcknowledgement = value();
            } else {
                throw std::invalid_argument("unknown option " + option);
            }
        }
    } catch (const std::exception& error) {
        result.error = error.what();
        return result;
    }
    if (!dumpPath.empty()) {
        const auto dump = loadDump(dumpPath);
        result.error = dump.error;
        session.memoryDigits = dump.digits;
        return result;
    }
    const auto memory = encodeMemory(points);
    result.error = memory.error;
    session.memoryDigits = hexText(memory.bytes);
    return result;
}
