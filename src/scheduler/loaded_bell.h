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

    /// The module's bell once it was found and gave one; nullptr before the first ring or without it.
    Bell* Loaded() const { return m_bell.get(); }

private:
    void Load();

    QString m_moduleFolder;
    bool m_loadTried = false;
    std::unique_ptr<Bell> m_bell;
};

} // namespace velmora
