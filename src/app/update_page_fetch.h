#pragma once

#include <mutex>
#include <string>
#include <thread>

#include "app/update_page_source.h"
#include "platform/http_connection.h"

namespace velmora {

/// Fetches the update page on a thread of its own from the moment it is made, so that loading
/// the network libraries and the request itself overlap the rest of the start-up.
class UpdatePageFetch final : public UpdatePageSource
{
public:
    explicit UpdatePageFetch(std::string address);
    /// Ends a fetch still under way as a failure and waits for its thread.
    ~UpdatePageFetch() override;
    UpdatePageFetch(const UpdatePageFetch&) = delete;
    UpdatePageFetch& operator=(const UpdatePageFetch&) = delete;

    ByteString Page() override;

private:
    void Fetch(const std::string& address);

    std::mutex m_mutex;
    bool m_abandoned = false;           // guarded by m_mutex
    HttpConnection* m_active = nullptr; // guarded by m_mutex; the fetch's while it runs
    ByteString m_page;                  // written by the thread, read after joining it
    std::thread m_thread;               // last, so that it starts after everything it uses
};

} // namespace velmora
