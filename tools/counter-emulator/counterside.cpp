#include "counterside.h"

#include <algorithm>
#include <ctime>
#include <fstream>
#include <thread>

#include "memoryimage.h"
#include "pseudoterminal.h"

namespace {

constexpr int ImageSize = 1024;

class Session {
public:
    Session(PseudoTerminal& line, const SessionSettings& settings) : line_(line), settings_(settings) {}

    SessionReport run() {
        line_.waitForOpen();
        std::this_thread::sleep_for(settings_.delay);
        if (sendChunks() && writePhase()) finishImage();
        line_.waitForClose();
        return report_;
    }

private:
    bool send(const std::string& characters, bool paced) {
        if (line_.write(characters, paced)) return true;
        return hungUp();
    }

    // The program may close the port between the phases, having only read the memory.
    bool hungUp() {
        if (receiveCompleted_ && report_.imageBytes == 0) return false;
        report_.faults.push_back("the program closed the port after " + std::to_string(report_.chunksSent) +
                                 " chunks and " + std::to_string(report_.imageBytes) + " image bytes");
        return false;
    }

    // Stays quiet until the program gives up.
    bool fallSilent() {
        line_.waitForClose();
        return false;
    }

    bool flood() {
        std::string garbage(4096, '\0');
        for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = char('!' + i * 37 % 90);
        while (line_.write(garbage, false)) {
        }
        return false;
    }

    // A request must be exactly one "A".
    bool awaitRequest(const std::string& what) {
        const auto request = line_.read();
        if (!request) return hungUp();
        if (*request != "A")
            report_.faults.push_back(what + ": received \"" + *request + "\" instead of \"A\"");
        return true;
    }

    bool sendChunks() {
        const std::string& digits = settings_.memoryDigits;
        const Faults& faults = settings_.faults;
        for (int chunk = 1; chunk <= ChunkCount; ++chunk) {
            if (faults.silentAfterChunks && report_.chunksSent >= *faults.silentAfterChunks)
                return fallSilent();
            if (faults.garbageAfterChunks && report_.chunksSent >= *faults.garbageAfterChunks) return flood();
            std::string text = digits.substr(std::size_t(chunk - 1) * ChunkDigits, ChunkDigits);
            if (faults.garbledChunk && chunk == *faults.garbledChunk) text[0] = 'G';
            if (chunk == 1) text.insert(text.begin(), faults.firstCharacter);
            const bool paced = settings_.paced || chunk <= settings_.pacedChunks;
            if (faults.silentAfterCharacters) {
                const int left = *faults.silentAfterCharacters - charactersSent_;
                if (left < int(text.size()))
                    return send(text.substr(0, std::size_t(std::max(left, 0))), paced) && fallSilent();
            }
            if (!send(text, paced)) return false;
            charactersSent_ += int(text.size());
            ++report_.chunksSent;
            if (!awaitRequest(chunk < ChunkCount ? "request for chunk " + std::to_string(chunk + 1)
                                                 : "acknowledgement of the last chunk"))
                return false;
        }
        receiveCompleted_ = true;
        return true;
    }

    bool writePhase() {
        const Faults& faults = settings_.faults;
        if (!send(faults.ready, settings_.paced)) return false;
        while (int(image_.size()) < ImageSize) {
            if (faults.silentAfterBytes && report_.imageBytes >= *faults.silentAfterBytes)
                return fallSilent();
            const auto bytes = line_.read();
            if (!bytes) return hungUp();
            if (bytes->size() != 1)
                report_.faults.push_back("image byte " + std::to_string(image_.size() + 1) + " came with " +
                                         std::to_string(bytes->size() - 1) + " more characters");
            image_.insert(image_.end(), bytes->begin(), bytes->end());
            ++report_.imageBytes;
            const bool wrong =
                faults.wrongAcknowledgementAt && report_.imageBytes == *faults.wrongAcknowledgementAt;
            if (!send(wrong ? faults.wrongAcknowledgement : "A", settings_.paced)) return false;
        }
        return true;
    }

    void finishImage() {
        for (const std::string& fault : checkImage(image_, std::time(nullptr), settings_.parameters))
            report_.faults.push_back(fault);
        report_.imageChecked = true;
        if (!settings_.savePath.empty()) {
            std::ofstream out(settings_.savePath, std::ios::binary);
            out.write(reinterpret_cast<const char*>(image_.data()), std::streamsize(image_.size()));
            if (!out) report_.faults.push_back("cannot write " + settings_.savePath);
        }
    }

    PseudoTerminal& line_;
    const SessionSettings& settings_;
    SessionReport report_;
    bool receiveCompleted_ = false;
    int charactersSent_ = 0;  // of the chunks
    std::vector<std::uint8_t> image_;
};

}  // namespace

SessionReport runSession(PseudoTerminal& line, const SessionSettings& settings) {
    return Session(line, settings).run();
}
