#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>

// The one window of a window class. get() returns the open window or creates
// a fresh one with its design values; a closed window is deleted, and the next
// get() makes a new one.
template <typename W>
class SharedInstance
{
public:
    using Factory = std::function<W *()>;

    explicit SharedInstance(Factory factory)
        : m_factory(std::move(factory))
    {
    }

    // Top-level windows have no parent to delete them: the owner of the
    // instance does.
    ~SharedInstance() { delete m_window.data(); }

    SharedInstance(const SharedInstance &) = delete;
    SharedInstance &operator=(const SharedInstance &) = delete;

    W *get()
    {
        forgetClosed();
        if (!m_window) {
            W *window = m_factory();
            window->setAttribute(Qt::WA_DeleteOnClose);
            m_window = window;
        }
        return m_window.data();
    }

    // The open window, or null: never creates one.
    W *existing()
    {
        forgetClosed();
        return m_window.data();
    }

private:
    // An accepted close clears WA_DeleteOnClose and schedules the deletion;
    // from that moment the window is gone, even before it is deleted.
    void forgetClosed()
    {
        if (m_window && !m_window->testAttribute(Qt::WA_DeleteOnClose))
            m_window.clear();
    }

    Factory m_factory;
    QPointer<W> m_window;
};
