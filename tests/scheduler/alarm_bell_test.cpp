#include "scheduler/alarm_bell.h"

#include <cstdint>
#include <cstring>

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include "scheduler/loaded_bell.h"

namespace velmora {
namespace {

template <typename Number>
Number Read(const QByteArray& bytes, int offset)
{
    Number value{};
    std::memcpy(&value, bytes.constData() + offset, sizeof value);
    return value;
}

TEST(AlarmBell, TheBellIsAShortMonoPcmSoundInTheResources)
{
    QFile sound(QStringLiteral(":/sounds/bell.wav"));
    ASSERT_TRUE(sound.open(QIODevice::ReadOnly));
    const QByteArray bytes = sound.readAll();
    ASSERT_GT(bytes.size(), 44);
    EXPECT_EQ(bytes.left(4), "RIFF");
    EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(Read<std::uint16_t>(bytes, 20), 1U) << "PCM";
    EXPECT_EQ(Read<std::uint16_t>(bytes, 22), 1U) << "mono";
    EXPECT_EQ(Read<std::uint32_t>(bytes, 24), 22050U);
    EXPECT_EQ(Read<std::uint16_t>(bytes, 34), 16U);
    const double seconds = Read<std::uint32_t>(bytes, 40) / (22050.0 * 2);
    EXPECT_NEAR(seconds, 7.5, 0.5);
}

TEST(AlarmBell, RingsUntilStopped)
{
    AlarmBell bell;
    bell.StartLooping();
    EXPECT_TRUE(QTest::qWaitFor([&] { return bell.IsRinging(); }, 10000));
    bell.StopAll();
    EXPECT_FALSE(bell.IsRinging());
}

// The program rings through the module built beside it; a missing module means silence, not a
// crash, and stopping a bell that never rang does nothing.
TEST(LoadedBell, LoadsTheModuleOnTheFirstRingOnly)
{
    LoadedBell built(QStringLiteral(VELMORA_BELL_FOLDER));
    built.StopAll();
    EXPECT_EQ(built.Loaded(), nullptr);
    built.StartLooping();
    const auto* bell = dynamic_cast<const AlarmBell*>(built.Loaded());
    ASSERT_NE(bell, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([bell] { return bell->IsRinging(); }, 10000));
    built.StopAll();
    EXPECT_FALSE(bell->IsRinging());

    LoadedBell missing(QStringLiteral("/nonexistent"));
    missing.StartLooping();
    missing.StopAll();
    EXPECT_EQ(missing.Loaded(), nullptr);
}

} // namespace
} // namespace velmora
