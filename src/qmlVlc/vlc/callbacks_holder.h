#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <mutex>

// Registered listeners, in registration order; not owned. Calls to them happen under the mutex, so a
// listener must not (un)register from inside its own callback.
template <class Callback>
class callbacks_holder {
public:
    virtual ~callbacks_holder() = default;

    virtual void register_callback(Callback* cb) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_callbacks.push_back(cb);
    }

    virtual void unregister_callback(Callback* cb) {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = std::find(m_callbacks.begin(), m_callbacks.end(), cb);
        if (it != m_callbacks.end()) {
            m_callbacks.erase(it);
        }
    }

    void for_each_callback(const std::function<void(Callback*)>& f) {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (Callback* cb : m_callbacks) {
            f(cb);
        }
    }

protected:
    bool has_callbacks() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return !m_callbacks.empty();
    }

    void clear_callbacks() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_callbacks.clear();
    }

private:
    std::mutex m_mutex;
    std::deque<Callback*> m_callbacks;
};
