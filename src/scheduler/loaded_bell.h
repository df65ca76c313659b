#pragma once

#include <memory>

#include <QString>

#include "platform/bell.h"

namespace velmora {

/// The alarm bell, loaded from its module in the given folder when it first rings. Without the
/// module the alarm stays silent; its notice still shows.
class LoadedBell final : public Bell
{
public:
    explicit LoadedBell(QString moduleFolder);
    ~LoadedBell() override;
    LoadedBell(const LoadedBell&) = delete;
    LoadedBell& operator=(const LoadedBell&) = delete;

    void StartLooping() override;
    void StopAll() override;

    /// True once the module was found and gave its bell.
    bool IsLoaded() const { return m_bell != nullptr; }

private:
    void Load();

    QString m_moduleFolder;
    bool m_loadTried = false;
    std::unique_ptr<Bell> m_bell;
};

} // namespace velmora
