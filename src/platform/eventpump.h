#pragma once

// Lets pending window events run in the middle of a long pass, so that the windows stay responsive
// and a cancel button can be pressed.
class EventPump {
public:
    virtual ~EventPump() = default;

    virtual void processPendingEvents() = 0;
};
