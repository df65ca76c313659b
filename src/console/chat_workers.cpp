#include "console/chat_workers.h"

#include <mutex>
#include <system_error>

#include <QMetaObject>
#include <QObject>

#include "console/chat_request.h"

namespace velmora {

/// What a worker reaches its receiver through: cut off under the lock when the receiver goes,
/// so no worker posts to an object that no longer exists.
struct ChatWorkers::Link
{
    std::mutex mutex;
    QObject* context = nullptr;
    AnswerHandler handler;
};

ChatWorkers::ChatWorkers(QObject* context, AnswerHandler handler) : m_link(std::make_shared<Link>())
{
    m_link->context = context;
    m_link->handler = std::move(handler);
}

ChatWorkers::~ChatWorkers()
{
    {
        const std::lock_guard lock(m_link->mutex);
        m_link->context = nullptr;
    }
    for (Worker& worker : m_workers) {
        if (worker.connection != nullptr)
            worker.connection->Abort();
    }
    for (Worker& worker : m_workers)
        worker.thread.join();
}

void ChatWorkers::Start(Text message)
{
    JoinFinished();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    // Made here, so that it can be aborted from here; without one the request makes its own.
    std::shared_ptr<HttpConnection> connection = CreateHttpConnection();
    // Room first: a started thread must never be dropped unjoined.
    m_workers.reserve(m_workers.size() + 1);
    try {
        std::thread thread([link = m_link, connection, finished, message = std::move(message)] {
            const Text answer = ChatAnswer(message, connection.get());
            {
                const std::lock_guard lock(link->mutex);
                if (link->context != nullptr) {
                    // Posted events die with their receiver, so a late answer is dropped.
                    QMetaObject::invokeMethod(
                        link->context, [link, answer] { link->handler(answer); }, Qt::QueuedConnection);
                }
            }
            *finished = true;
        });
        m_workers.push_back({std::move(thread), std::move(connection), std::move(finished)});
    } catch (const std::system_error&) {
        // No thread: the message stays in the transcript without an answer.
    }
}

void ChatWorkers::JoinFinished()
{
    std::erase_if(m_workers, [](Worker& worker) {
        if (!*worker.finished)
            return false;
        worker.thread.join();
        return true;
    });
}

} // namespace velmora
