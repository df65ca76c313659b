#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/linux/dl_skin_engine_loader.h"
#include "skin_engine/skin_engine_api.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

const fs::path kBuiltEngine = VELMORA_SKIN_ENGINE_FILE;

TEST(DlSkinEngineLoader, LoadsOnlyALibraryWithTheAttachFunction)
{
    const fs::path notALibrary = fs::temp_directory_path() / "velmora-not-a-library.so";
    std::ofstream(notALibrary) << "plain text";
    DlSkinEngineLoader loader("/nowhere", "/nowhere");
    EXPECT_FALSE(loader.Load("/nowhere/" / SkinEngineFileName()));
    EXPECT_FALSE(loader.Load(notALibrary));
    EXPECT_FALSE(loader.Load(VELMORA_LIBRARY_WITHOUT_SKIN_EXPORT));
    EXPECT_EQ(kBuiltEngine.filename(), SkinEngineFileName());
    EXPECT_TRUE(loader.Load(kBuiltEngine));
    EXPECT_TRUE(loader.Load(kBuiltEngine)); // already loaded
    fs::remove(notALibrary);
}

TEST(DlSkinEngineLoader, TheEngineRefusesWhatItCannotApply)
{
    DlSkinEngineLoader loader("/nowhere", "/nowhere");
    EXPECT_EQ(loader.Attach(kBuiltEngine, "skin"), -1); // not loaded yet
    ASSERT_TRUE(loader.Load(kBuiltEngine));
    // Without a widget application there is nothing to skin.
    EXPECT_EQ(loader.Attach(kBuiltEngine, std::string(kSkinHeader) + "QWidget { color: red; }"), 2);
}

} // namespace
} // namespace velmora
