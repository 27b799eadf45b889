#pragma once

#include "platform/eventpump.h"

// Lets the application's pending events run, for long passes on the user-interface thread.
class QtEventPump : public EventPump {
public:
    void processPendingEvents() override;
};
