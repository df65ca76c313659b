#include "app/update_page_fetch.h"

#include <memory>
#include <utility>

#include "web/web_request.h"

namespace velmora {

UpdatePageFetch::UpdatePageFetch(std::string address)
    : m_thread([this, address = std::move(address)] { Fetch(address); })
{}

UpdatePageFetch::~UpdatePageFetch()
{
    {
        const std::lock_guard lock(m_mutex);
        m_abandoned = true;
        if (m_active != nullptr)
            m_active->Abort();
    }
    if (m_thread.joinable())
        m_thread.join();
}

ByteString UpdatePageFetch::Page()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_page;
}

void UpdatePageFetch::Fetch(const std::string& address)
{
    const std::unique_ptr<HttpConnection> connection = CreateHttpConnection();
    if (connection == nullptr)
        return;
    {
        const std::lock_guard lock(m_mutex);
        if (m_abandoned)
            return;
        m_active = connection.get();
    }
    // Every input at its default, as for any single request.
    WebRequestArgs args;
    args.requestObject = connection.get();
    ByteString page = WebRequest(address, args);
    {
        const std::lock_guard lock(m_mutex);
        m_active = nullptr;
    }
    m_page = std::move(page);
}

} // namespace velmora
