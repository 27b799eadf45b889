#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Tells the views of a data set that it changed, so that they show it again. Inside a batch the
// subscribers hear of it once, when the outermost batch ends: a command that changes several things
// is one change. Copying a data set copies its data, not who listens to it.
class ChangeNotifier {
    struct State {
        std::vector<std::pair<int, std::function<void()>>> handlers;
        int lastId = 0;
        int batches = 0;
        bool pending = false;
    };

public:
    // Keeps its subscriber subscribed while it lives.
    class Subscription {
    public:
        Subscription() = default;
        Subscription(Subscription&& other) noexcept;
        Subscription& operator=(Subscription&& other) noexcept;
        ~Subscription();

    private:
        friend class ChangeNotifier;
        Subscription(std::weak_ptr<State> state, int id) : state_(std::move(state)), id_(id) {}
        void cancel();

        std::weak_ptr<State> state_;
        int id_ = 0;
    };

    // Holds the notifications back while it lives.
    class Batch {
    public:
        explicit Batch(ChangeNotifier& notifier);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ChangeNotifier& notifier_;
    };

    ChangeNotifier() = default;
    ChangeNotifier(const ChangeNotifier&) {}
    ChangeNotifier& operator=(const ChangeNotifier&) { return *this; }

    [[nodiscard]] Subscription subscribe(std::function<void()> handler) const;
    void notify();

private:
    void deliver();

    std::shared_ptr<State> state_ = std::make_shared<State>();
};
