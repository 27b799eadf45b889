#pragma once

#include <QGuiApplication>
#include <memory>

#include "platform/eventpump.h"

// What a job that draws pages needs without a display: the window system's font support (the
// offscreen platform unless another one is set) with the application's fonts, for the life of the
// object.
class JobDrawing {
public:
    JobDrawing();
    ~JobDrawing();

private:
    int argc_ = 1;
    char name_[17] = "terrako-diagraph";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

// A job has no window whose events could wait.
struct NoEvents : EventPump {
    void processPendingEvents() override {}
};
