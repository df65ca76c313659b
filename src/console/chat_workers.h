#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "platform/http_connection.h"
#include "web/text.h"

class QObject;

namespace velmora {

/// Puts chat messages to the robot, each on a thread of its own, and hands every answer to a
/// handler on the thread of a context object, in the order the answers arrive. Once this object
/// is gone no handler runs any more; its destruction aborts the requests still running and waits
/// the moment they need to end.
class ChatWorkers final
{
public:
    using AnswerHandler = std::function<void(const Text& answer)>;

    ChatWorkers(QObject* context, AnswerHandler handler);
    ~ChatWorkers();
    ChatWorkers(const ChatWorkers&) = delete;
    ChatWorkers& operator=(const ChatWorkers&) = delete;

    /// Starts the request for one message and returns at once. When no thread can be started
    /// the message gets no answer.
    void Start(Text message);

private:
    struct Link;
    struct Worker
    {
        std::thread thread;
        std::shared_ptr<HttpConnection> connection;
        std::shared_ptr<std::atomic<bool>> finished;
    };

    void JoinFinished();

    std::shared_ptr<Link> m_link;
    std::vector<Worker> m_workers;
};

} // namespace velmora
