#include "model/changenotifier.h"

#include <algorithm>

ChangeNotifier::Subscription::Subscription(Subscription&& other) noexcept
    : state_(std::move(other.state_)), id_(std::exchange(other.id_, 0)) {}

ChangeNotifier::Subscription& ChangeNotifier::Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        cancel();
        state_ = std::move(other.state_);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

ChangeNotifier::Subscription::~Subscription() {
    cancel();
}

void ChangeNotifier::Subscription::cancel() {
    if (const std::shared_ptr<State> state = state_.lock())
        std::erase_if(state->handlers, [this](const auto& handler) { return handler.first == id_; });
    state_.reset();
}

ChangeNotifier::Batch::Batch(ChangeNotifier& notifier) : notifier_(notifier) {
    ++notifier_.state_->batches;
}

ChangeNotifier::Batch::~Batch() {
    if (--notifier_.state_->batches == 0 && notifier_.state_->pending) notifier_.deliver();
}

ChangeNotifier::Subscription ChangeNotifier::subscribe(std::function<void()> handler) const {
    const int id = ++state_->lastId;
    state_->handlers.emplace_back(id, std::move(handler));
    return Subscription(state_, id);
}

void ChangeNotifier::notify() {
    if (state_->batches > 0)
        state_->pending = true;
    else
        deliver();
}

// A subscriber may subscribe or leave while the others are told: those subscribed when the delivery
// began are told, unless they left meanwhile.
void ChangeNotifier::deliver() {
    state_->pending = false;
    const auto handlers = state_->handlers;
    for (const auto& [id, handler] : handlers) {
        const auto& current = state_->handlers;
        const bool subscribed = std::any_of(current.begin(), current.end(),
                                            [id = id](const auto& entry) { return entry.first == id; });
        if (subscribed) handler();
    }
}
